#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>

#include "deviceinfo.h"

// What the main window and the device settings dialog need of the download
// controller. The real one runs the device link on its own thread; the
// window reaches its slots through queued signals and calls the synchronous
// operations only while its busy flag keeps the device thread idle.
class DeviceController : public QObject
{
    Q_OBJECT

public:
    // Result of every operation when no recorder answers.
    static constexpr int noRecorder = 1;

    using QObject::QObject;

    virtual void setInterval(int milliseconds) = 0;
    // Synchronous: 0 when the recorder's settings were read.
    virtual int getConfig() = 0;
    virtual ConstDeviceInfoPtr deviceInfo() const = 0;
    // Asks the link to abort and the thread to end; waits only when asked.
    virtual void stop(bool wait) = 0;
    virtual bool isFinished() const = 0;
    virtual void terminate() = 0;

    // The settings operations; each opens and closes the link itself.
    virtual int factoryReset() { return noRecorder; }
    virtual int setParam(int type, int a, int b, int c, int d)
    {
        Q_UNUSED(type) Q_UNUSED(a) Q_UNUSED(b) Q_UNUSED(c) Q_UNUSED(d)
        return noRecorder;
    }
    virtual int syncParam(const QString &text, bool openFirst)
    {
        Q_UNUSED(text) Q_UNUSED(openFirst)
        return noRecorder;
    }
    virtual int syncTime(const QDateTime &time)
    {
        Q_UNUSED(time)
        return noRecorder;
    }
    // After a failed ping: a recorder is attached that this user may not open.
    virtual bool isRecorderLocked() const { return false; }
    virtual QStringList paramStrings() const { return {}; }
    virtual QByteArray configBlockA() const { return {}; }
    virtual QByteArray configBlockB() const { return {}; }

public slots:
    // 0 when a recorder answered; also reported by pingResult().
    virtual int pingDevice() = 0;
    virtual void startDownload() = 0;

signals:
    void pingResult(bool detected, bool isAESComm);
    void findBranchCode();
    void updateDownloadProgressBar(QString fileName, int value, int max);
    void fileDownloadSuccess(QString sn, QString fileName);
    // A file arrived but could not be stored as it should; text is for the user.
    void fileStoreProblem(QString sn, QString fileName, QString text);
    void downloadEnd(int errorCode);
};

// Stands in where no device link is wanted: there is never a recorder.
class NoDeviceController : public DeviceController
{
    Q_OBJECT

public:
    using DeviceController::DeviceController;

    void setInterval(int) override {}
    int getConfig() override { return noRecorder; }
    ConstDeviceInfoPtr deviceInfo() const override { return ConstDeviceInfoPtr(new DeviceInfo); }
    void stop(bool) override {}
    bool isFinished() const override { return true; }
    void terminate() override {}

public slots:
    int pingDevice() override
    {
        emit pingResult(false, false);
        return noRecorder;
    }
    void startDownload() override { emit downloadEnd(noRecorder); }
};
