// Report painting against its floor: the same number of curve points drawn
// on the same device with no layout, text or grid.
#include <QBuffer>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextStream>

#include <cmath>
#include <vector>

#include "oxidatacontroller.h"
#include "recordingwriter.h"
#include "reporthelper.h"
#include "reportinput.h"
#include "reportpdf.h"

namespace {

QSharedPointer<OxiDataController> tenHourNight()
{
    QVector<RawSample> samples;
    const int n = 10 * 3600;
    samples.reserve(n);
    for (int i = 0; i < n; ++i)
        samples.append({92 + int(4 * std::sin(i / 300.0)), 60 + int(10 * std::sin(i / 700.0)), i % 64});
    const QByteArray bytes = RecordingWriter::newFormat().kind(4).interval(1).layout(1)
                                 .start(QDateTime(QDate(2024, 3, 5), QTime(22, 0))).samples(samples).bytes();
    QSharedPointer<OxiDataController> night(new OxiDataController);
    night->parseBytes(bytes, QStringLiteral("2B010000"), QStringLiteral("bench"));
    return night;
}

// Two curves and the motion bars over `count` samples, spread over one rectangle.
void drawBareCharts(QPainter &p, const OxiDataController &night, int first, int count, const QRectF &area, double lineWidth)
{
    p.setRenderHint(QPainter::Antialiasing);
    const double step = area.width() / count;
    QPolygonF spo2, pulse;
    QVector<QLineF> motion;
    const int end = qMin(first + count, night.points.size());
    for (int i = first; i < end; ++i) {
        const double x = area.left() + (i - first) * step;
        spo2.append(QPointF(x, area.top() + area.height() * (100 - night.points[i].spo2) / 100.0 / 3));
        pulse.append(QPointF(x, area.top() + area.height() * (1 - night.points[i].pulse / 150.0) / 3 + area.height() / 3));
        motion.append(QLineF(x, area.bottom() - night.points[i].motion, x, area.bottom()));
    }
    p.setPen(QPen(Qt::red, lineWidth));
    p.drawPolyline(spo2);
    p.setPen(QPen(Qt::blue, lineWidth));
    p.drawPolyline(pulse);
    // The report draws motion bars without antialiasing, one call per chart.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::darkCyan, lineWidth));
    p.drawLines(motion);
}

double pdfFloorMs(const OxiDataController &night, int pages)
{
    QElapsedTimer timer;
    timer.start();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(300);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    QPainter p(&writer);
    const double s = 300 / 25.4;
    const QRectF area(s * 16, s * 100, s * 180, s * 150);
    drawBareCharts(p, night, 0, night.points.size(), area, s * 0.16);
    const int hours = ReportHelper::hourCountFor(night.duration);
    for (int page = 1; page < pages; ++page) {
        writer.newPage();
        for (int h = (page - 1) * 3; h < hours && h < page * 3; ++h)
            drawBareCharts(p, night, h * 3600, 3600, area.translated(0, (h % 3) * s * 10 - s * 80), s * 0.16);
    }
    p.end();
    return timer.nsecsElapsed() / 1e6;
}

double reportPdfMs(const ReportInput &input)
{
    QElapsedTimer timer;
    timer.start();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ReportPdf::write(input, &buffer);
    return timer.nsecsElapsed() / 1e6;
}

template<typename F>
double bestOf(int runs, F f)
{
    double best = 1e18;
    for (int i = 0; i < runs; ++i)
        best = std::min(best, f());
    return best;
}

} // namespace

int main(int argc, char *argv[])
{
    static char platformOption[] = "-platform";
    static char offscreen[] = "offscreen";
    std::vector<char *> args(argv, argv + argc);
    args.insert(args.begin() + 1, {platformOption, offscreen});
    int count = int(args.size());
    args.push_back(nullptr);
    QGuiApplication app(count, args.data());
    QTextStream out(stdout);

    const auto night = tenHourNight();
    ReportInput input;
    input.recording = night;
    input.branchCode = QStringLiteral("2B010000");
    const int pages = ReportHelper::pageCountFor(night->duration);

    const double pdf = bestOf(5, [&] { return reportPdfMs(input); });
    const double pdfFloor = bestOf(5, [&] { return pdfFloorMs(*night, pages); });
    out << "PDF, 10 h at 1 sample/s, " << pages << " pages: " << pdf << " ms; bare curves " << pdfFloor
        << " ms; ratio " << pdf / pdfFloor << '\n';

    QImage image(1050, 1485, QImage::Format_ARGB32_Premultiplied);
    const double screen = bestOf(20, [&] {
        QElapsedTimer timer;
        timer.start();
        QPainter p(&image);
        ReportHelper report(input);
        report.setScale(5);
        report.setPainter(&p);
        report.paintPage(QRectF(0, 0, 1050, 1485), 0);
        return timer.nsecsElapsed() / 1e6;
    });
    const double screenFloor = bestOf(20, [&] {
        QElapsedTimer timer;
        timer.start();
        QPainter p(&image);
        p.fillRect(image.rect(), Qt::white);
        drawBareCharts(p, *night, 0, night->points.size(), QRectF(80, 500, 900, 750), 0.8);
        return timer.nsecsElapsed() / 1e6;
    });
    out << "Screen page 1 at 5 px/mm: " << screen << " ms; bare curves " << screenFloor << " ms; ratio "
        << screen / screenFloor << '\n';
    return 0;
}
