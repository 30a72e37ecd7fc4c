#include "nightsynthesizer.h"

#include <QtMath>

namespace {

constexpr int minutes = 60;

} // namespace

// Everything that changes while one night is written.
struct NightSynthesizer::Night
{
    QVector<OxiPoint> points;
    int interval = 4;
    int total = 0;          // samples wanted
    int sleepOnset = 0;     // seconds awake at the start
    int wakeUp = 0;         // seconds after which the sleeper lies awake
    int cycle = 90 * minutes;
    int spo2 = 96;
    double pulse = 60;
    double arousal = 0;     // bpm above the calm pulse, fading

    int seconds() const { return points.size() * interval; }
    bool isAwake() const { return seconds() < sleepOnset || seconds() > wakeUp; }
    // Dream sleep closes each cycle and grows longer towards the morning.
    bool isDreaming() const
    {
        if (isAwake())
            return false;
        const int asleep = seconds() - sleepOnset;
        const int index = asleep / cycle;
        const int dream = qMin(8 + 6 * index, 30) * minutes;
        return asleep % cycle > cycle - dream;
    }
};

NightSynthesizer::NightSynthesizer(const SleeperProfile &profile, quint32 seed)
    : m_profile(profile)
    , m_rng(seed)
{
}

QVector<OxiPoint> NightSynthesizer::night(int seconds, int interval, double severity)
{
    Night n;
    n.interval = interval;
    n.total = seconds / interval;
    n.points.reserve(n.total + 64);
    n.sleepOnset = between(8, 25) * minutes;
    n.wakeUp = seconds - between(4, 15) * minutes;
    n.cycle = between(80, 100) * minutes;
    n.spo2 = m_profile.spo2Baseline + 1;
    n.pulse = m_profile.pulseBaseline + 1.5 * m_profile.pulseSpread;

    // The sensor needs a few samples before its first reading.
    for (int i = between(2, 6); i > 0; --i)
        append(n, 0, 0, between(5, 20), false);

    const double perHour = double(interval) / 3600;
    while (n.points.size() < n.total) {
        const double rate = m_profile.eventsPerHour * severity * (n.isDreaming() ? 2.5 : 0.5);
        if (m_profile.measuresSpo2 && !n.isAwake() && chance(rate * perHour))
            addDesaturation(n);
        else if (chance(m_profile.turnsPerHour * perHour * (n.isAwake() ? 4 : 1)))
            addTurn(n);
        else
            wander(n);
    }
    n.points.resize(n.total);
    return n.points;
}

void NightSynthesizer::wander(Night &n)
{
    // About one step of one point every half minute, pulled back to where
    // this sleeper's saturation sits in the current stage.
    const int target = m_profile.spo2Baseline + (n.isAwake() ? 1 : 0) - (n.isDreaming() ? 1 : 0);
    if (chance(n.interval / 30.0)) {
        int step = chance(0.5) ? 1 : -1;
        if (n.spo2 > target + 1)
            step = -1;
        else if (n.spo2 < target - 1)
            step = 1;
        n.spo2 = qBound(80, n.spo2 + step, 100);
    }

    const double calm = m_profile.pulseBaseline + (n.isAwake() ? 1.5 * m_profile.pulseSpread : 0)
        + (n.isDreaming() ? m_profile.pulseSpread / 2.0 : 0);
    const double noise = (m_rng.generateDouble() - 0.5) * m_profile.pulseSpread / 2.0;
    n.pulse += (calm + n.arousal - n.pulse) * qMin(1.0, 0.05 * n.interval) + noise;
    n.arousal *= qPow(0.93, n.interval);

    int motion = between(0, 2);
    if (n.isAwake() && chance(0.2))
        motion = between(5, 20);
    else if (n.isDreaming() && chance(0.05))
        motion = between(3, 8);
    append(n, n.spo2, qRound(n.pulse), motion);
}

void NightSynthesizer::addDesaturation(Night &n)
{
    // Shallow falls are common, deep ones rare. A fall of d points takes
    // 2-5 s per point, at most half a minute; the recovery is quicker.
    const double u = m_rng.generateDouble();
    const int depth = 3 + int(u * u * (m_profile.deepestDrop - 2));
    const int fall = between(qMax(10, 2 * depth), qMin(30, 5 * depth));
    const int hold = between(4, 12);
    const int recovery = between(6, 14);
    const int overshoot = chance(0.4) ? 1 : 0;
    const int baseline = n.spo2;
    const int pulse = qRound(n.pulse);
    const int step = n.interval;

    for (int t = step; t < fall + step; t += step)
        append(n, baseline - qRound(depth * qMin(1.0, double(t) / fall)), pulse - 1, between(0, 2));
    for (int t = 0; t < hold; t += step)
        append(n, baseline - depth, pulse - 2, between(0, 2));
    // Arousals after close drops do not pile up beyond a real heart's reply.
    n.arousal = qMin(n.arousal + between(5, 14), 20.0);
    const int jolt = chance(0.3) ? between(8, 25) : 0;
    for (int t = step; t < recovery + step; t += step) {
        n.pulse += (pulse + n.arousal - n.pulse) * 0.5;
        const int spo2 = baseline - depth + qRound((depth + overshoot) * qMin(1.0, double(t) / recovery));
        append(n, spo2, qRound(n.pulse), t == step ? qMax(jolt, between(0, 2)) : between(0, 3));
    }
    n.spo2 = baseline + overshoot;
}

void NightSynthesizer::addTurn(Night &n)
{
    // Turning over shakes the sensor; now and then it loses the signal.
    const int length = qMax(1, between(6, 24) / n.interval);
    const int lostFrom = chance(0.35) ? between(0, length - 1) : length;
    const int lostTo = lostFrom + between(1, 3);
    n.arousal += between(3, 8);
    for (int i = 0; i < length; ++i) {
        n.pulse += (m_profile.pulseBaseline + n.arousal - n.pulse) * 0.3;
        append(n, n.spo2, qRound(n.pulse), between(20, 55), i < lostFrom || i >= lostTo);
    }
}

void NightSynthesizer::append(Night &n, int spo2, int pulse, int motion, bool valid)
{
    OxiPoint p;
    p.motion = quint8(qBound(0, motion, 63));
    if (valid) {
        if (m_profile.measuresSpo2)
            p.spo2 = quint8(qBound(50, spo2, 100));
        p.pulse = quint16(qBound(30, pulse, 250));
    }
    if (p.hasSpo2() && p.spo2 < m_profile.spo2Reminder)
        p.flags |= OxiPoint::spo2ReminderFlag;
    if (p.hasPulse() && (p.pulse < m_profile.pulseLow || p.pulse > m_profile.pulseHigh))
        p.flags |= OxiPoint::pulseReminderFlag;
    n.points.append(p);
}
