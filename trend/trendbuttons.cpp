#include "trendbuttons.h"

#include "branchcodes.h"

namespace {

TrendButtons averagesOnly()
{
    TrendButtons b;
    b.initial = TrendAvgSpO2;
    b.visible = {{false, false, false, true, true}};
    return b;
}

} // namespace

TrendButtons TrendButtons::forBranchCode(const QString &code)
{
    if (BranchCodes::saysOxygenLevel(code)) {
        TrendButtons b = averagesOnly();
        b.saysOxygenLevel = true;
        return b;
    }
    // Checked before the family prefix, which these codes share.
    if (BranchCodes::isPulseOnly(code)) {
        TrendButtons b;
        b.initial = TrendAvgPulse;
        b.visible = {{false, false, false, false, true}};
        return b;
    }
    if (BranchCodes::hasWideTrendPulseRange(code))
        return averagesOnly();
    if (BranchCodes::trendLacksO2Score(code)) {
        TrendButtons b;
        b.initial = TrendAvgSpO2;
        b.visible = {{false, true, true, true, true}};
        return b;
    }
    if (BranchCodes::trendShowsAllSeries(code)) {
        TrendButtons b;
        b.initial = TrendAvgSpO2;
        return b;
    }
    TrendButtons b;
    b.visible = {{true, true, true, false, false}};
    return b;
}
