#include "switchcontrol.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

SwitchControl::SwitchControl(QWidget *parent)
    : QWidget(parent)
{
    setCursor(Qt::PointingHandCursor);
    m_timer.setInterval(10);
    connect(&m_timer, &QTimer::timeout, this, &SwitchControl::onTimeout);
}

void SwitchControl::setChecked(bool checked)
{
    m_checked = checked;
    m_timer.start(10);
}

QSize SwitchControl::sizeHint() const
{
    return QSize(2 * (m_height + m_margin), m_height + 2 * m_margin);
}

QSize SwitchControl::minimumSizeHint() const
{
    return sizeHint();
}

void SwitchControl::onTimeout()
{
    if (m_checked) {
        m_x += 1;
        if (m_x >= width() - m_height)
            m_timer.stop();
    } else {
        m_x -= 1;
        if (m_x <= m_height / 2)
            m_timer.stop();
    }
    update();
}

void SwitchControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    painter.setRenderHint(QPainter::Antialiasing);

    QColor track = m_offColor;
    QColor thumb = m_disabledThumb;
    qreal opacity = 0.26;
    if (isEnabled()) {
        track = m_checked ? m_onColor : m_offColor;
        thumb = m_checked ? m_onColor : m_thumbColor;
        opacity = m_checked ? 0.6 : 0.8;
    }
    QPainterPath path;
    path.addRoundedRect(QRectF(m_margin, m_margin, width() - 2 * m_margin, height() - 2 * m_margin), m_radius, m_radius);
    painter.setOpacity(opacity);
    painter.fillPath(path, track);

    painter.setOpacity(1.0);
    painter.setBrush(thumb);
    painter.drawEllipse(QRectF(m_x - m_height / 2, m_y - m_height / 2, height(), height()));
}

void SwitchControl::mousePressEvent(QMouseEvent *event)
{
    if (isEnabled() && (event->buttons() & Qt::LeftButton))
        event->accept();
    else
        event->ignore();
}

void SwitchControl::mouseReleaseEvent(QMouseEvent *event)
{
    if (!isEnabled() || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    m_checked = !m_checked;
    emit toggled(m_checked);
    m_timer.start(10);
}

void SwitchControl::resizeEvent(QResizeEvent *event)
{
    m_x = m_checked ? width() - m_height : m_height / 2;   // a resize ends the animation where it was going
    m_y = height() / 2;
    QWidget::resizeEvent(event);
}
