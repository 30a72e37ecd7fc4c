// nocturnix-tool: the headless companion of the Nocturnix window. Every
// subcommand calls the same library code the window uses.
#include <QCoreApplication>
#include <QStringList>

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
        "\n"
        "  --help                      show this text\n"
        "  --version                   show the program version\n");
}

} // namespace

#include "buildconfig.h"

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
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

    err() << "unknown command: " << command << "\n\n" << help();
    return ExitUsage;
}
