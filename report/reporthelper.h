#pragma once

#include <QRectF>

#include "basepainthelper.h"
#include "reportinput.h"
#include "reportstyle.h"

// Paints the pages of the oxygen report of one recording onto any painter:
// page 1 summarises the night, every further page shows three hours.
// Geometry is in millimetres times the scale, so the 5-px/mm screen and the
// 300-dpi PDF come from the same code. One per output.
class ReportHelper : public BasePaintHelper
{
    Q_OBJECT

public:
    explicit ReportHelper(const ReportInput &input, QObject *parent = nullptr);

    // pageRect is the whole A4 page in device units; index 0 is the summary.
    void paintPage(const QRectF &pageRect, int pageIndex) override;

    // 1 up to an hour, else one more page per started three hours.
    static int pageCountFor(int durationSeconds);
    // Started hours of the recording; one hour row each.
    static int hourCountFor(int durationSeconds);

    const ReportStyle &style() const { return m_style; }

protected:
    void applyScale() override;

private:
    void paintFirstPage(const QRectF &pageRect);
    void paintChartPage(const QRectF &pageRect, int pageIndex);
    void paintHeader(const QRectF &header, int pageNumber);
    QString patientName() const;

    ReportInput m_input;
    ReportStyle m_style;
    int m_duration = 0;
};
