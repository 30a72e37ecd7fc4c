#include <QApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "appconfig.h"
#include "messagebox.h"
#include "recorddatabase.h"
#include "test_dialogs.h"

bool resetSettings(const QString &dataDir)
{
    AppConfig &config = AppConfig::instance();
    QFile::remove(config.path());
    config.load();
    config.setDataDir(dataDir);
    MessageBox::clearPreAnswers();
    MessageBox::takeAsked();
    return RecordDatabase::instance().openAt(dataDir);
}

int main(int argc, char *argv[])
{
    // Test mode puts settings and data under the scratch home, never the user's.
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("nocturnix-test-dialogs"));
    QLoggingCategory::setFilterRules(QStringLiteral("nocturnix.storage.debug=false"));

    int status = 0;
    {
        TestDataDirAccess t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestSetDataDirDlg t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestSettingDlg t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}
