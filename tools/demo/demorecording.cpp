#include "demorecording.h"

#include "dropanalysis.h"
#include "recordingwriter.h"

namespace {

// The old header has no interval, only a version byte that implies one.
int oldVersionFor(int interval)
{
    switch (interval) {
    case 1: return 6;
    case 2: return 2;
    default: return 3;
    }
}

QVector<RawSample> rawSamples(const QVector<OxiPoint> &points, DemoFormat format)
{
    // Each format marks a missing value its own way and packs the flags differently.
    const int marker = format == DemoFormat::NewZeroMarker ? 0 : 0xFF;
    QVector<RawSample> raw;
    raw.reserve(points.size());
    for (const OxiPoint &p : points) {
        if (format == DemoFormat::OldFiveByte) {
            raw.append({p.spo2, p.pulse, p.motion | (p.flags << 8)});
            continue;
        }
        const int spo2 = p.hasSpo2() ? p.spo2 : marker;
        const int pulse = p.hasPulse() ? qMin<int>(p.pulse, 254) : marker;
        raw.append({spo2, pulse, (p.motion & 0x3F) | (p.flags & 0xC0)});
    }
    return raw;
}

} // namespace

DemoRecording::Summary DemoRecording::summarise(const QVector<OxiPoint> &points, int interval)
{
    Summary s;
    qint64 spo2Sum = 0, pulseSum = 0;
    int spo2Count = 0, pulseCount = 0, below90 = 0;
    for (const OxiPoint &p : points) {
        if (p.hasSpo2()) {
            spo2Sum += p.spo2;
            ++spo2Count;
            s.spo2Min = qMin<int>(s.spo2Min, p.spo2);
            below90 += p.spo2 < 90;
        }
        if (p.hasPulse()) {
            pulseSum += p.pulse;
            ++pulseCount;
        }
    }
    if (pulseCount > 0)
        s.pulseAvg = int(pulseSum / pulseCount);
    if (spo2Count == 0)
        return s;

    s.spo2Avg = int(spo2Sum / spo2Count);
    const DropAnalysis::Counts drops = DropAnalysis::countDrops(points, interval);
    s.drops3 = drops.drops3;
    s.drops4 = drops.drops4;
    s.few90 = below90 * interval;
    // The recorders' score: ten for a calm night, less for every hourly drop
    // of 4 points and every minute below 90 %.
    const double hours = qMax(1.0, double(points.size()) * interval / 3600);
    s.o2Score = qBound(10, 100 - qRound(3 * s.drops4 / hours) - s.few90 / 60, 100);
    return s;
}

QByteArray DemoRecording::encode(const QVector<OxiPoint> &points, DemoFormat format, const QDateTime &start,
                                 int interval)
{
    const QVector<RawSample> raw = rawSamples(points, format);
    const Summary s = summarise(points, interval);
    switch (format) {
    case DemoFormat::OldThreeByte:
    case DemoFormat::OldFiveByte:
        return RecordingWriter::oldFormat()
            .threeByte(format == DemoFormat::OldThreeByte)
            .version(oldVersionFor(interval))
            .duration(points.size() * interval)
            .start(start)
            .samples(raw)
            .summary(s.spo2Avg, s.spo2Min, s.drops3, s.drops4, s.few90, s.o2Score, s.pulseAvg)
            .bytes();
    case DemoFormat::NewWithSummary:
        return RecordingWriter::newFormat()
            .kind(4)
            .interval(interval)
            .start(start)
            .samples(raw)
            .summary(s.spo2Avg, s.spo2Min, s.drops3, s.drops4, s.few90, s.o2Score, s.pulseAvg)
            .bytes();
    case DemoFormat::NewPlain:
    case DemoFormat::NewZeroMarker:
        break;
    }
    return RecordingWriter::newFormat()
        .kind(format == DemoFormat::NewZeroMarker ? 7 : 1)
        .interval(interval)
        .start(start)
        .samples(raw)
        .bytes();
}
