#pragma once

#include <QObject>
#include <QString>

#include "deviceinfo.h"

// What the main window needs of the download controller. The real one runs
// the device link on its own thread; the window reaches its slots through
// queued signals and calls the synchronous operations only while its busy
// flag keeps the device thread idle.
class DeviceController : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    virtual void setInterval(int milliseconds) = 0;
    // Synchronous: 0 when a recorder answered, and its information is in deviceInfo().
    virtual int getConfig() = 0;
    virtual ConstDeviceInfoPtr deviceInfo() const = 0;
    // Asks the link to abort and the thread to end, without waiting.
    virtual void stop(bool wait) = 0;
    virtual bool isFinished() const = 0;
    virtual void terminate() = 0;

public slots:
    // 0 when a recorder answered; also reported by pingResult().
    virtual int pingDevice() = 0;
    virtual void startDownload() = 0;

signals:
    void pingResult(bool detected, bool isAESComm);
    void findBranchCode();
    void updateDownloadProgressBar(QString fileName, int value, int max);
    void fileDownloadSuccess(QString sn, QString fileName);
    void downloadEnd(int errorCode);
};

// Stands in until the device link is built: there is never a recorder.
class NoDeviceController : public DeviceController
{
    Q_OBJECT

public:
    using DeviceController::DeviceController;

    void setInterval(int) override {}
    int getConfig() override { return 1; }
    ConstDeviceInfoPtr deviceInfo() const override { return ConstDeviceInfoPtr(new DeviceInfo); }
    void stop(bool) override {}
    bool isFinished() const override { return true; }
    void terminate() override {}

public slots:
    int pingDevice() override
    {
        emit pingResult(false, false);
        return 1;
    }
    void startDownload() override { emit downloadEnd(1); }
};
