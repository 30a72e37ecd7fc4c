#pragma once

#include <QVector>
#include <QWidget>

#include "reportinput.h"

class ReportHelper;

// All pages of the report one below the other at 5 px/mm, for the main
// window's scroll area. Only the pages a paint event touches are painted.
class O2ReportWidget : public QWidget
{
    Q_OBJECT

public:
    static constexpr int scale = 5;            // pixels per millimetre
    static constexpr int pagePitch = 299 * 5;  // A4 height plus a 1-mm gap above and below

    explicit O2ReportWidget(const ReportInput &input, QWidget *parent = nullptr);

    int pageCount() const { return m_pageRects.size(); }
    QRectF pageRect(int index) const { return m_pageRects.value(index); }
    // Pages painted by the last paint event, for checking what scrolling repaints.
    QVector<int> lastPaintedPages() const { return m_lastPainted; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ReportHelper *m_report;
    QVector<QRectF> m_pageRects;
    QVector<int> m_lastPainted;
};
