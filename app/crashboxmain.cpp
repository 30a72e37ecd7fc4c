// nocturnix-crashbox: shows the crash box for a process that can no longer
// show one itself. Its only argument is the box text.
#include "appshell.h"
#include "crashhandler.h"
#include "messagebox.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char *argv[])
{
    AppShell::prepareHighDpi();
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QString::fromLatin1(AppShell::applicationName));
    QTranslator translator;
    AppShell::loadTranslation(translator);
    const QString text = QCoreApplication::arguments().value(1);
    MessageBox::critical(nullptr, QString::fromLatin1(CrashHandler::boxTitle), text, MessageBox::Ok);
    return 0;
}
