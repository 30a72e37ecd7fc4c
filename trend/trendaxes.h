#pragma once

#include <QString>

#include "trendtypes.h"

// The scales the trend restores whenever range or series change.
namespace TrendAxes {

struct Scale
{
    double min = 0;
    double max = 0;
    double step = 0;
    int maxMajor = 0;
    int maxMinor = 0;
    bool lowerBoundPrefix = false;   // lowest label reads "≤…": values are clamped up to it
    bool percentSuffix = false;
};

Scale timeScale(TrendRange range);
// The pulse axis depends on the recorder: baby monitors reach higher rates.
Scale valueScale(TrendSeries series, const QString &branchCode);

} // namespace TrendAxes
