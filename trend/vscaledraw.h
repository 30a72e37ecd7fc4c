#pragma once

#include <qwt_scale_draw.h>

// Value axis of the trend. Values below the axis are clamped up to it, so
// its lowest label can say "≤"; SpO2 axes add a percent sign.
class VScaleDraw : public QwtScaleDraw
{
public:
    VScaleDraw() = default;

    bool hasLowerBoundPrefix() const { return m_lowerBoundPrefix; }
    bool hasPercentSuffix() const { return m_percentSuffix; }
    // Both clear the label cache.
    void setLowerBoundPrefix(bool on);
    void setPercentSuffix(bool on);

    QwtText label(double value) const override;

private:
    bool m_lowerBoundPrefix = false;
    bool m_percentSuffix = false;
};
