#include "trenddata.h"

#include <QtGlobal>

#include <algorithm>

namespace TrendData {

namespace {

// The markers for "no value" a row may still carry from an older source.
constexpr int noSpO2 = 0xFF;
constexpr int noPulse = 0xFFFF;

std::optional<double> spo2(int value)
{
    if (value <= 0 || value == noSpO2)
        return std::nullopt;
    return qBound(70, value, 100);
}

} // namespace

std::optional<double> xOf(const QDateTime &start, const QDateTime &now, TrendRange range)
{
    if (!start.isValid() || !now.isValid())
        return std::nullopt;
    if (range == TrendYear) {
        const QDate s = start.date();
        const QDate n = now.date();
        return -double((n.year() - s.year()) * 12 + (n.month() - s.month()));
    }
    return -double(start.daysTo(now));
}

std::optional<double> valueOf(const CheckInfo &r, TrendSeries series)
{
    switch (series) {
    case TrendO2Score:
        // Tenths; 255 means the recorder gave no score, while 0 is a real one.
        if (r.o2Score < 0 || r.o2Score > 100)
            return std::nullopt;
        return r.o2Score / 10.0;
    case TrendDrops:
        if (r.drops4 <= 0)
            return std::nullopt;
        return qMin(r.drops4, 50);
    case TrendLowestSpO2:
        return spo2(r.spo2Min);
    case TrendAvgSpO2:
        return spo2(r.spo2Avg);
    case TrendAvgPulse:
        if (r.hrAvg <= 0 || r.hrAvg == noPulse)
            return std::nullopt;
        return qMax(r.hrAvg, 30);
    }
    return std::nullopt;
}

TrendPoints build(const QVector<CheckInfo> &records, const QDateTime &now, TrendRange range)
{
    TrendPoints points;
    for (QVector<QPointF> &v : points)
        v.reserve(records.size());
    for (const CheckInfo &r : records) {
        const std::optional<double> x = xOf(r.startDateTime, now, range);
        if (!x)
            continue;
        for (int s = 0; s < trendSeriesCount; ++s) {
            if (const std::optional<double> y = valueOf(r, TrendSeries(s)))
                points[s].append(QPointF(*x, *y));
        }
    }
    for (QVector<QPointF> &v : points)
        dropSameBucketMiddles(v);
    return points;
}

void dropSameBucketMiddles(QVector<QPointF> &points)
{
    // Sorted once instead of comparing every pair: with years of nights the
    // pairwise walk costs seconds. Slots are whole days or months, so points
    // closer than 0.1 share one; a run of such neighbours is one slot.
    std::stable_sort(points.begin(), points.end(),
                     [](const QPointF &a, const QPointF &b) { return a.x() < b.x(); });
    QVector<QPointF> kept;
    kept.reserve(points.size());
    for (int first = 0; first < points.size();) {
        int last = first;
        QPointF low = points[first];
        QPointF high = points[first];
        while (last + 1 < points.size() && points[last + 1].x() - points[last].x() < 0.1) {
            ++last;
            if (points[last].y() < low.y())
                low = points[last];
            if (points[last].y() > high.y())
                high = points[last];
        }
        kept.append(low);
        if (high.y() != low.y())
            kept.append(high);
        first = last + 1;
    }
    points = kept;
}

} // namespace TrendData
