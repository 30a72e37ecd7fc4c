#include "dropanalysis.h"

namespace {

constexpr int minFallSeconds = 8;
constexpr int maxFallSeconds = 120;
constexpr int maxRecoverySeconds = 20;

bool isMissing(int value)
{
    return value == 0 || value >= 128;
}

} // namespace

DropAnalysis::DropAnalysis(int interval, int expectedSamples)
    : m_interval(qMax(1, interval))
{
    const int perMinute = 60 / m_interval;
    m_delay = 10 * perMinute;
    m_lookBack = 2 * perMinute;
    m_lookAhead = 10 * perMinute;
    m_lead = m_lookBack + 1;
    m_samples.reserve(size_t(m_lead) + size_t(qMax(0, expectedSamples)) + size_t(m_lookAhead));
    m_samples.assign(size_t(m_lead), 0);
}

void DropAnalysis::feed(int spo2)
{
    m_samples.push_back(quint8(qBound(0, spo2, 255)));
    ++m_fed;
    examineCentre(m_fed - m_delay);
}

void DropAnalysis::examineCentre(qint64 centre)
{
    if (centre <= 0)
        return;
    const quint8 *at = sampleAt(centre);
    const int value = at[0];
    if (isMissing(value))
        return;

    // Look back for the start of a fall, once for both thresholds: the walk
    // ends at the first sample that is not higher than the centre, and the
    // 4-point start can only lie at or beyond the 3-point one.
    int start3 = 0;
    int start4 = 0;
    for (int j = 1; j <= m_lookBack; ++j) {
        const int u = at[-j];
        if (u <= value || u >= 128)
            break;
        if (u - value >= 3 && start3 == 0)
            start3 = j;
        if (u - value >= 4) {
            start4 = j;
            break;
        }
    }
    if (start3 != 0)
        examine(m_thresholds[0], centre, start3);
    if (start4 != 0)
        examine(m_thresholds[1], centre, start4);
}

void DropAnalysis::examine(Threshold &t, qint64 centre, int j)
{
    // Neither the centre nor any sample of the fall may lie before the block.
    if (centre - j < t.blockedUntil)
        return;

    // The nominal rate, threshold over fall time, must lie in 0.1..5.0 points/s;
    // compared in integers so that exactly 0.1 passes.
    const int fallSeconds = m_interval * j;
    if (10 * t.points < fallSeconds || t.points > 5 * fallSeconds)
        return;

    // Look ahead for the nadir and the return to the baseline; positions are
    // relative to the centre, the start lies j samples before it.
    const quint8 *at = sampleAt(centre);
    const int baseline = at[-j];
    int nadir = at[0];
    int nadirAt = 0;
    int fallTime = fallSeconds;
    for (int m = 1; m <= m_lookAhead; ++m) {
        const int w = at[m];
        if (isMissing(w))
            return;
        if (w <= nadir) {
            nadir = w;
            nadirAt = m;
            fallTime = m_interval * (nadirAt + j);
        }
        if (fallTime < minFallSeconds || fallTime > maxFallSeconds)
            return;
        if (w >= baseline) {
            if (m_interval * (m - nadirAt) >= maxRecoverySeconds)
                return;
            ++t.events;
            t.blockedUntil = centre + m;
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
    // The same run as feeding every point and finishing: with the whole night
    // at hand, the samples go in first and the centres are examined after, in
    // the same order and each with the same samples around it.
    DropAnalysis run(interval, points.size());
    const int n = points.size();
    run.m_samples.resize(size_t(run.m_lead) + size_t(n) + size_t(run.m_lookAhead), 0);
    quint8 *samples = run.m_samples.data() + run.m_lead - 1;  // sample numbers start at 1
    const OxiPoint *in = points.constData();
    for (int i = 1; i <= n; ++i)
        samples[i] = in[i - 1].spo2;
    run.m_fed = n + run.m_lookAhead;
    for (qint64 centre = 1; centre <= points.size(); ++centre)
        run.examineCentre(centre);
    return {run.m_thresholds[0].events, run.m_thresholds[1].events};
}
