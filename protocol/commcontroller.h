#pragma once

#include <QDateTime>
#include <QThread>

#include <atomic>
#include <functional>

#include "devicecontroller.h"

class Communication;
class LinkClock;

// The user-level device operations: identify the recorder (ping), download
// every recording not yet stored, and the settings operations. Each one
// opens the link, runs its commands, closes the link and returns a small
// code. The controller lives on its own device thread; the window's ping
// and download reach it through queued signals, the settings path calls it
// directly while the window's busy flag keeps the thread idle.
class CommController : public DeviceController
{
    Q_OBJECT

public:
    // Results of startDownload, sent with downloadEnd.
    enum DownloadCode {
        Downloaded = 0,
        NoRecorder = 1,
        NoInformation = 2,
        FileNotCreated = 3,
        TransferNotStarted = 4,
        NothingNew = 5,
        DownloadFailed = 6,
    };

    // The status text of a download's end; empty for an unknown code.
    static QString endMessage(int code);

    explicit CommController(QObject *parent = nullptr);
    ~CommController() override;

    // Tests run the link and the recorder on one clock that moves only when waited on.
    void setLinkClock(LinkClock &clock);
    // The local time the recorder's clock is set to; the system clock by default.
    void setNow(std::function<QDateTime()> now) { m_now = std::move(now); }

    void setInterval(int milliseconds) override;
    int getConfig() override;
    ConstDeviceInfoPtr deviceInfo() const override;
    void stop(bool wait) override;
    bool isFinished() const override;
    void terminate() override;

    int factoryReset() override;
    int setParam(int type, int a, int b, int c, int d) override;
    int syncParam(const QString &text, bool openFirst) override;
    int syncTime(const QDateTime &time) override;
    bool isRecorderLocked() const override;
    QStringList paramStrings() const override;
    QByteArray configBlockA() const override;
    QByteArray configBlockB() const override;
    bool usesConfigBlockA() const;
    bool usesConfigBlockB() const;

public slots:
    int pingDevice() override;
    void startDownload() override;
    void getDownloadProgress(int downloadState, int byteDownload, int totalByte);
    void onThreadExit();

private:
    int download();
    QStringList downloadList(const QString &sn);
    bool storeDownloaded(const QString &sn, const QString &name, const QString &branchCode);
    void noteBranchCode(const QString &branchCode);
    void setClockOfNewRecorder();

    Communication *m_comm;
    QThread m_thread;
    std::atomic<bool> m_stop{false};
    std::function<QDateTime()> m_now;
    QString m_fileName;
    int m_fileIndex = 0;
    int m_fileCount = 0;
    // Serial number whose clock the ping last set: a new one gets its clock set.
    QString m_clockSetFor;
};
