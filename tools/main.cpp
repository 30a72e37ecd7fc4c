// nocturnix-tool: the headless companion of the Nocturnix window. Every
// subcommand calls the same library code the window uses.
#include <QCoreApplication>
#include <QLoggingCategory>
#include <QStringList>

#include "democommand.h"
#include "importcommand.h"
#include "infocommand.h"
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
        "  demo --data-dir DIR         write a data directory with three demo recorders\n"
        "\n"
        "  --help                      show this text\n"
        "  --version                   show the program version\n");
}

} // namespace

#include "buildconfig.h"

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // The debug trace of parser and database would bury the tool's own
    // output; warnings still reach stderr, and QT_LOGGING_RULES brings it back.
    QLoggingCategory::setFilterRules(QStringLiteral("nocturnix.*.debug=false"));
    QCoreApplication::setApplicationName(QStringLiteral("Nocturnix"));
    QCoreApplication::setApplicationVersion(QStringLiteral(NOCTURNIX_VERSION));

    QStringList args = app.arguments().mid(1);
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

    err() << "unknown command: " << command << "\n\n" << help();
    return ExitUsage;
}
