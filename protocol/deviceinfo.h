#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QSharedPointer>
#include <QString>
#include <QStringList>

// What the program knows of one recorder: decoded from the reply to the
// information command (a JSON text from legacy recorders, a binary record
// from current ones) or rebuilt from its tb_device row.
// A parse that fails leaves the record empty, so a half-decoded reply never
// passes for a device.
class DeviceInfo
{
public:
    // Binary record: anything shorter is not an information reply.
    static constexpr int minRecordSize = 60;
    // The serial number field is 18 bytes wide; a longer length is corrupt.
    static constexpr int maxSerialLength = 18;

    void clear();

    // Legacy reply. Keeps the text as the information text and takes the
    // keys present; missing keys leave their fields as they are.
    bool parseInformationText(const QString &text);
    // Current reply: the payload of the 0xE1 answer.
    bool parseInformationRecord(const QByteArray &record);

    // 0x01020304 -> "1.2.3.4", 0x00010200 -> "1.2.0", 0 -> "0".
    static QString formatVersion(quint32 version);

    // Queued signals carry QSharedPointer<const DeviceInfo>; registered at
    // start-up already, calling it again is harmless.
    static void registerMetaType();

    QString serialNumber() const { return m_serialNumber; }
    QString modelName() const { return m_modelName; }
    QString branchCode() const { return m_branchCode; }
    QString bootloaderVersion() const { return m_bootloaderVersion; }
    QString softwareVersion() const { return m_softwareVersion; }
    QString fileVersion() const { return m_fileVersion; }
    QString informationText() const { return m_informationText; }
    QStringList fileList() const { return m_fileList; }
    QString deviceId() const { return m_deviceId; }
    QString hardwareVersion() const { return m_hardwareVersion; }

    // For rebuilding a record from the database or the cloud. The setters
    // store exactly what they are given: setBranchCode does not touch the
    // model name, which has its own column.
    void setSerialNumber(const QString &sn) { m_serialNumber = sn; }
    void setModelName(const QString &name) { m_modelName = name; }
    void setBranchCode(const QString &code) { m_branchCode = code; }
    void setBootloaderVersion(const QString &version) { m_bootloaderVersion = version; }
    void setSoftwareVersion(const QString &version) { m_softwareVersion = version; }
    void setFileVersion(const QString &version) { m_fileVersion = version; }
    void setDeviceId(const QString &id) { m_deviceId = id; }
    // Stores the text and takes the keys it holds. Unlike the reply parse it
    // never clears: a current recorder's row has an empty text, and the
    // columns set around it must survive. False when the text does not parse.
    bool setInformationText(const QString &text);

private:
    bool takeInformationText(const QString &text);

    QString m_serialNumber;
    QString m_modelName;
    QString m_branchCode;
    QString m_bootloaderVersion;
    QString m_softwareVersion;
    QString m_fileVersion;
    QString m_informationText;
    QStringList m_fileList;
    QString m_deviceId;
    QString m_hardwareVersion;
};

using DeviceInfoPtr = QSharedPointer<DeviceInfo>;
using ConstDeviceInfoPtr = QSharedPointer<const DeviceInfo>;

Q_DECLARE_METATYPE(QSharedPointer<const DeviceInfo>)
