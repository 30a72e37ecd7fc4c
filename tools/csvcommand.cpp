#include "csvcommand.h"

#include "csvexport.h"
#include "oxidatacontroller.h"
#include "toolio.h"

QString CsvCommand::usage()
{
    return QStringLiteral("usage: nocturnix-tool csv FILE --branch CODE -o OUT.csv\n");
}

int CsvCommand::run(const QStringList &args)
{
    QString recording;
    QString branch;
    QString output;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == QLatin1String("--branch") && hasValue) {
            branch = args[++i];
        } else if (arg == QLatin1String("-o") && hasValue) {
            output = args[++i];
        } else if (!arg.startsWith(QLatin1Char('-')) && recording.isEmpty()) {
            recording = arg;
        } else {
            err() << usage();
            return ExitUsage;
        }
    }
    if (recording.isEmpty() || branch.isEmpty() || output.isEmpty()) {
        err() << usage();
        return ExitUsage;
    }

    OxiDataController night;
    if (!night.parseFile(recording, branch)) {
        err() << "cannot parse " << recording << ": not a readable recording (details in the application log)\n";
        return ExitFailed;
    }
    QString error;
    if (!CsvExport(night, branch).writeTo(output, &error)) {
        err() << "cannot write " << output << ": " << error << '\n';
        return ExitFailed;
    }
    return ExitOk;
}
