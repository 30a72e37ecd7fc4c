#include "deviceinfo.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QtEndian>

#include <cmath>

#include "branchcodes.h"
#include "protocollog.h"

namespace {

// Binary record layout (payload of the 0xE1 reply).
constexpr int hardwareOffset = 0;
constexpr int softwareOffset = 1;
constexpr int bootloaderOffset = 5;
constexpr int branchOffset = 9;
constexpr int branchLength = 8;
constexpr int fileVersionOffset = 17;
constexpr int serialLengthOffset = 37;
constexpr int serialOffset = 38;

// Recorders send strings, but a number written bare ("FileVer":3) still
// means the same version; anything else has no text and reads as empty.
QString jsonText(const QJsonValue &value)
{
    if (value.isString())
        return value.toString();
    if (!value.isDouble())
        return {};
    const double d = value.toDouble();
    if (std::trunc(d) == d && std::fabs(d) < 9.0e15)
        return QString::number(qint64(d));
    return QString::number(d, 'g', 17);
}

QStringList splitFileList(const QString &list)
{
    return list.split(QLatin1Char(','), Qt::SkipEmptyParts);
}

} // namespace

void DeviceInfo::clear()
{
    *this = DeviceInfo();
}

bool DeviceInfo::parseInformationText(const QString &text)
{
    if (takeInformationText(text))
        return true;
    clear();
    return false;
}

bool DeviceInfo::setInformationText(const QString &text)
{
    return takeInformationText(text);
}

bool DeviceInfo::takeInformationText(const QString &text)
{
    m_informationText = text;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(text.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError) {
        qCDebug(lcProtocol) << "information text does not parse:" << error.errorString() << "at" << error.offset;
        return false;
    }
    if (!doc.isObject()) {
        qCDebug(lcProtocol) << "information text is not a JSON object";
        return false;
    }

    const QJsonObject obj = doc.object();
    const auto take = [&obj](const char *key, QString &field) {
        const auto it = obj.constFind(QLatin1String(key));
        if (it == obj.constEnd())
            return false;
        field = jsonText(it.value());
        return true;
    };
    take("SN", m_serialNumber);
    take("BootloaderVer", m_bootloaderVersion);
    take("SoftwareVer", m_softwareVersion);
    take("FileVer", m_fileVersion);
    take("HardwareVer", m_hardwareVersion);
    if (take("BranchCode", m_branchCode))
        m_modelName = BranchCodes::modelName(m_branchCode);
    QString fileList;
    if (take("FileList", fileList))
        m_fileList = splitFileList(fileList);
    return true;
}

bool DeviceInfo::parseInformationRecord(const QByteArray &record)
{
    if (record.size() < minRecordSize) {
        qCDebug(lcProtocol) << "information record too short:" << record.size() << "bytes";
        clear();
        return false;
    }
    const auto *bytes = reinterpret_cast<const uchar *>(record.constData());
    const int serialLength = bytes[serialLengthOffset];
    if (serialLength > maxSerialLength) {
        qCDebug(lcProtocol) << "information record serial number length" << serialLength << "exceeds its field";
        clear();
        return false;
    }

    const QString deviceId = m_deviceId;
    clear();
    m_deviceId = deviceId;   // the database's and cloud's, not the recorder's
    m_hardwareVersion = QString(QChar(bytes[hardwareOffset]));
    m_softwareVersion = formatVersion(qFromLittleEndian<quint32>(bytes + softwareOffset));
    m_bootloaderVersion = formatVersion(qFromLittleEndian<quint32>(bytes + bootloaderOffset));
    m_branchCode = QString::fromLatin1(record.constData() + branchOffset, branchLength);
    m_modelName = BranchCodes::modelName(m_branchCode);
    m_fileVersion = QString::number(bytes[fileVersionOffset]);
    m_serialNumber = QString::fromLatin1(record.constData() + serialOffset, serialLength);
    return true;
}

QString DeviceInfo::formatVersion(quint32 version)
{
    QStringList parts;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const uint byte = (version >> shift) & 0xFFu;
        if (parts.isEmpty() && byte == 0)
            continue;
        parts.append(QString::number(byte));
    }
    return parts.isEmpty() ? QStringLiteral("0") : parts.join(QLatin1Char('.'));
}

void DeviceInfo::registerMetaType()
{
    // Both spellings, so string-based and moc-normalised connections agree.
    qRegisterMetaType<ConstDeviceInfoPtr>("QSharedPointer<const DeviceInfo>");
    qRegisterMetaType<ConstDeviceInfoPtr>("ConstDeviceInfoPtr");
}

namespace {
// Before main(): a queued signal with an unregistered argument is dropped
// with only a warning, which no user would ever see.
void registerDeviceInfoAtStart()
{
    DeviceInfo::registerMetaType();
}
} // namespace
Q_CONSTRUCTOR_FUNCTION(registerDeviceInfoAtStart)
