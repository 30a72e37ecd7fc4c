#pragma once

#include <QVector>

#include <vector>

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

    // interval: seconds between samples, 1..255. expectedSamples only reserves room.
    explicit DropAnalysis(int interval, int expectedSamples = 0);

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

    // Sample number n (from 1) lives at m_samples[m_lead + n - 1]; numbers <= 0 read as 0.
    const quint8 *sampleAt(qint64 number) const { return m_samples.data() + (m_lead - 1 + number); }
    void examineCentre(qint64 centre);
    // j: how many samples before the centre the fall starts.
    void examine(Threshold &threshold, qint64 centre, int j);

    // Sample numbers are 64-bit: 16-bit counters wrap after 18 hours at a
    // 1-s interval and then block or misplace every later event.
    int m_interval;
    int m_delay;      // the examined centre lags the newest sample by this many samples
    int m_lookBack;
    int m_lookAhead;
    int m_lead;       // zeros before sample 1, so look-backs need no bounds test
    // The whole run is kept: a night is a few tens of kilobytes, and linear
    // indexing is several times faster than a ring.
    std::vector<quint8> m_samples;
    qint64 m_fed = 0;
    Threshold m_thresholds[2] = {{3}, {4}};
};
