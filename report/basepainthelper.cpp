#include "basepainthelper.h"

#include <algorithm>

BasePaintHelper::BasePaintHelper(QObject *parent)
    : QObject(parent)
{
    applyScale();
}

void BasePaintHelper::setScale(float scale)
{
    m_scale = scale;
    m_margins.scale = scale;
    applyScale();
}

void BasePaintHelper::setMargins(double left, double top, double right, double bottom)
{
    m_margins.left = left;
    m_margins.top = top;
    m_margins.right = right;
    m_margins.bottom = bottom;
}

QRectF BasePaintHelper::contentRect(const QRectF &rect) const
{
    const double s = m_margins.scale;
    return rect.adjusted(s * m_margins.left, s * m_margins.top, -s * m_margins.right, -s * m_margins.bottom);
}

void BasePaintHelper::fitRectInto(QRectF &rect, const QRectF &area)
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    const double factor = std::min(area.width() / rect.width(), area.height() / rect.height());
    rect.setSize(rect.size() * factor);
    rect.moveCenter(area.center());
}

void BasePaintHelper::paintPage(const QRectF &, int)
{
}

void BasePaintHelper::applyScale()
{
}
