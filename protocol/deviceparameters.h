#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// A legacy recorder's settings as the text values of its information reply,
// in record order; index 9 holds the JSON text itself.
class DeviceParameters
{
public:
    static constexpr int count = 14;
    static constexpr int textIndex = 9;

    DeviceParameters();

    void clear();
    // Takes the keys present; a text that does not parse clears the record.
    bool parse(const QString &jsonText);

    QStringList values() const { return m_values; }
    QString value(int index) const { return m_values.value(index); }

private:
    QStringList m_values;
};

// Settings blocks of current recorders, read with command 0x00.
namespace ConfigBlock {
constexpr int sizeA = 12;
constexpr int minReplyA = 40;
constexpr int sizeB = 10;
constexpr int minReplyB = 26;
// Block B: payload bytes 0..8 and 17.
QByteArray blockB(const QByteArray &payload);
} // namespace ConfigBlock
