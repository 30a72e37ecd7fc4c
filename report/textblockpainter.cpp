#include "textblockpainter.h"

#include <QFontMetricsF>
#include <QPainter>

#include "branchcodes.h"
#include "fittedtext.h"
#include "oxidatacontroller.h"
#include "patientinfo.h"
#include "reporttexts.h"

#include <cmath>

namespace {

QString labelled(const QString &label, const QString &value)
{
    return label + QLatin1Char(' ') + value;
}

} // namespace

TextBlockPainter::TextBlockPainter(QPainter &painter, const ReportStyle &style, const ReportInput &input)
    : m_painter(painter)
    , m_style(style)
    , m_input(input)
    , m_night(*input.recording)
{
}

QRectF TextBlockPainter::innerFrame(const QRectF &box) const
{
    const double inset = m_style.mm(1);
    return box.adjusted(inset, inset, -inset, -inset);
}

double TextBlockPainter::advance(const QString &text) const
{
    return QFontMetricsF(m_painter.font(), m_painter.device()).horizontalAdvance(text);
}

void TextBlockPainter::drawLeft(double x, double y, double width, double height, const QString &text)
{
    FittedText::draw(m_painter, QRectF(x, y, width, height), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
}

void TextBlockPainter::drawCell(const QRectF &cell, const QString &text, int flags)
{
    FittedText::draw(m_painter, cell, flags | Qt::TextDontClip, text);
}

void TextBlockPainter::paintPatient(const QRectF &box)
{
    m_painter.setPen(m_style.majorPen);
    m_painter.drawRect(box);
    const QRectF f = innerFrame(box);
    const double c = f.width() / 4.1;
    const double r = f.height() / 6.4;
    const double gap = m_style.mm(2);
    m_painter.setFont(m_style.large);
    m_painter.setPen(Qt::black);

    const PatientInfo *p = m_input.shownPatient();
    const QLocale locale = m_input.dateLocale();
    auto value = [p](QString (PatientInfo::*get)() const) { return p ? (p->*get)() : QString(); };

    double y = f.top();
    drawLeft(f.left(), y, 2 * c - gap, r, labelled(tr("Name:"), value(&PatientInfo::name)));
    drawLeft(f.left() + 2 * c, y, f.right() - f.left() - 2 * c, r, labelled(tr("ID#:"), value(&PatientInfo::userId)));

    y += r;
    const int x1 = int(f.left() + c);
    // Fixed at 8 mm rather than a device-unit count, so the screen and the
    // 300-dpi page place the columns alike.
    const int x2 = int(x1 + c + m_style.mm(8));
    const int x3 = int(x2 + c);
    const QString gender = labelled(tr("Gender:"), p ? p->sexText() : QString());
    const QString birth = labelled(tr("Date of Birth:"), p ? locale.toString(p->birthday(), m_input.dateFormat()) : QString());
    const QString height = labelled(tr("Height:"), p ? p->heightText(true, true) : QString());
    const QString weight = labelled(tr("Weight:"), p ? p->weightText(true, true) : QString());
    const int heightX = qMax(x2, int(x1 + advance(birth) + gap));
    const int weightX = qMax(x3, int(heightX + advance(height) + gap));
    drawLeft(f.left(), y, x1 - f.left() - m_style.mm(1), r, gender);
    drawLeft(x1, y, heightX - x1, r, birth);
    drawLeft(heightX, y, weightX - heightX, r, height);
    drawLeft(weightX, y, f.right() - weightX, r, weight);

    y += r;
    drawLeft(f.left(), y, c, r, labelled(tr("BMI:"), p ? p->bmiText() : QString()));
    if (!BranchCodes::isSonvik(m_input.branchCode))
        drawLeft(f.left() + c, y, f.right() - f.left() - c, r, labelled(tr("Physician:"), value(&PatientInfo::physician)));

    y += r;
    drawLeft(f.left(), y, f.width(), r, tr("Note:"));
    // The default patient carries no note of its own.
    if (m_input.showsOwnPatient()) {
        const double lines = 3.1 * QFontMetricsF(m_style.large, m_painter.device()).height();
        const QRectF note(f.left(), y + r, f.width(), qMin(lines, box.bottom() - (y + r)));
        m_painter.drawText(note, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, p->remarks());
    }
}

void TextBlockPainter::paintMeasurement(const QRectF &box)
{
    m_painter.setPen(m_style.majorPen);
    m_painter.drawRect(box);
    const QRectF f = innerFrame(box);
    const double r = f.height() / 5;
    const double c = 0.55 * f.width();
    const double right = f.width() - c;
    m_painter.setFont(m_style.large);
    m_painter.setPen(Qt::black);

    double y = f.top();
    drawLeft(f.left(), y, c, r, ReportTexts::startDateText(m_night, m_input.dateLocale(), m_input.dateFormat()));
    drawLeft(f.left() + c, y, right, r, ReportTexts::startTimeText(m_night));
    y += r;
    drawLeft(f.left(), y, c, r, ReportTexts::endTimeText(m_night));
    drawLeft(f.left() + c, y, right, r, ReportTexts::durationLine(m_night));

    const QString &code = m_input.branchCode;
    if (BranchCodes::hasPulseOnlyPrefix(code)) {
        if (!BranchCodes::isPulseOnly(code))
            drawLeft(f.left(), y + r, f.width(), r, ReportTexts::below90Line(m_night));
        return;
    }
    if (m_night.fileType == OxiDataController::OldFormat || m_night.fileType == OxiDataController::NewWithSummary) {
        y += r;
        drawLeft(f.left(), y, c, r, ReportTexts::o2ScoreText(m_night));
        drawLeft(f.left() + c, y, right, r, ReportTexts::below90Line(m_night));
    }
    if (BranchCodes::reportBrand(code) != BranchCodes::ReportBrand::None)
        return;
    y += r;
    drawLeft(f.left(), y, f.width(), r, ReportTexts::dropsOverText(m_night, 3, true));
    y += r;
    drawLeft(f.left(), y, f.width(), r, ReportTexts::dropsOverText(m_night, 4, true));
}

void TextBlockPainter::paintStatistics(const QRectF &box)
{
    m_painter.setFont(m_style.large);
    m_painter.setPen(m_style.majorPen);
    m_painter.drawRect(box);
    m_painter.setPen(Qt::black);
    const QRectF f = innerFrame(box);
    const double rowH = f.height() / 3;
    const double colW = f.width() / 4;
    auto cell = [&](int row, int col) { return QRectF(f.left() + col * colW, f.top() + row * rowH, colW, rowH); };

    drawCell(cell(0, 1), tr("Highest"));
    drawCell(cell(0, 2), tr("Average"));
    drawCell(cell(0, 3), tr("Lowest"));
    int row = 1;
    if (!BranchCodes::isPulseOnly(m_input.branchCode)) {
        const QString label = BranchCodes::saysOxygenLevel(m_input.branchCode)
            ? tr("Oxygen Level:", "venrik")
            : tr("SpO2:");
        drawCell(cell(row, 0), label, Qt::AlignLeft | Qt::AlignVCenter);
        drawCell(cell(row, 1), QString::number(m_night.spo2Max));
        drawCell(cell(row, 2), QString::number(m_night.spo2Avg));
        drawCell(cell(row, 3), QString::number(m_night.spo2Min));
        ++row;
    }
    drawCell(cell(row, 0), tr("Pulse Rate:"), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap);
    drawCell(cell(row, 1), QString::number(m_night.pulseMax));
    drawCell(cell(row, 2), QString::number(m_night.pulseAvg));
    drawCell(cell(row, 3), QString::number(m_night.pulseMin));
}

void TextBlockPainter::paintBandTable(const QRectF &box, const QString (&header)[3], const QString (&rows)[3],
                                      const double (&shares)[3], int validSeconds)
{
    m_painter.setPen(m_style.majorPen);
    m_painter.drawRect(box);
    m_painter.setPen(Qt::black);
    const QRectF f = innerFrame(box);
    const double rowH = f.height() / 4;
    const double colW = f.width() / 3;
    auto cell = [&](int row, int col) { return QRectF(f.left() + col * colW, f.top() + row * rowH, colW, rowH); };
    for (int col = 0; col < 3; ++col)
        drawCell(cell(0, col), header[col]);
    for (int row = 0; row < 3; ++row) {
        const double share = shares[row];
        drawCell(cell(row + 1, 0), rows[row]);
        drawCell(cell(row + 1, 1), ReportTexts::formatDuration(int(std::lround(validSeconds * share))));
        drawCell(cell(row + 1, 2), QString::number(share * 100, 'f', 0) + QLatin1Char('%'));
    }
}

void TextBlockPainter::paintBands(const QRectF &box)
{
    m_painter.setFont(m_style.large);
    const double width = (box.width() - m_style.mm(2)) / 2;
    const QRectF left(box.left(), box.top(), width, box.height());
    const QRectF right(left.right() + m_style.mm(2), box.top(), width, box.height());

    const QString spo2Header[3] = {tr("Oxygen level"), tr("Duration"), tr("%Total")};
    const QString spo2Rows[3] = {tr("95%-100%"), tr("90%-94%"), tr("<90%")};
    paintBandTable(left, spo2Header, spo2Rows, m_night.spo2Bands3, m_night.validSpo2Time);

    const QString pulseHeader[3] = {tr("Pulse Rate"), tr("Duration"), tr("%Total")};
    const QString pulseRows[3] = {tr(">120 /min"), tr("50-120 /min"), tr("<50 /min")};
    paintBandTable(right, pulseHeader, pulseRows, m_night.pulseBands3, m_night.validPulseTime);
}

void TextBlockPainter::paintDrops(const QRectF &box)
{
    m_painter.setFont(m_style.large);
    const double half = box.width() / 2;
    const QRectF boxes[2] = {QRectF(box.left(), box.top(), half, box.height()),
                             QRectF(box.left() + half, box.top(), half, box.height())};
    const int percents[2] = {4, 3};
    for (int i = 0; i < 2; ++i) {
        m_painter.setPen(m_style.majorPen);
        m_painter.drawRect(boxes[i]);
        m_painter.setPen(Qt::black);
        const QRectF f = innerFrame(boxes[i]);
        const QRectF first(f.left(), f.top(), f.width() / 2, f.height());
        const QRectF second(first.right(), f.top(), f.width() / 2, f.height());
        drawCell(first, ReportTexts::dropsOverText(m_night, percents[i], false));
        drawCell(second, ReportTexts::dropsPerHourText(m_night, percents[i]));
    }
}
