#include <QApplication>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "test_patientui.h"

int main(int argc, char *argv[])
{
    // Test mode puts settings and data under the scratch home, never the user's.
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("nocturnix-test-patientui"));
    QLoggingCategory::setFilterRules(QStringLiteral("nocturnix.storage.debug=false"));

    int status = 0;
    {
        TestEditDialog t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestRemarksInputDialog t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}
