#pragma once

#include <QDateTime>
#include <QVector>

#include <optional>

#include "checkinfo.h"
#include "trendtypes.h"

// Turns record summaries into the trend's points. No widgets, no database:
// the caller hands in the rows and the moment that counts as now.
namespace TrendData {

// Where a recording lies on the time axis; nullopt for a row without a
// valid start, which has no place on it.
std::optional<double> xOf(const QDateTime &start, const QDateTime &now, TrendRange range);

// The plotted value of one series, after the clamps; nullopt when the row
// contributes no point to it.
std::optional<double> valueOf(const CheckInfo &record, TrendSeries series);

// All five series, each reduced to the lowest and highest value per slot.
TrendPoints build(const QVector<CheckInfo> &records, const QDateTime &now, TrendRange range);

// Keeps per time slot only its lowest and its highest point (one point when
// they are equal), so that a slot draws as one bar. The result is ordered by x.
void dropSameBucketMiddles(QVector<QPointF> &points);

} // namespace TrendData
