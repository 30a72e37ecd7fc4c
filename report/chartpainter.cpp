#include "chartpainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include "branchcodes.h"
#include "fittedtext.h"
#include "oxidatacontroller.h"

namespace {

const QColor teal(0, 128, 128, 255);
const QColor barGrey(166, 166, 166, 255);

double yOf(const ChartAxis &axis, const QRectF &plot, double value)
{
    return plot.bottom() - plot.height() * (value - axis.bottom) / (axis.top - axis.bottom);
}

} // namespace

ChartPainter::ChartPainter(QPainter &painter, const ReportStyle &style, const ReportInput &input)
    : m_painter(painter)
    , m_style(style)
    , m_input(input)
    , m_night(*input.recording)
{
}

ChartPainter::Window ChartPainter::wholeNightWindow(const OxiDataController &night)
{
    Window w;
    const int d = night.duration;
    w.columns = d <= 600 ? 2 : 4;
    // An odd duration gets one more slot, so the last sample does not sit on the edge.
    const double slotCount = (d + (d % 2 ? 1 : 0)) * double(night.samplingRate);
    if (slotCount <= 0)
        return w;
    w.count = int(slotCount);
    w.xStep = 1.0 / slotCount;
    return w;
}

ChartPainter::Window ChartPainter::hourWindow(const OxiDataController &night, int hour)
{
    Window w;
    w.columns = 10;
    w.hour = hour;
    const double rate = night.samplingRate;
    if (rate <= 0)
        return w;
    w.first = int(hour * 3600 * rate);
    w.count = int(3600 * rate);
    w.xStep = 1.0 / (3600 * rate);
    return w;
}

QRectF ChartPainter::plotArea(const QRectF &chart) const
{
    return QRectF(chart.left() + m_style.mm(8), chart.top() + m_style.mm(4.5),
                  chart.width() - m_style.mm(13), chart.height() - m_style.mm(9));
}

bool ChartPainter::hasMotion() const
{
    return m_night.fileType == OxiDataController::OldFormat || m_night.fileType == OxiDataController::NewWithSummary;
}

