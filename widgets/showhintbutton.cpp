#include "showhintbutton.h"

#include <QPainter>

ShowHintButton::ShowHintButton(QWidget *parent)
    : QPushButton(parent)
{
}

void ShowHintButton::setShowHint(bool show)
{
    m_showHint = show;
    // Hiding it repaints too: a dot that outlives its news would mislead.
    update();
}

void ShowHintButton::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);
    if (!m_showHint)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::transparent);
    painter.setBrush(QColor(255, 10, 10));
    painter.drawEllipse(QRect(rect().right() - 5 - 2 * m_radius, rect().top() + 5, 2 * m_radius, 2 * m_radius));
}
