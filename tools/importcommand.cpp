#include "importcommand.h"

#include "recorddatabase.h"
#include "recordingstore.h"
#include "toolio.h"

namespace {

struct ImportOptions
{
    QString dataDir;
    QString sn;
    QString branch;
    QStringList files;
};

// Takes "--name VALUE" and "--name=VALUE"; false on a missing value.
bool takeOption(const QStringList &args, int &i, const QString &name, QString &value)
{
    const QString &arg = args[i];
    if (arg == name) {
        if (i + 1 >= args.size())
            return false;
        value = args[++i];
        return true;
    }
    value = arg.mid(name.size() + 1);
    return true;
}

bool parseOptions(const QStringList &args, ImportOptions &opt)
{
    const QStringList names = {QStringLiteral("--data-dir"), QStringLiteral("--sn"), QStringLiteral("--branch")};
    QString *targets[] = {&opt.dataDir, &opt.sn, &opt.branch};
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (!arg.startsWith(QLatin1String("--"))) {
            opt.files << arg;
            continue;
        }
        const int which = names.indexOf(arg.section(QLatin1Char('='), 0, 0));
        if (which < 0 || !takeOption(args, i, names[which], *targets[which]))
            return false;
    }
    return !opt.dataDir.isEmpty() && !opt.sn.isEmpty() && !opt.branch.isEmpty() && !opt.files.isEmpty();
}

} // namespace

QString ImportCommand::usage()
{
    return QStringLiteral("usage: nocturnix-tool import --data-dir DIR --sn SN --branch CODE FILE...\n"
                          "  FILE is named by its start time, yyyyMMddhhmmss\n");
}

int ImportCommand::run(const QStringList &args)
{
    ImportOptions opt;
    if (!parseOptions(args, opt)) {
        err() << usage();
        return ExitUsage;
    }
    RecordDatabase &db = RecordDatabase::instance();
    if (!db.openAt(opt.dataDir)) {
        err() << "cannot open the record database in " << opt.dataDir << '\n';
        return ExitFailed;
    }
    RecordingStore store(db);
    bool ok = true;
    for (const QString &file : qAsConst(opt.files)) {
        const RecordingStore::StoreResult result = store.importFile(opt.sn, opt.branch, file);
        if (result == RecordingStore::StoreResult::Stored)
            out() << file << ": imported\n";
        else if (RecordingStore::isStored(result))
            out() << file << ": imported, " << RecordingStore::text(result) << '\n';
        else
            out() << file << ": skipped: " << RecordingStore::text(result) << '\n';
        ok = ok && (RecordingStore::isStored(result) || RecordingStore::isDeliberateSkip(result));
    }
    out().flush();
    db.close();
    return ok ? ExitOk : ExitFailed;
}
