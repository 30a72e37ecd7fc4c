#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "test_app.h"

int main(int argc, char *argv[])
{
    // The log file and settings go to the home directory: keep them in a scratch one.
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    // No display needed, and message boxes answer at once instead of waiting.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);

    int status = 0;
    const auto run = [&](QObject &test) { status |= QTest::qExec(&test, argc, argv); };
    TestMessageBox messageBox;
    run(messageBox);
    TestCentredScreenRect rect;
    run(rect);
    TestTranslation translation;
    run(translation);
    TestLogHelper log;
    run(log);
    TestSingleInstance instance;
    run(instance);
    TestCrashHandler crash;
    run(crash);
    return status;
}
