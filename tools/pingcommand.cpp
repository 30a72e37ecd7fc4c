#include "pingcommand.h"

#include <QJsonDocument>

#include "communication.h"
#include "hidaccess.h"
#include "toolio.h"

QString PingCommand::usage()
{
    return QStringLiteral("usage: nocturnix-tool ping\n");
}

QJsonObject PingCommand::summary(const Communication &link)
{
    const ConstDeviceInfoPtr info = link.deviceInfo();
    QJsonObject object;
    object.insert(QStringLiteral("sn"), info->serialNumber());
    object.insert(QStringLiteral("modelName"), info->modelName());
    object.insert(QStringLiteral("branchCode"), info->branchCode());
    object.insert(QStringLiteral("hardwareVersion"), info->hardwareVersion());
    object.insert(QStringLiteral("softwareVersion"), info->softwareVersion());
    object.insert(QStringLiteral("bootloaderVersion"), info->bootloaderVersion());
    object.insert(QStringLiteral("fileVersion"), info->fileVersion());
    object.insert(QStringLiteral("protocolType"), link.protocolType());
    object.insert(QStringLiteral("isAESComm"), link.isAESComm() == 1);
    return object;
}

int PingCommand::run(const QStringList &args)
{
    if (!args.isEmpty()) {
        err() << usage();
        return ExitUsage;
    }
    Communication link;
    // The poll interval and bridge read time-out the window uses.
    link.setInterval(200);
    if (!link.openDevice() || !link.getDeviceInfo()) {
        link.closeDevice();
        if (link.isRecorderLocked()) {
            out() << "A recorder is connected, but this user may not open it. Install the udev rule "
                  << HidAccess::udevRuleName << " (see README, Install) and plug the recorder in again.\n";
            return ExitFailed;
        }
        out() << "Can not connect to device.\n";
        return ExitFailed;
    }
    const QJsonObject object = summary(link);
    link.closeDevice();
    out() << QJsonDocument(object).toJson(QJsonDocument::Indented);
    return ExitOk;
}
