#include <QCoreApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "test_import.h"

int main(int argc, char *argv[])
{
    // The application log goes to the home directory: keep it in a scratch one.
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication app(argc, argv);

    int status = 0;
    {
        TestRecordingStore t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestImportTool t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}
