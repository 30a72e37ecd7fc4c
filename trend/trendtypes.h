#pragma once

#include <QPointF>
#include <QVector>

#include <array>

// The stored numbers are part of the form's contract: 0 year, 1 month, 2 week.
enum TrendRange { TrendYear = 0, TrendMonth = 1, TrendWeek = 2 };

enum TrendSeries {
    TrendO2Score = 0,
    TrendDrops = 1,      // drops over 4 %
    TrendLowestSpO2 = 2,
    TrendAvgSpO2 = 3,
    TrendAvgPulse = 4,
};
constexpr int trendSeriesCount = 5;

// One point vector per series: x is the offset from now (days, or months in
// the year range), y the plotted value.
using TrendPoints = std::array<QVector<QPointF>, trendSeriesCount>;
