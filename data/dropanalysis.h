#pragma once

#include <QVector>

#include "oxipoint.h"

// Counts desaturations of at least 3 and 4 points in a stream of SpO2 values.
// Each instance is one run with its own state, so recordings parsed on
// different threads never share anything.
class DropAnalysis
{
public:
    struct Counts
    {
        int drops3 = 0;
        int drops4 = 0;
    };

    // interval: seconds between samples, 1..255.
    explicit DropAnalysis(int interval);

    // 0 and values of 128 or more mean "no value".
    void feed(int spo2);

    // Pushes the last samples through the examination window and returns the counts.
    Counts finish();

    // One whole run over the SpO2 values of a recording; interval must be >= 1.
    static Counts countDrops(const QVector<OxiPoint> &points, int interval);

private:
    struct Threshold
    {
        int points;           // 3 or 4
        int events = 0;
        qint64 blockedUntil = 0;
    };

    int sampleAt(qint64 number) const;
    void examine(Threshold &threshold, qint64 centre, int value);

    // Sample numbers are 64-bit: 16-bit counters wrap after 18 hours at a
    // 1-s interval and then block or misplace every later event.
    int m_interval;
    int m_delay;      // centre lags the newest sample by this many samples
    int m_lookBack;
    int m_lookAhead;
    QVector<quint8> m_history;
    qint64 m_fed = 0;
    Threshold m_thresholds[2] = {{3}, {4}};
};
