#include "trendaxes.h"

#include "branchcodes.h"

namespace TrendAxes {

Scale timeScale(TrendRange range)
{
    switch (range) {
    case TrendYear:
        return {-12, 0, 3, 6, 3};
    case TrendMonth:
        return {-30, 0, 7, 4, 7};
    case TrendWeek:
        break;
    }
    return {-7, 0, 1, 7, 1};
}

Scale valueScale(TrendSeries series, const QString &branchCode)
{
    switch (series) {
    case TrendO2Score:
        return {0, 10, 1, 10, 1};
    case TrendDrops:
        return {0, 50, 10, 6, 10};
    case TrendLowestSpO2:
    case TrendAvgSpO2:
        return {70, 100, 5, 6, 5, true, true};
    case TrendAvgPulse:
        break;
    }
    const double top = BranchCodes::hasWideTrendPulseRange(branchCode) ? 270 : 180;
    return {30, top, 30, 6, 5, true, false};
}

} // namespace TrendAxes
