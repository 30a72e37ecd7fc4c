#include "democommand.h"

#include "demogenerator.h"
#include "recorddatabase.h"
#include "toolio.h"

QString DemoCommand::usage()
{
    return QStringLiteral("usage: nocturnix-tool demo --data-dir DIR\n");
}

int DemoCommand::run(const QStringList &args)
{
    QString dataDir;
    if (args.size() == 2 && args[0] == QLatin1String("--data-dir"))
        dataDir = args[1];
    else if (args.size() == 1 && args[0].startsWith(QLatin1String("--data-dir=")))
        dataDir = args[0].mid(11);
    if (dataDir.isEmpty()) {
        err() << usage();
        return ExitUsage;
    }

    DemoGenerator demo;
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
