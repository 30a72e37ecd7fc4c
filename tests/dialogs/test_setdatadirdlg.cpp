#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include "appconfig.h"
#include "messagebox.h"
#include "recorddatabase.h"
#include "setdatadirdlg.h"
#include "test_dialogs.h"

namespace {
QLineEdit *dirEdit(QDialog &dialog)
{
    return dialog.findChild<QLineEdit *>(QStringLiteral("editDataDir"));
}

void clickOk(QDialog &dialog)
{
    dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))->button(QDialogButtonBox::Ok)->click();
}
} // namespace

void TestSetDataDirDlg::init()
{
    m_dir = new QTemporaryDir;
    QVERIFY(resetSettings(m_dir->filePath(QStringLiteral("first"))));
    QVERIFY(AppConfig::instance().isFirstStart());
}

void TestSetDataDirDlg::cleanup()
{
    RecordDatabase::instance().close();
    delete m_dir;
    m_dir = nullptr;
}

void TestSetDataDirDlg::refusesADirectoryThatCannotBeMade()
{
    // A plain file where a folder must be made fails for root as well,
    // where a read-only folder would not.
    QFile blocker(m_dir->filePath(QStringLiteral("file")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString before = AppConfig::instance().dataDir();

    SetDataDirDlg dialog;
    QSignalSpy chosen(&dialog, &SetDataDirDlg::dataDirChosen);
    dialog.show();
    dirEdit(dialog)->setText(blocker.fileName() + QStringLiteral("/DATA"));
    clickOk(dialog);

    const QList<MessageBox::Asked> asked = MessageBox::takeAsked();
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.first().icon, QMessageBox::Critical);
    QCOMPARE(asked.first().title, QStringLiteral("Permission denied"));
    QCOMPARE(asked.first().text,
             QStringLiteral("Please relaunch the software with administrator privileges or reselect the directory"));
    QVERIFY(dialog.isVisible());
    QCOMPARE(chosen.count(), 0);
    QVERIFY(AppConfig::instance().isFirstStart());
    QCOMPARE(AppConfig::instance().dataDir(), before);
}

void TestSetDataDirDlg::storesTheChoiceAndReportsIt()
{
    SetDataDirDlg dialog;
    QCOMPARE(dirEdit(dialog)->text(), AppConfig::appDataDir() + QStringLiteral("/DATA"));
    QVERIFY(dirEdit(dialog)->isReadOnly());

    QSignalSpy chosen(&dialog, &SetDataDirDlg::dataDirChosen);
    dialog.show();
    const QString target = m_dir->filePath(QStringLiteral("chosen/DATA"));
    dirEdit(dialog)->setText(target);
    clickOk(dialog);

    QVERIFY(MessageBox::takeAsked().isEmpty());
    QCOMPARE(chosen.count(), 1);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(QFileInfo(target).isDir());
    QCOMPARE(AppConfig::instance().dataDir(), target);
    QVERIFY(!AppConfig::instance().isFirstStart());
    // On disk at once: a program that ends early must not ask again.
    const QSettings ini(AppConfig::instance().path(), QSettings::IniFormat);
    QCOMPARE(ini.value(QStringLiteral("dataDir")).toString(), target);
    QCOMPARE(ini.value(QStringLiteral("isFirstStart")).toString(), QStringLiteral("false"));
}
