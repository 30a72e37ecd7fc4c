#pragma once

#include <QJsonObject>
#include <QString>

// The one JSON text a legacy recorder takes its setting changes in: keys
// beginning with Set, each value a decimal number written as a string.
class LegacyChangeText
{
public:
    LegacyChangeText &set(const char *key, int value);
    bool isEmpty() const { return m_object.isEmpty(); }
    bool contains(const char *key) const;
    // Compact: the recorder's parser takes no spaces or line breaks.
    QString text() const;

private:
    QJsonObject m_object;
};
