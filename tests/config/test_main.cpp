#include <QCoreApplication>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "test_config.h"

int main(int argc, char *argv[])
{
    // Test mode puts the application-data directory under the home
    // directory; a scratch home keeps the real user's settings untouched.
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("nocturnix-test-config"));
    // Every load names its file; that line is for the program's debug output.
    QLoggingCategory::setFilterRules(QStringLiteral("nocturnix.storage.debug=false"));

    TestConfig t;
    return QTest::qExec(&t, argc, argv);
}
