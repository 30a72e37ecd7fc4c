#pragma once

#include <QByteArray>
#include <QStringList>

#include "linkclock.h"
#include "simrecorder.h"

// Time that passes only when the code under test or the recorder waits, so
// that a 5-second time-out costs nothing.
class FakeClock : public LinkClock
{
public:
    qint64 nowMs() override { return m_now; }
    void sleepMs(int milliseconds) override { m_now += qMax(0, milliseconds); }

private:
    qint64 m_now = 1773500000000;  // March 2026
};

// A recording-sized byte pattern that shows shifted or repeated chunks.
inline QByteArray recordingBytes(int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + i / 251) & 0xFF);
    return bytes;
}

inline SimRecorder::Config recorder(SimRecorder::Bridge bridge, int framing, bool aes)
{
    SimRecorder::Config c;
    c.bridge = bridge;
    c.framing = framing;
    c.aes = aes;
    return c;
}
