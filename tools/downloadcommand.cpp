#include "downloadcommand.h"

#include "commcontroller.h"
#include "recorddatabase.h"
#include "toolio.h"

QString DownloadCommand::usage()
{
    return QStringLiteral("usage: nocturnix-tool download --data-dir DIR\n"
                          "  exit status: 0 all downloaded, 1 no recorder, 2 no device information,\n"
                          "  3 file not created, 4 transfer not started, 5 nothing new, 6 failed\n");
}

int DownloadCommand::run(const QStringList &args)
{
    QString dataDir;
    if (args.size() == 2 && args.at(0) == QLatin1String("--data-dir"))
        dataDir = args.at(1);
    else if (args.size() == 1 && args.at(0).startsWith(QLatin1String("--data-dir=")))
        dataDir = args.at(0).section(QLatin1Char('='), 1);
    if (dataDir.isEmpty()) {
        err() << usage();
        return ExitUsage;
    }
    RecordDatabase &db = RecordDatabase::instance();
    if (!db.openAt(dataDir)) {
        err() << "cannot open the record database in " << dataDir << '\n';
        return ExitFailed;
    }

    CommController controller;
    controller.setInterval(200);
    int shown = -1;
    // Called on this thread: the download below runs here, not queued.
    QObject::connect(&controller, &DeviceController::updateDownloadProgressBar,
                     [&shown](const QString &name, int value, int max) {
                         const int percent = max > 0 ? value * 100 / max : 0;
                         if (percent == shown)
                             return;
                         shown = percent;
                         err() << percent << "% " << name << '\n';
                         err().flush();
                     });
    QObject::connect(&controller, &DeviceController::fileDownloadSuccess, [](const QString &sn, const QString &name) {
        err() << "stored " << sn << '/' << name << '\n';
    });
    QObject::connect(&controller, &DeviceController::fileStoreProblem,
                     [](const QString &, const QString &, const QString &text) { err() << text << '\n'; });
    int code = -1;
    QObject::connect(&controller, &DeviceController::downloadEnd, [&code](int end) { code = end; });

    controller.startDownload();
    err().flush();
    out() << CommController::endMessage(code) << '\n';
    out().flush();
    db.close();
    return code;
}
