#include "timescakedraw.h"

#include <qwt_text.h>

TimeScakeDraw::TimeScakeDraw(const QDateTime &reference, const QLocale &locale)
    : m_reference(reference)
    , m_locale(locale)
{
}

void TimeScakeDraw::setReference(const QDateTime &reference)
{
    m_reference = reference;
    invalidateCache();
}

void TimeScakeDraw::setMode(int mode)
{
    m_mode = mode;
    invalidateCache();
}

QwtText TimeScakeDraw::label(double value) const
{
    // Rounded, not truncated: after panning a tick meant for -350 arrives
    // as -349.99999 and would be labelled with the day after.
    const int offset = qRound(value);
    switch (m_mode) {
    case TrendYear:
        return m_locale.toString(m_reference.addMonths(offset), QStringLiteral("yyyy MMM"));
    case TrendMonth:
    case TrendWeek:
        return m_locale.toString(m_reference.addDays(offset), QStringLiteral("MMM d"));
    }
    return QStringLiteral("NULL");
}
