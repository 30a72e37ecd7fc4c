#include "yplotpanner.h"

#include <qwt_plot.h>
#include <qwt_scale_div.h>
#include <qwt_scale_map.h>

#include "trendlog.h"

namespace {

void logTicks(const QwtPlot *plot, int axis, const char *when)
{
    qCDebug(lcTrend) << "pan" << when << "axis" << axis
                     << plot->axisScaleDiv(axis).ticks(QwtScaleDiv::MajorTick);
}

} // namespace

YPlotPanner::YPlotPanner(QWidget *canvas)
    : QwtPlotPanner(canvas)
{
    setAxisEnabled(QwtPlot::yLeft, false);
    setOrientations(Qt::Horizontal);
}

void YPlotPanner::moveCanvas(int dx, int dy)
{
    QwtPlot *plot = this->plot();
    if (!plot || (dx == 0 && dy == 0))
        return;

    const bool autoReplot = plot->autoReplot();
    plot->setAutoReplot(false);
    for (int axis = 0; axis < QwtPlot::axisCnt; ++axis) {
        if (!isAxisEnabled(axis) || !plot->axisEnabled(axis))
            continue;
        const bool horizontal = axis == QwtPlot::xBottom || axis == QwtPlot::xTop;
        const int shift = horizontal ? dx : dy;
        if (shift == 0)
            continue;
        logTicks(plot, axis, "before");
        const QwtScaleMap map = plot->canvasMap(axis);
        const QwtScaleDiv &div = plot->axisScaleDiv(axis);
        const double from = map.invTransform(map.transform(div.lowerBound()) - shift);
        const double to = map.invTransform(map.transform(div.upperBound()) - shift);
        plot->setAxisScale(axis, from, to, plot->axisStepSize(axis));
    }
    plot->setAutoReplot(autoReplot);
    plot->replot();
    for (int axis = 0; axis < QwtPlot::axisCnt; ++axis) {
        if (isAxisEnabled(axis) && plot->axisEnabled(axis))
            logTicks(plot, axis, "after");
    }
}
