#pragma once

// The one main() of a test executable with several test classes. Settings,
// data and the application log go below a scratch home in test mode, never
// into the real user's; the debug lines every database open and settings
// load write are switched off.

#include <QLoggingCategory>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// Each class runs on its own instance, constructed and destroyed in turn.
template<typename Test>
int runOneTest(int argc, char *argv[])
{
    Test test;
    return QTest::qExec(&test, argc, argv);
}

template<typename App, typename... Tests>
int runTests(int argc, char *argv[])
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    QStandardPaths::setTestModeEnabled(true);
    App app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("nocturnix.storage.debug=false"));
    int status = 0;
    ((status |= runOneTest<Tests>(argc, argv)), ...);
    return status;
}
