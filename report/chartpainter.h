#pragma once

#include <QCoreApplication>
#include <QRect>
#include <QRectF>

#include "chartaxis.h"
#include "reportinput.h"
#include "reportstyle.h"

class OxiDataController;
class QPainter;

// The report's graphics: the SpO2 histogram and whole-night charts of the
// first page and the hour rows of the chart pages.
class ChartPainter
{
    Q_DECLARE_TR_FUNCTIONS(ReportHelper)

public:
    ChartPainter(QPainter &painter, const ReportStyle &style, const ReportInput &input);

    void paintHistogram(const QRectF &box);
    void paintWholeNight(const QRectF &area);
    void paintHourRow(const QRect &row, int hour);

    // Which samples a chart shows and how far apart they are drawn.
    struct Window
    {
        int first = 0;
        int count = 0;
        double xStep = 0;   // fraction of the plot width per sample
        int columns = 4;
        int hour = -1;      // -1: the whole night
    };
    static Window wholeNightWindow(const OxiDataController &night);
    static Window hourWindow(const OxiDataController &night, int hour);

private:
    QRectF plotArea(const QRectF &chart) const;
    bool hasMotion() const;
    void paintSpo2Chart(const QRectF &chart, const Window &window);
    void paintPulseChart(const QRectF &chart, const Window &window);
    void paintMotionChart(const QRectF &chart, const Window &window);
    void paintVerticalGrid(const QRectF &plot, int columns);
    void paintValueAxis(const QRectF &chart, const QRectF &plot, const ChartAxis &axis);
    void paintTimeLabels(const QRectF &plot, const Window &window);
    void paintTitle(const QRectF &plot, const QString &title);
    void addReminder(QPainterPath &marks, double x, const QRectF &plot) const;
    void drawCurve(QPolygonF &curve, const QColor &colour);
    QPen curvePen(const QColor &colour) const;

    QPainter &m_painter;
    const ReportStyle &m_style;
    const ReportInput &m_input;
    const OxiDataController &m_night;
};
