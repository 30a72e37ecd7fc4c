#include "democommand.h"

#include <QDate>

#include "demogenerator.h"
#include "recorddatabase.h"
#include "toolio.h"

QString DemoCommand::usage()
{
    return QStringLiteral("usage: nocturnix-tool demo --data-dir DIR [--end yyyy-MM-dd]\n");
}

int DemoCommand::run(const QStringList &args)
{
    QString dataDir;
    QDate end;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--data-dir") && i + 1 < args.size()) {
            dataDir = args[++i];
        } else if (args[i].startsWith(QLatin1String("--data-dir="))) {
            dataDir = args[i].mid(11);
        } else if (args[i] == QLatin1String("--end") && i + 1 < args.size()) {
            end = QDate::fromString(args[++i], Qt::ISODate);
            if (!end.isValid()) {
                err() << usage();
                return ExitUsage;
            }
        } else {
            err() << usage();
            return ExitUsage;
        }
    }
    if (dataDir.isEmpty()) {
        err() << usage();
        return ExitUsage;
    }

    DemoGenerator demo;
    if (end.isValid())
        demo.shiftDays(DemoGenerator::daysUntil(end));
    const bool ok = demo.generate(dataDir);
    RecordDatabase::instance().close();
    if (!demo.error().isEmpty()) {
        err() << demo.error() << '\n';
        return ExitFailed;
    }
    for (const DemoGenerator::RecorderOutcome &r : demo.outcomes()) {
        out() << r.sn << " (" << r.modelName << "): " << r.stored << " nights stored, " << r.skipped
              << " skipped (stored before or deleted)\n";
        for (const QString &failure : r.failures)
            err() << r.sn << ": " << failure << '\n';
    }
    return ok ? ExitOk : ExitFailed;
}
