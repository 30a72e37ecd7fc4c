#pragma once

#include <QSharedPointer>

#include "devicecontroller.h"
#include "deviceinfo.h"

// Answers like a recorder would, on the GUI thread, when the test says so.
class FakeController : public DeviceController
{
public:
    QString branchCode = QStringLiteral("21010001");
    int pingAnswer = 0;
    bool locked = false;
    int configAnswer = 0;
    int downloads = 0;
    int pings = 0;

    void setInterval(int) override {}
    int getConfig() override { return configAnswer; }
    ConstDeviceInfoPtr deviceInfo() const override
    {
        QSharedPointer<DeviceInfo> info(new DeviceInfo);
        info->setBranchCode(branchCode);
        return info;
    }
    void stop(bool) override {}
    bool isRecorderLocked() const override { return locked; }
    bool isFinished() const override { return true; }
    void terminate() override {}
    int pingDevice() override
    {
        ++pings;
        return pingAnswer;
    }
    void startDownload() override { ++downloads; }
};
