#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QStringList>

#include <array>
#include <atomic>
#include <memory>

#include "deviceinfo.h"
#include "deviceparameters.h"
#include "linkexchange.h"

class HidBase;
class LinkClock;

// The command layer: finds a recorder on one of the three bridges, settles
// its framing and encryption, and runs one exchange per device command.
// One operation at a time: openDevice, commands, closeDevice.
class Communication : public QObject
{
    Q_OBJECT

public:
    // Refused above this: no recorder holds a night anywhere near it.
    static constexpr qint64 maxFileSize = 64 * 1024 * 1024;

    // Results of downloadFile (and checkFile's error).
    enum DownloadResult { DownloadOk = 0, DownloadFileError = 3, DownloadStartFailed = 4, DownloadFailed = 6 };

    explicit Communication(QObject *parent = nullptr);
    ~Communication() override;

    // Tests hand in a clock whose sleeps only advance it.
    void setClock(LinkClock &clock);
    // Recordings are written to <dir>/<serial number>/<file name>.
    void setDataDirectory(const QString &dir) { m_dataDirectory = dir; }
    // Poll interval, and the read time-out of all three transports.
    void setInterval(int milliseconds);
    // Safe from any thread; seen before each attempt, read and chunk.
    void setStop(bool stop) { m_stop = stop; }

    bool openDevice();
    // After a failed openDevice: a recorder is attached, but this user may not
    // open it (the udev rule is missing). Safe to ask from another thread.
    bool isRecorderLocked() const { return m_recorderLocked; }
    void closeDevice();
    int isAESComm() const;     // -1 without a current transport
    int protocolType() const;  // -1 without a current transport

    int sendAndRecv(const QByteArray &request, QByteArray &payload, int retries, int timeoutMs);
    bool ping(bool probe, int *foundType = nullptr);
    bool getDeviceInfo();
    bool getFileList(QStringList &names);
    // File size, or -1.
    qint64 startReadFile(const QString &name);
    bool endReadFile();
    // DownloadResult; a failed download never leaves a file behind.
    int downloadFile(const QString &deviceName, const QString &localName);
    // Legacy recorders only: whether the file may be downloaded; error 4 when it cannot be read.
    bool checkFile(const QString &name, int &error);
    bool factoryReset();
    bool syncParam(const QString &text);
    bool setParam(quint8 type, quint8 a, quint8 b, quint8 c, quint8 d, int timeoutMs = 5000);
    bool setTime(const QDateTime &time);
    bool getConfig();

    ConstDeviceInfoPtr deviceInfo() const { return m_deviceInfo; }
    QStringList paramStrings() const { return m_parameters.values(); }
    QByteArray configBlockA() const { return m_configA; }
    QByteArray configBlockB() const { return m_configB; }

signals:
    // state 0 = started (0, size), 1 = chunk arrived (bytes so far, size), 2 = complete.
    void downloadProgress(int downloadState, int byteDownload, int totalByte);

private:
    bool exchangeKey(HidBase &link, int framing);
    bool connectThrough(int index);
    int exchange(quint8 legacyCommand, quint8 currentCommand, const QByteArray &payload,
                 QByteArray &reply, int retries, bool encrypt = false, int timeoutMs = LinkExchange::shortTimeout);
    bool encryptIfNeeded(QByteArray &payload) const;
    QByteArray chunkRequest(int chunkIndex, qint64 offset, bool &ok) const;
    int receiveFile(class QSaveFile &file, qint64 size);

    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_recorderLocked{false};
    LinkExchange m_exchange;
    std::array<std::unique_ptr<HidBase>, 3> m_transports;
    HidBase *m_current = nullptr;
    DeviceInfoPtr m_deviceInfo;
    DeviceParameters m_parameters;
    QByteArray m_configA;
    QByteArray m_configB;
    QString m_dataDirectory;
};
