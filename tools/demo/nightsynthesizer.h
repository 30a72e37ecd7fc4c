#pragma once

#include <QRandomGenerator>
#include <QVector>

#include "oxipoint.h"

// How one person sleeps, as far as a recorder sees it.
struct SleeperProfile
{
    int spo2Baseline = 96;        // percent, in quiet sleep
    int pulseBaseline = 62;       // bpm, in quiet sleep
    int pulseSpread = 6;          // bpm the pulse wanders around it
    double eventsPerHour = 5;     // desaturations in an average night
    int deepestDrop = 8;          // points
    double turnsPerHour = 2;      // changes of position, with motion
    bool measuresSpo2 = true;     // pulse-only monitors leave SpO2 empty
    int spo2Reminder = 90;        // the recorder flags SpO2 below this
    int pulseLow = 50;            // ... and pulse outside these limits
    int pulseHigh = 120;
};

// Samples of believable nights: a slowly wandering SpO2 with clusters of
// desaturations in dream sleep that fall over 10-40 s and recover within
// 20 s (what the drop detector counts), a pulse that rises after each one,
// turns in bed with motion and lost readings, and the reminder flags the
// recorder would set. The same seed gives the same nights.
class NightSynthesizer
{
public:
    NightSynthesizer(const SleeperProfile &profile, quint32 seed);

    // seconds long at one sample per interval seconds. severity scales the
    // desaturation rate: 1 is an average night.
    QVector<OxiPoint> night(int seconds, int interval, double severity);

    QRandomGenerator &random() { return m_rng; }

private:
    struct Night;

    void wander(Night &n);
    void addDesaturation(Night &n);
    void addTurn(Night &n);
    void append(Night &n, int spo2, int pulse, int motion, bool valid = true);
    int between(int low, int high) { return int(m_rng.bounded(low, high + 1)); }
    bool chance(double p) { return m_rng.generateDouble() < p; }

    SleeperProfile m_profile;
    QRandomGenerator m_rng;
};
