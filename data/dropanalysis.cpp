#include "dropanalysis.h"

namespace {

bool isMissing(int value)
{
    return value == 0 || value >= 128;
}

// The history keeps the last 40 minutes, more than delay + look-back.
constexpr int historySeconds = 2400;
constexpr int minFallSeconds = 8;
constexpr int maxFallSeconds = 120;
constexpr int maxRecoverySeconds = 20;

} // namespace

DropAnalysis::DropAnalysis(int interval)
    : m_interval(qMax(1, interval))
{
    const int perMinute = 60 / m_interval;
    m_delay = 10 * perMinute;
    m_lookBack = 2 * perMinute;
    m_lookAhead = 10 * perMinute;
    const int size = qMax(historySeconds / m_interval, m_delay + m_lookBack + 1);
    m_history.fill(0, size);
}

int DropAnalysis::sampleAt(qint64 number) const
{
    if (number <= 0 || number > m_fed)
        return 0;
    return m_history[int(number % m_history.size())];
}

void DropAnalysis::feed(int spo2)
{
    ++m_fed;
    m_history[int(m_fed % m_history.size())] = quint8(qBound(0, spo2, 255));

    const qint64 centre = m_fed - m_delay;
    const int value = sampleAt(centre);
    if (value == 0)
        return;
    for (Threshold &threshold : m_thresholds)
        examine(threshold, centre, value);
}

void DropAnalysis::examine(Threshold &t, qint64 centre, int value)
{
    if (centre < t.blockedUntil || centre == 0 || value >= 128)
        return;

    // Look back for the start of the fall.
    int baseline = 0;
    qint64 start = 0;
    int j = 1;
    for (; j <= m_lookBack; ++j) {
        const qint64 number = centre - j;
        const int u = sampleAt(number);
        if (isMissing(u) || number < t.blockedUntil || number <= 0 || u <= value)
            return;
        if (u - value >= t.points) {
            baseline = u;
            start = number;
            break;
        }
    }
    if (j > m_lookBack)
        return;

    // The nominal rate, threshold over fall time, must lie in 0.1..5.0 points/s;
    // compared in integers so that exactly 0.1 passes.
    const int fallSeconds = m_interval * j;
    if (10 * t.points < fallSeconds || t.points > 5 * fallSeconds)
        return;

    // Look ahead for the nadir and the return to the baseline.
    int nadir = value;
    qint64 nadirNumber = centre;
    qint64 fallTime = fallSeconds;
    for (int m = 1; m <= m_lookAhead; ++m) {
        const qint64 number = centre + m;
        const int w = sampleAt(number);
        if (isMissing(w))
            return;
        if (w <= nadir) {
            nadir = w;
            nadirNumber = number;
            fallTime = m_interval * (nadirNumber - start);
        }
        if (fallTime < minFallSeconds || fallTime > maxFallSeconds)
            return;
        if (w >= baseline) {
            if (m_interval * (number - nadirNumber) >= maxRecoverySeconds)
                return;
            ++t.events;
            t.blockedUntil = number;
            return;
        }
    }
}

DropAnalysis::Counts DropAnalysis::finish()
{
    for (int i = 0; i < m_lookAhead; ++i)
        feed(0);
    return {m_thresholds[0].events, m_thresholds[1].events};
}

DropAnalysis::Counts DropAnalysis::countDrops(const QVector<OxiPoint> &points, int interval)
{
    DropAnalysis run(interval);
    for (const OxiPoint &point : points)
        run.feed(point.spo2);
    return run.finish();
}
