#include "configblocks.h"

namespace {

int byteAt(const QByteArray &block, int index)
{
    return index < block.size() ? quint8(block.at(index)) : 0;
}

void addIfChanged(QVector<ParamChange> &out, int type, int was, int now)
{
    if (was != now)
        out.append({type, now});
}

} // namespace

BlockASettings BlockASettings::fromBlock(const QByteArray &block)
{
    BlockASettings s;
    const int switches = byteAt(block, 0);
    s.spo2On = (switches & 0x0F) != 0;
    s.pulseOn = (switches & 0xF0) != 0;
    s.spo2Threshold = byteAt(block, 1);
    s.pulseLow = byteAt(block, 2);
    s.pulseHigh = byteAt(block, 3);
    s.intensity = byteAt(block, 4);
    s.screenMode = byteAt(block, 6);
    s.brightness = byteAt(block, 7);
    s.averagingTime = byteAt(block, 8);
    return s;
}

QVector<ParamChange> BlockASettings::changes(const BlockASettings &was, const BlockASettings &now)
{
    // Switches are written as 3 (on) or 0 (off), whatever nibble the block held.
    QVector<ParamChange> out;
    addIfChanged(out, 6, was.intensity, now.intensity);
    addIfChanged(out, 1, was.spo2On ? 3 : 0, now.spo2On ? 3 : 0);
    addIfChanged(out, 2, was.spo2Threshold, now.spo2Threshold);
    addIfChanged(out, 3, was.pulseOn ? 3 : 0, now.pulseOn ? 3 : 0);
    addIfChanged(out, 5, was.pulseHigh, now.pulseHigh);
    addIfChanged(out, 4, was.pulseLow, now.pulseLow);
    addIfChanged(out, 8, was.screenMode, now.screenMode);
    addIfChanged(out, 9, was.brightness, now.brightness);
    addIfChanged(out, 10, was.averagingTime, now.averagingTime);
    return out;
}

BlockBSettings BlockBSettings::fromBlock(const QByteArray &block)
{
    BlockBSettings s;
    s.spo2Threshold = byteAt(block, 0);
    s.pulseHigh = byteAt(block, 1);
    s.pulseLow = byteAt(block, 2);
    s.reminderOn = byteAt(block, 3) == 1;
    return s;
}

QVector<ParamChange> BlockBSettings::changes(const BlockBSettings &was, const BlockBSettings &now)
{
    QVector<ParamChange> out;
    addIfChanged(out, 4, was.reminderOn ? 1 : 0, now.reminderOn ? 1 : 0);
    addIfChanged(out, 1, was.spo2Threshold, now.spo2Threshold);
    addIfChanged(out, 2, was.pulseHigh, now.pulseHigh);
    addIfChanged(out, 3, was.pulseLow, now.pulseLow);
    return out;
}
