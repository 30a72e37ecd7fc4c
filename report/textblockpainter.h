#pragma once

#include <QCoreApplication>
#include <QRectF>

#include "reportinput.h"
#include "reportstyle.h"

class OxiDataController;
class QPainter;

// The text blocks of the report's first page: patient, measurement,
// statistics, band tables and drops, each filling the box the page layout
// gives it.
class TextBlockPainter
{
    Q_DECLARE_TR_FUNCTIONS(ReportHelper)

public:
    TextBlockPainter(QPainter &painter, const ReportStyle &style, const ReportInput &input);

    void paintPatient(const QRectF &box);
    void paintMeasurement(const QRectF &box);
    void paintStatistics(const QRectF &box);
    void paintBands(const QRectF &box);
    void paintDrops(const QRectF &box);

private:
    QRectF innerFrame(const QRectF &box) const;
    void drawLeft(double x, double y, double width, double height, const QString &text);
    void drawCell(const QRectF &cell, const QString &text, int flags = Qt::AlignCenter);
    void paintBandTable(const QRectF &box, const QString (&header)[3], const QString (&rows)[3],
                        const double (&shares)[3], int validSeconds);
    double advance(const QString &text) const;

    QPainter &m_painter;
    const ReportStyle &m_style;
    const ReportInput &m_input;
    const OxiDataController &m_night;
};
