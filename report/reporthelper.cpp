#include "reporthelper.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include "branchcodes.h"
#include "chartpainter.h"
#include "fittedtext.h"
#include "oxidatacontroller.h"
#include "patientinfo.h"
#include "textblockpainter.h"

ReportHelper::ReportHelper(const ReportInput &input, QObject *parent)
    : BasePaintHelper(parent)
    , m_input(input)
    , m_duration(input.duration())
{
    setMargins(8, 8, 8, 8);
    m_pageCount = pageCountFor(m_duration);
    applyScale();
}

int ReportHelper::hourCountFor(int durationSeconds)
{
    return durationSeconds <= 0 ? 0 : (durationSeconds + 3599) / 3600;
}

int ReportHelper::pageCountFor(int durationSeconds)
{
    if (durationSeconds <= 3600)
        return 1;
    return 1 + (hourCountFor(durationSeconds) + 2) / 3;
}

void ReportHelper::applyScale()
{
    m_style = ReportStyle::forScale(scale());
}

void ReportHelper::paintPage(const QRectF &pageRect, int pageIndex)
{
    QPainter *p = painter();
    if (!p || !m_input.isValid())
        return;
    p->save();
    if (pageIndex == 0)
        paintFirstPage(pageRect);
    else
        paintChartPage(pageRect, pageIndex);
    p->restore();
}

void ReportHelper::paintFirstPage(const QRectF &pageRect)
{
    QPainter &p = *painter();
    p.fillRect(pageRect, Qt::white);
    p.setPen(Qt::black);
    const QRectF cr = contentRect(pageRect);
    auto mm = [this](double v) { return m_style.mm(v); };

    const QRectF header(cr.left(), cr.top(), cr.width(), mm(9.5));
    paintHeader(header, 1);
    const QRectF patient(cr.left(), header.bottom() + mm(2), cr.width(), mm(38));

    TextBlockPainter text(p, m_style, m_input);
    ChartPainter charts(p, m_style, m_input);
    text.paintPatient(patient);

    const QString &code = m_input.branchCode;
    const double top = patient.bottom() + mm(2);
    if (BranchCodes::isPulseOnly(code)) {
        const QRectF measurement(cr.left(), top, cr.width(), mm(32));
        const QRectF statistics(cr.left(), measurement.bottom() + mm(2), cr.width(), mm(24));
        text.paintMeasurement(measurement);
        text.paintStatistics(statistics);
        charts.paintWholeNight(QRectF(cr.left(), statistics.bottom() + mm(2), cr.width(), mm(170)));
        return;
    }

    const QRectF measurement(cr.left(), top, cr.width() / 2 - mm(1), mm(32));
    const QRectF statistics(cr.left(), measurement.bottom() + mm(2), measurement.width(), mm(24));
    const QRectF histogram(statistics.right() + mm(2), top, measurement.width(), mm(58));
    text.paintMeasurement(measurement);
    text.paintStatistics(statistics);
    charts.paintHistogram(histogram);

    const QRectF tables(cr.left(), histogram.bottom() + mm(2), cr.width(), mm(27));
    switch (BranchCodes::reportBrand(code)) {
    case BranchCodes::ReportBrand::Brandel: {
        const QRectF drops(cr.left(), tables.bottom() + mm(2), cr.width(), mm(10));
        text.paintBands(tables);
        text.paintDrops(drops);
        charts.paintWholeNight(QRectF(cr.left(), drops.bottom() + mm(2), cr.width(), mm(129)));
        break;
    }
    case BranchCodes::ReportBrand::Sonvik:
        text.paintBands(tables);
        charts.paintWholeNight(QRectF(cr.left(), tables.bottom() + mm(2), cr.width(), mm(141)));
        break;
    case BranchCodes::ReportBrand::None:
        charts.paintWholeNight(QRectF(cr.left(), histogram.bottom() + mm(2), cr.width(), mm(170)));
        break;
    }
}

