#pragma once

#include <QDateTime>
#include <QLocale>

#include <qwt_scale_draw.h>

#include "trendtypes.h"

// Time axis of the trend: a value is an offset in months (year range) or
// days (month and week ranges) from the reference moment.
class TimeScakeDraw : public QwtScaleDraw
{
public:
    TimeScakeDraw(const QDateTime &reference, const QLocale &locale);

    QDateTime reference() const { return m_reference; }
    int mode() const { return m_mode; }
    // Both clear the label cache: the same tick value reads differently.
    void setReference(const QDateTime &reference);
    void setMode(int mode);

    QwtText label(double value) const override;

private:
    QDateTime m_reference;
    QLocale m_locale;
    int m_mode = TrendWeek;
};
