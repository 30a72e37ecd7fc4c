#include "settimecommand.h"

#include <QDateTime>

#include "commcontroller.h"
#include "toolio.h"

QString SetTimeCommand::usage()
{
    return QStringLiteral("usage: nocturnix-tool set-time\n"
                          "  exit status: 0 set, 1 no recorder, 4 or 5 refused by the recorder,\n"
                          "  7 unknown framing\n");
}

int SetTimeCommand::run(const QStringList &args)
{
    if (!args.isEmpty()) {
        err() << usage();
        return ExitUsage;
    }
    CommController controller;
    controller.setInterval(200);
    const QDateTime now = QDateTime::currentDateTime();
    const int code = controller.syncTime(now);
    if (code == 0)
        out() << "Clock set to " << now.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")) << ".\n";
    else if (code == DeviceController::noRecorder)
        out() << "Can not connect to device.\n";
    else
        out() << "Can not set the clock (" << code << ").\n";
    return code;
}
