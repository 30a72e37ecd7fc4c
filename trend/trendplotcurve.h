#pragma once

#include <qwt_plot_curve.h>

// The trend's curve: a symbol per point, and a bar joining the points of one
// time slot (a day's or month's lowest and highest value). Points of
// different slots stay unjoined.
class TrendPlotCurve : public QwtPlotCurve
{
public:
    TrendPlotCurve();

protected:
    void drawCurve(QPainter *painter, int style, const QwtScaleMap &xMap, const QwtScaleMap &yMap,
                   const QRectF &canvasRect, int from, int to) const override;
};