void ReportHelper::paintChartPage(const QRectF &pageRect, int pageIndex)
{
    QPainter &p = *painter();
    p.fillRect(pageRect, Qt::white);
    p.setPen(Qt::black);
    const QRectF cr = contentRect(pageRect);
    const QRectF header(cr.left(), cr.top(), cr.width(), m_style.mm(9.5));
    paintHeader(header, pageIndex + 1);

    const int rowHeight = int((cr.bottom() - header.bottom() - m_style.mm(14)) / 3);
    QRect row(int(cr.left()), int(header.bottom() + m_style.mm(2)), int(cr.width()), rowHeight);
    ChartPainter charts(p, m_style, m_input);
    const int hours = hourCountFor(m_duration);
    for (int i = (pageIndex - 1) * 3, n = 0; i < hours && n < 3; ++i, ++n) {
        charts.paintHourRow(row, i);
        row.moveTop(int(row.bottom() + m_style.mm(6)));
    }
}

QString ReportHelper::patientName() const
{
    const PatientInfo *patient = m_input.shownPatient();
    return patient ? patient->name() : QString();
}

void ReportHelper::paintHeader(const QRectF &header, int pageNumber)
{
    QPainter &p = *painter();
    const double w = header.width();
    const double h90 = 0.9 * header.height();
    p.setFont(m_style.title);
    p.setPen(Qt::black);
    const double lineHeight = 1.1 * QFontMetricsF(m_style.title, p.device()).height();
    const double boxTop = header.top() + h90 / 2 - lineHeight / 2;

    QRectF title(header.left(), boxTop, 0.6 * w, h90);
    if (pageCount() != 1) {
        const QRect pageBox(int(header.left()), int(boxTop), int(0.09 * w), int(lineHeight));
        p.setPen(m_style.majorPen);
        p.drawRect(pageBox);
        p.setPen(Qt::black);
        FittedText::draw(p, pageBox, Qt::AlignCenter, QStringLiteral("%1/%2").arg(pageNumber).arg(pageCount()));
        title.setLeft(pageBox.right() + m_style.mm(2));
        title.setWidth(0.6 * w - (pageBox.width() + m_style.mm(2)));
    }
    if (BranchCodes::isOxygenLevelReport(m_input.branchCode)) {
        QFont smaller = m_style.title;
        smaller.setPixelSize(qMax(1, int(m_style.title.pixelSize() * 0.7)));
        p.setFont(smaller);
        p.drawText(title, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, tr("Oxygen Level Report"));
    } else {
        p.drawText(title, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, tr("Sleep Report"));
    }

    const QRectF logoArea = header.adjusted(0.87 * w, 0, 0, 0);
    const BranchCodes::ReportBrand brand = BranchCodes::reportBrand(m_input.branchCode);
    if (brand != BranchCodes::ReportBrand::None) {
        const QImage logo(brand == BranchCodes::ReportBrand::Brandel ? QStringLiteral(":/BrandelLogo")
                                                                      : QStringLiteral(":/SonvikLogo"));
        if (!logo.isNull()) {
            QRectF target(QPointF(0, 0), QSizeF(logo.size()));
            fitRectInto(target, logoArea);
            p.setRenderHint(QPainter::Antialiasing);
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawImage(target, logo);
        }
    }

    p.setFont(m_style.large);
    const QString name = patientName().isEmpty() ? tr("Name:") : tr("Name:") + QLatin1Char(' ') + patientName();
    const QString date = tr("Measurement Date:") + QLatin1Char(' ')
        + m_input.dateLocale().toString(m_input.recording->startDate, m_input.dateFormat());
    const QFontMetricsF metrics(m_style.large, p.device());
    const double widest = qMax(metrics.horizontalAdvance(name), metrics.horizontalAdvance(date));
    QRectF box(2.0 / 3.0 * w, title.top(), w / 3, h90);
    if (box.left() + widest + m_style.mm(1) > logoArea.left())
        box.moveLeft(logoArea.left() - widest - m_style.mm(1));
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip;
    p.drawText(box, flags, name);
    p.drawText(box.translated(0, 2.0 / 3.0 * h90), flags, date);
}
