#pragma once

#include <QString>

#include <array>

#include "trendtypes.h"

// Which series a recorder's trend offers, and which one it opens with.
struct TrendButtons
{
    TrendSeries initial = TrendO2Score;
    std::array<bool, trendSeriesCount> visible{{true, true, true, true, true}};
    // The recorder that calls SpO2 "oxygen level" gets the matching labels.
    bool saysOxygenLevel = false;

    static TrendButtons forBranchCode(const QString &code);
};
