#include "vscaledraw.h"

#include <QtMath>

#include <qwt_scale_div.h>
#include <qwt_text.h>

void VScaleDraw::setLowerBoundPrefix(bool on)
{
    m_lowerBoundPrefix = on;
    invalidateCache();
}

void VScaleDraw::setPercentSuffix(bool on)
{
    m_percentSuffix = on;
    invalidateCache();
}

QwtText VScaleDraw::label(double value) const
{
    QString text = QString::number(value, 'g', 6);
    if (m_lowerBoundPrefix && qAbs(value - scaleDiv().lowerBound()) < 0.1)
        text.prepend(QChar(0x2264));
    if (m_percentSuffix)
        text.append(QLatin1Char('%'));
    return text;
}
