#include "legacychangetext.h"

#include <QJsonDocument>

LegacyChangeText &LegacyChangeText::set(const char *key, int value)
{
    m_object.insert(QLatin1String(key), QString::number(value));
    return *this;
}

bool LegacyChangeText::contains(const char *key) const
{
    return m_object.contains(QLatin1String(key));
}

QString LegacyChangeText::text() const
{
    if (m_object.isEmpty())
        return QString();
    return QString::fromUtf8(QJsonDocument(m_object).toJson(QJsonDocument::Compact));
}
