#include "deviceparameters.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QVariant>

namespace {

const char *const keys[DeviceParameters::count] = {
    "CurOxiThr", "OxiSwitch", "CurMotor", "LightingMode", "HRSwitch", "HRLowThr", "HRHighThr",
    "LightStr",  "CurBuzzer", nullptr,    "MtSW",         "MtThr",    "IvSW",     "IvThr"};

} // namespace

DeviceParameters::DeviceParameters()
{
    clear();
}

void DeviceParameters::clear()
{
    m_values = QStringList();
    for (int i = 0; i < count; ++i)
        m_values.append(QString());
}

bool DeviceParameters::parse(const QString &jsonText)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(jsonText.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject()) {
        clear();
        return false;
    }
    const QJsonObject object = doc.object();
    for (int i = 0; i < count; ++i) {
        if (keys[i] && object.contains(QLatin1String(keys[i])))
            m_values[i] = object.value(QLatin1String(keys[i])).toVariant().toString();
    }
    m_values[textIndex] = jsonText;
    return true;
}

QByteArray ConfigBlock::blockB(const QByteArray &payload)
{
    if (payload.size() < minReplyB)
        return QByteArray(sizeB, '\0');
    return payload.left(9) + payload.mid(17, 1);
}
