#include "o2reportwidget.h"

#include <QPaintEvent>
#include <QPainter>

#include "reporthelper.h"

O2ReportWidget::O2ReportWidget(const ReportInput &input, QWidget *parent)
    : QWidget(parent)
    , m_report(new ReportHelper(input, this))
{
    setAttribute(Qt::WA_MouseTracking);
    m_report->setScale(scale);
    for (int i = 0; i < m_report->pageCount(); ++i)
        m_pageRects.append(QRectF(0, i * pagePitch + scale, 210 * scale, 297 * scale));
    setFixedSize(210 * scale, m_report->pageCount() * pagePitch);
}

void O2ReportWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    m_report->setPainter(&painter);
    m_lastPainted.clear();
    for (int i = 0; i < m_pageRects.size(); ++i) {
        if (!m_pageRects[i].intersects(event->rect()))
            continue;
        m_report->paintPage(m_pageRects[i], i);
        m_lastPainted.append(i);
    }
    m_report->setPainter(nullptr);
}
