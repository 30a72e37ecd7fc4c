// nocturnix-tool: the headless companion of the Nocturnix window. Every
// subcommand calls the same library code the window uses.
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QStringList>

#include "csvcommand.h"
#include "democommand.h"
#include "downloadcommand.h"
#include "importcommand.h"
#include "infocommand.h"
#include "pdfcommand.h"
#include "pingcommand.h"
#include "synccommand.h"
#include "settimecommand.h"
#include "toolio.h"

namespace {

QString help()
{
    return QStringLiteral(
        "usage: nocturnix-tool COMMAND [ARGS]\n"
        "\n"
        "Commands:\n"
        "  info FILE [--branch CODE]   parse one recording and print its summary as JSON\n"
        "  import --data-dir DIR --sn SN --branch CODE FILE...\n"
        "                              store recording files named yyyyMMddhhmmss as nights\n"
        "                              of one recorder; one line per file\n"
        "  demo --data-dir DIR [--end yyyy-MM-dd]\n"
        "                              write a data directory with three demo recorders\n"
        "  ping                        connect to the recorder and print its information as JSON\n"
        "  download --data-dir DIR     download every new recording of the connected recorder;\n"
        "                              exit status is the end code (0 all, 1 no recorder, 5 nothing new, 6 failed)\n"
        "  set-time                    set the connected recorder's clock to now\n"
        "  pdf FILE --branch CODE [--sn SN --data-dir DIR] -o OUT.pdf\n"
        "                              write the report of one recording as PDF\n"
        "  csv FILE --branch CODE -o OUT.csv\n"
        "                              write every sample of one recording as CSV\n"
        "  sync --data-dir DIR --user U --password P [--api-url URL]\n"
        "                              sign in and synchronise DIR with the cloud account\n"
        "\n"
        "  --help                      show this text\n"
        "  --version                   show the program version\n");
}

} // namespace

#include "buildconfig.h"

#include <memory>
#include <vector>

int main(int argc, char *argv[])
{
    // Painting pages needs a GUI application; the offscreen platform lets it
    // run without a display. Only the commands that paint pay for it.
    const bool paints = argc > 1 && qstrcmp(argv[1], "pdf") == 0;
    static char platformOption[] = "-platform";
    static char offscreen[] = "offscreen";
    std::vector<char *> argvApp(argv, argv + argc);
    if (paints)
        argvApp.insert(argvApp.begin() + 1, {platformOption, offscreen});
    int argcApp = int(argvApp.size());
    argvApp.push_back(nullptr);
    std::unique_ptr<QCoreApplication> app;
    if (paints)
        app = std::make_unique<QGuiApplication>(argcApp, argvApp.data());
    else
        app = std::make_unique<QCoreApplication>(argcApp, argvApp.data());
    // The debug trace of parser and database would bury the tool's own
    // output; warnings still reach stderr, and QT_LOGGING_RULES brings it back.
    QLoggingCategory::setFilterRules(QStringLiteral("nocturnix.*.debug=false"));
    QCoreApplication::setApplicationName(QStringLiteral("Nocturnix"));
    QCoreApplication::setApplicationVersion(QStringLiteral(NOCTURNIX_VERSION));

    QStringList args = app->arguments().mid(1);
    if (args.isEmpty()) {
        err() << help();
        return ExitUsage;
    }
    const QString command = args.takeFirst();
    if (command == QLatin1String("--help") || command == QLatin1String("-h") || command == QLatin1String("help")) {
        out() << help();
        return ExitOk;
    }
    if (command == QLatin1String("--version")) {
        out() << "nocturnix-tool " << NOCTURNIX_VERSION << '\n';
        return ExitOk;
    }
    if (command == QLatin1String("info"))
        return InfoCommand().run(args);
    if (command == QLatin1String("import"))
        return ImportCommand().run(args);
    if (command == QLatin1String("demo"))
        return DemoCommand().run(args);
    if (command == QLatin1String("ping"))
        return PingCommand().run(args);
    if (command == QLatin1String("download"))
        return DownloadCommand().run(args);
    if (command == QLatin1String("set-time"))
        return SetTimeCommand().run(args);
    if (command == QLatin1String("pdf"))
        return PdfCommand().run(args);
    if (command == QLatin1String("csv"))
        return CsvCommand().run(args);
    if (command == QLatin1String("sync"))
        return SyncCommand().run(args);

    err() << "unknown command: " << command << "\n\n" << help();
    return ExitUsage;
}