QPen ChartPainter::curvePen(const QColor &colour) const
{
    return QPen(QBrush(colour), m_style.lineWidth, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}

void ChartPainter::paintVerticalGrid(const QRectF &plot, int columns)
{
    const double colW = plot.width() / columns;
    for (int col = 0; col <= columns; ++col) {
        const double x = plot.left() + col * colW;
        m_painter.setPen(m_style.majorPen);
        m_painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        if (col == columns)
            break;
        m_painter.setPen(m_style.minorPen);
        for (int k = 1; k <= 5; ++k) {
            const double xm = x + colW * k / 6;
            m_painter.drawLine(QPointF(xm, plot.top()), QPointF(xm, plot.bottom()));
        }
    }
}

void ChartPainter::paintValueAxis(const QRectF &chart, const QRectF &plot, const ChartAxis &axis)
{
    for (const ChartAxis::Line &line : axis.lines) {
        m_painter.setPen(line.isMajor ? m_style.majorPen : m_style.minorPen);
        const double y = yOf(axis, plot, line.value);
        m_painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    if (axis.lines.isEmpty())
        return;
    m_painter.setPen(Qt::black);
    const double half = QFontMetricsF(m_painter.font(), m_painter.device()).height() / 2;
    for (int value : axis.labels) {
        const QRectF box(chart.left(), yOf(axis, plot, value) - half, m_style.mm(7), 2 * half);
        FittedText::draw(m_painter, box, Qt::AlignRight | Qt::AlignTop, axis.labelText(value));
    }
}

void ChartPainter::paintTimeLabels(const QRectF &plot, const Window &window)
{
    const QLocale english(QLocale::English);
    const double shift = QFontMetricsF(m_painter.font(), m_painter.device()).horizontalAdvance(QStringLiteral("00:00")) / 2;
    QRectF box(plot.left() - shift, plot.bottom() + m_style.mm(1), plot.width(), m_style.mm(3.5));
    m_painter.setPen(Qt::black);
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip;
    if (window.hour < 0) {
        const int step = (m_night.duration + 1) / window.columns;
        for (int k = 0; k <= window.columns; ++k) {
            const QDateTime t = m_night.startDateTime.addSecs(qint64(k) * step);
            m_painter.drawText(box, flags, english.toString(t, QStringLiteral("HH:mm")));
            box.translate(int(plot.width() / window.columns), 0);
        }
        return;
    }
    for (int k = 0; k <= 10; ++k) {
        const QDateTime t = m_night.startDateTime.addSecs(qint64(window.hour) * 3600 + k * 360);
        m_painter.drawText(box, flags, english.toString(t, QStringLiteral("HH:mm")));
        box.translate(plot.width() / 10, 0);
    }
}

void ChartPainter::paintTitle(const QRectF &plot, const QString &title)
{
    m_painter.setPen(Qt::black);
    m_painter.drawText(QPointF(plot.left(), plot.top() - m_style.mm(1)), title);
}

void ChartPainter::addReminder(QPainterPath &marks, double x, const QRectF &plot) const
{
    const double bottom = plot.bottom();
    marks.moveTo(x, bottom - m_style.mm(1.8));
    marks.lineTo(x - m_style.mm(1), bottom);
    marks.lineTo(x + m_style.mm(1), bottom);
    marks.closeSubpath();
}

void ChartPainter::drawCurve(QPolygonF &curve, const QColor &colour)
{
    if (curve.isEmpty())
        return;
    m_painter.setPen(curvePen(colour));
    m_painter.drawPolyline(curve);
    curve.clear();
}

void ChartPainter::paintSpo2Chart(const QRectF &chart, const Window &window)
{
    const QRectF plot = plotArea(chart);
    const ChartAxis axis = ChartAxis::spo2(m_input.spo2YRange);
    m_painter.setFont(m_style.medium);
    if (!axis.lines.isEmpty())
        paintVerticalGrid(plot, window.columns);
    paintValueAxis(chart, plot, axis);
    paintTimeLabels(plot, window);
    paintTitle(plot, BranchCodes::saysOxygenLevel(m_input.branchCode)
                         ? tr("Oxygen Level(%)", "venrik")
                         : tr("SpO2(%)"));

    m_painter.save();
    m_painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    QPolygonF curve;
    QPainterPath marks;
    marks.setFillRule(Qt::WindingFill);
    const int end = qMin(window.first + window.count, m_night.points.size());
    for (int i = window.first; i < end; ++i) {
        const OxiPoint &p = m_night.points[i];
        const double x = plot.left() + (i - window.first) * window.xStep * plot.width();
        if (!p.hasSpo2()) {
            drawCurve(curve, Qt::red);
        } else if (p.spo2 > 100) {
            continue;
        } else {
            const double y = p.spo2 <= axis.bottom ? plot.bottom() : yOf(axis, plot, p.spo2);
            curve.append(QPointF(x, y));
        }
        if (p.isSpo2ReminderOn())
            addReminder(marks, x, plot);
    }
    drawCurve(curve, Qt::red);
    m_painter.fillPath(marks, Qt::black);
    m_painter.restore();
}

void ChartPainter::paintPulseChart(const QRectF &chart, const Window &window)
{
    const QRectF plot = plotArea(chart);
    const ChartAxis axis = ChartAxis::pulse(m_input.prYRange, window.hour >= 0);
    m_painter.setFont(m_style.medium);
    if (!axis.lines.isEmpty())
        paintVerticalGrid(plot, window.columns);
    paintValueAxis(chart, plot, axis);
    paintTimeLabels(plot, window);
    paintTitle(plot, tr("Pulse Rate(/min)"));

    m_painter.save();
    m_painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    QPolygonF curve;
    QPainterPath marks;
    marks.setFillRule(Qt::WindingFill);
    const int end = qMin(window.first + window.count, m_night.points.size());
    for (int i = window.first; i < end; ++i) {
        const OxiPoint &p = m_night.points[i];
        if (!p.hasPulse()) {
            drawCurve(curve, Qt::blue);
            continue;
        }
        const double x = plot.left() + (i - window.first) * window.xStep * plot.width();
        double y = yOf(axis, plot, p.pulse);
        if (p.pulse >= axis.top)
            y = plot.top();
        else if (p.pulse <= 25)
            y = plot.bottom();
        curve.append(QPointF(x, y));
        if (p.isPulseReminderOn())
            addReminder(marks, x, plot);
    }
    drawCurve(curve, Qt::blue);
    m_painter.fillPath(marks, Qt::black);
    m_painter.restore();
}

void ChartPainter::paintMotionChart(const QRectF &chart, const Window &window)
{
    const QRectF plot = plotArea(chart);
    m_painter.setFont(m_style.medium);
    m_painter.setPen(m_style.majorPen);
    m_painter.drawRect(plot);
    paintTimeLabels(plot, window);
    paintTitle(plot, tr("Motion"));

    QVector<QLineF> bars;
    const int end = qMin(window.first + window.count, m_night.points.size());
    bars.reserve(qMax(0, end - window.first));
    for (int i = window.first; i < end; ++i) {
        // A quarter of the height at the recorders' largest motion value, 63.
        const double height = plot.height() * m_night.points[i].motion / 256;
        if (height == 0)
            continue;
        const double x = plot.left() + (i - window.first) * window.xStep * plot.width();
        bars.append(QLineF(x, plot.bottom() - height, x, plot.bottom()));
    }
    m_painter.setPen(curvePen(teal));
    m_painter.drawLines(bars);
}

void ChartPainter::paintWholeNight(const QRectF &area)
{
    const Window window = wholeNightWindow(m_night);
    const double h = area.height();
    const double gap = m_style.mm(2);
    m_painter.setPen(m_style.majorPen);
    if (BranchCodes::isPulseOnly(m_input.branchCode)) {
        m_painter.drawRect(QRectF(area.left(), area.top(), area.width(), h - m_style.mm(66)));
        const double pulseH = (h - m_style.mm(68)) * 68 / 102;
        paintPulseChart(QRectF(area.left(), area.top(), area.width(), pulseH), window);
        paintMotionChart(QRectF(area.left(), area.top() + pulseH + gap, area.width(), (h - m_style.mm(68)) * 30 / 102),
                         window);
        return;
    }
    const double d = m_style.mm(hasMotion() ? 170 : 138);
    m_painter.drawRect(QRectF(area.left(), area.top(), area.width(), h + gap));
    const double chartH = h * m_style.mm(68) / d;
    const QRectF spo2(area.left(), area.top(), area.width(), chartH);
    const QRectF pulse = spo2.translated(0, chartH + gap);
    paintSpo2Chart(spo2, window);
    paintPulseChart(pulse, window);
    if (hasMotion())
        paintMotionChart(QRectF(area.left(), pulse.bottom() + gap, area.width(), h * m_style.mm(30) / d), window);
}

void ChartPainter::paintHourRow(const QRect &row, int hour)
{
    const QRectF area(row);
    const Window window = hourWindow(m_night, hour);
    const double h = area.height();
    const double gap = m_style.mm(2);
    const double d = m_style.mm(hasMotion() ? 170 : 138);
    m_painter.setPen(m_style.majorPen);
    m_painter.drawRect(QRectF(area.left(), area.top(), area.width(), h + gap));
    const double chartH = h * m_style.mm(68) / d;
    const QRectF spo2(area.left(), area.top(), area.width(), chartH);
    const QRectF pulse = spo2.translated(0, chartH + gap);
    if (!BranchCodes::isPulseOnly(m_input.branchCode))
        paintSpo2Chart(spo2, window);
    paintPulseChart(pulse, window);
    if (hasMotion())
        paintMotionChart(QRectF(area.left(), pulse.bottom() + gap, area.width(), h * m_style.mm(30) / d), window);
}

void ChartPainter::paintHistogram(const QRectF &box)
{
    const QRectF plot(box.left() + m_style.mm(6), box.top() + m_style.mm(5), box.width() - m_style.mm(10),
                      box.height() - m_style.mm(13));
    m_painter.setPen(m_style.majorPen);
    m_painter.drawRect(box);
    m_painter.drawRect(QRectF(plot.left() - m_style.mm(0.1), plot.top(), plot.width() + m_style.mm(0.1),
                              plot.height() + m_style.mm(0.1)));

    m_painter.setFont(m_style.small);
    m_painter.setPen(Qt::black);
    m_painter.drawText(QPoint(int(plot.left()), int(plot.top() - m_style.mm(1))), tr("Ratio(%)"));

    m_painter.setPen(QPen(QBrush(Qt::black), m_style.lineWidth, Qt::DashLine, Qt::SquareCap, Qt::BevelJoin));
    for (int k = 1; k <= 9; ++k) {
        const double y = plot.top() + k * plot.height() / 10;
        m_painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }

    m_painter.setPen(Qt::black);
    const double half = QFontMetricsF(m_painter.font(), m_painter.device()).height() / 2;
    for (int k = 0; k <= 10; ++k) {
        const QRectF label(box.left(), plot.top() - half + k * plot.height() / 10, m_style.mm(5), 2 * half);
        m_painter.drawText(label, Qt::AlignRight | Qt::AlignTop | Qt::TextDontClip, QString::number(100 - 10 * k));
    }
    const double cw = plot.width() / 7;
    for (int k = 0; k < 7; ++k) {
        const QRectF label(plot.left() - cw / 2 + k * cw, plot.bottom(), cw, m_style.mm(4));
        m_painter.drawText(label, Qt::AlignCenter, QString::number(100 - 5 * k));
    }
    const QString axisName = BranchCodes::saysOxygenLevel(m_input.branchCode)
        ? tr("Oxygen Level%", "venrik")
        : tr("SpO2%");
    m_painter.drawText(QRectF(plot.left(), plot.bottom() + m_style.mm(4), plot.width(), m_style.mm(4)),
                       Qt::AlignCenter, axisName);

    m_painter.setPen(QPen(Qt::black, m_style.lineWidth));
    for (int k = 1; k < 7; ++k) {
        const double x = plot.left() + k * cw;
        m_painter.drawLine(QPointF(x, plot.bottom() - m_style.mm(1)), QPointF(x, plot.bottom()));
    }

    m_painter.setPen(barGrey);
    m_painter.setBrush(barGrey);
    for (int k = 0; k < 7; ++k) {
        const double share = qBound(0.0, m_night.spo2Bands7[k], 1.0);
        m_painter.drawRect(QRectF(plot.left() + k * cw, plot.bottom() - plot.height() * share, cw, plot.height() * share));
    }
    m_painter.setBrush(Qt::NoBrush);
}
