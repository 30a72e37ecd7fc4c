#include "pdfcommand.h"

#include <QDir>
#include <QFileInfo>
#include <QSharedPointer>

#include "oxidatacontroller.h"
#include "patientcontroller.h"
#include "recorddatabase.h"
#include "reportinput.h"
#include "reportpdf.h"
#include "toolio.h"

namespace {

struct PdfOptions
{
    QString recording;
    QString branch;
    QString sn;
    QString dataDir;
    QString output;
    bool ok = false;
};

PdfOptions parseOptions(const QStringList &args)
{
    PdfOptions opt;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == QLatin1String("--branch") && hasValue)
            opt.branch = args[++i];
        else if (arg == QLatin1String("--sn") && hasValue)
            opt.sn = args[++i];
        else if (arg == QLatin1String("--data-dir") && hasValue)
            opt.dataDir = args[++i];
        else if (arg == QLatin1String("-o") && hasValue)
            opt.output = args[++i];
        else if (!arg.startsWith(QLatin1Char('-')) && opt.recording.isEmpty())
            opt.recording = arg;
        else
            return opt;
    }
    opt.ok = !opt.recording.isEmpty() && !opt.branch.isEmpty() && !opt.output.isEmpty();
    return opt;
}

} // namespace

QString PdfCommand::usage()
{
    return QStringLiteral("usage: nocturnix-tool pdf FILE --branch CODE [--sn SN --data-dir DIR] -o OUT.pdf\n");
}

int PdfCommand::run(const QStringList &args)
{
    const PdfOptions opt = parseOptions(args);
    if (!opt.ok) {
        err() << usage();
        return ExitUsage;
    }
    QSharedPointer<OxiDataController> night(new OxiDataController);
    if (!night->parseFile(opt.recording, opt.branch)) {
        err() << "cannot parse " << opt.recording << ": not a readable recording (details in the application log)\n";
        return ExitFailed;
    }

    const QFileInfo file(opt.recording);
    ReportInput input;
    PatientController patient;
    if (!opt.dataDir.isEmpty()) {
        if (!RecordDatabase::instance().openAt(opt.dataDir)) {
            err() << "cannot open the record database in " << opt.dataDir << '\n';
            return ExitFailed;
        }
        // In a data directory a recording lives at <sn>/<check time>.
        const QString sn = opt.sn.isEmpty() ? file.absoluteDir().dirName() : opt.sn;
        patient.load(sn, file.fileName());
        input = ReportInput::fromOpenRecording(night, &patient);
    } else {
        input.recording = night;
        input.sn = opt.sn;
        input.checkTime = file.fileName();
    }
    input.branchCode = opt.branch;

    QString error;
    const bool written = ReportPdf::writeFile(input, opt.output, &error);
    RecordDatabase::instance().close();
    if (!written) {
        err() << "cannot write " << opt.output << ": " << error << '\n';
        return ExitFailed;
    }
    return ExitOk;
}
