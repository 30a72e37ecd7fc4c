#include "synccommand.h"

#include <QCoreApplication>
#include <QEventLoop>

#include "buildconfig.h"
#include "recorddatabase.h"
#include "synchelper.h"
#include "toolio.h"

namespace {

struct SyncOptions
{
    QString dataDir;
    QString user;
    QString password;
    QString apiUrl = QStringLiteral(NOCTURNIX_CLOUD_API_URL);
};

bool parseOptions(const QStringList &args, SyncOptions &opt)
{
    const QStringList names = {QStringLiteral("--data-dir"), QStringLiteral("--user"), QStringLiteral("--password"),
                               QStringLiteral("--api-url")};
    QString *targets[] = {&opt.dataDir, &opt.user, &opt.password, &opt.apiUrl};
    for (int i = 0; i < args.size(); ++i) {
        const QString name = args[i].section(QLatin1Char('='), 0, 0);
        const int which = names.indexOf(name);
        if (which < 0)
            return false;
        if (args[i].contains(QLatin1Char('=')))
            *targets[which] = args[i].section(QLatin1Char('='), 1);
        else if (i + 1 < args.size())
            *targets[which] = args[++i];
        else
            return false;
    }
    return !opt.dataDir.isEmpty() && !opt.user.isEmpty() && !opt.apiUrl.isEmpty();
}

} // namespace

QString SyncCommand::usage()
{
    return QStringLiteral("usage: nocturnix-tool sync --data-dir DIR --user U --password P [--api-url URL]\n");
}

int SyncCommand::run(const QStringList &args)
{
    SyncOptions opt;
    if (!parseOptions(args, opt)) {
        err() << usage();
        return ExitUsage;
    }
    // A directory without a database gets a new one: a restore onto a new PC.
    RecordDatabase &db = RecordDatabase::instance();
    if (!db.openAt(opt.dataDir)) {
        err() << "cannot open the record database in " << opt.dataDir << '\n';
        return ExitFailed;
    }

    int status = ExitFailed;
    {
        SyncHelper helper(opt.apiUrl);
        QEventLoop loop;
        QObject::connect(&helper, &SyncHelper::loginReturn, &loop, [&](bool isSuccess, const QString &msg, int code) {
            if (!isSuccess) {
                err() << "login failed (" << code << ")" << (msg.isEmpty() ? QString() : QStringLiteral(": ") + msg)
                      << '\n';
                status = ExitLoginFailed;
                loop.quit();
                return;
            }
            emit helper.sync();
        });
        QObject::connect(&helper, &SyncHelper::progress, &loop,
                         [](syncType type, int current, int total, direction o) {
                             err() << (type == SyncRecords ? "records " : "devices ")
                                   << (o == DirectionUpload ? "uploading " : "downloading ") << current + 1 << '/'
                                   << total << '\n';
                             err().flush();
                         });
        QObject::connect(&helper, &SyncHelper::endDownload, &loop, [&](bool isSuccess) {
            err() << (isSuccess ? "synchronisation complete\n" : "synchronisation failed\n");
            status = isSuccess ? ExitOk : ExitFailed;
            loop.quit();
        });
        emit helper.goLogin(opt.user, opt.password);
        loop.exec();
    }
    err().flush();
    db.close();
    return status;
}
