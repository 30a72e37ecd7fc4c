#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include "appconfig.h"
#include "checkinfo.h"
#include "deviceinfo.h"
#include "messagebox.h"
#include "patientinfo.h"
#include "recorddatabase.h"
#include "settingdlg.h"
#include "test_dialogs.h"

namespace {

const QStringList nights = {QStringLiteral("20260301223000"), QStringLiteral("20260302224500")};

template<typename T>
T *child(QObject *parent, const char *name)
{
    T *widget = parent->findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no widget named %s", name);
    return widget;
}

QPushButton *okButton(SettingDlg &dialog)
{
    return child<QDialogButtonBox>(&dialog, "buttonBox")->button(QDialogButtonBox::Ok);
}

void setDefaultPatient(const QString &name, int unit, double cm, double kg)
{
    PatientInfo &patient = AppConfig::instance().defaultPatient();
    patient.reset();
    patient.setName(name);
    patient.setUnit(unit);
    patient.setHeight(cm);
    patient.setWeight(kg);
    patient.setBirthday(QDate(1980, 5, 12));
    patient.setEmpty(false);
}

CheckInfo night(const QString &sn, const QString &checkTime)
{
    CheckInfo c;
    c.sn = sn;
    c.checktime = checkTime;
    c.flowid = sn + checkTime;
    c.duration = 28800;
    c.startDateTime = QDateTime::fromString(checkTime, QStringLiteral("yyyyMMddhhmmss"));
    c.secPerPoint = 0.25f;
    c.spo2Avg = 95;
    c.spo2Min = 84;
    return c;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

void TestSettingDlg::init()
{
    m_dir = new QTemporaryDir;
    QVERIFY(resetSettings(oldDir()));
    AppConfig::instance().setFirstStart(false);
    setDefaultPatient(QStringLiteral("Before"), PatientInfo::Metric, 170, 60);
}

void TestSettingDlg::cleanup()
{
    RecordDatabase::instance().close();
    delete m_dir;
    m_dir = nullptr;
}

QString TestSettingDlg::oldDir() const
{
    return m_dir->filePath(QStringLiteral("DATA"));
}

void TestSettingDlg::storeNights()
{
    RecordDatabase &db = RecordDatabase::instance();
    DeviceInfo device;
    device.setSerialNumber(QStringLiteral("SN1"));
    device.setBranchCode(QStringLiteral("2B010000"));
    device.setModelName(QStringLiteral("Ring"));
    QVERIFY(db.insertOrUpdateDevice(device));
    for (const QString &checkTime : nights) {
        QVERIFY(db.insertRecord(night(QStringLiteral("SN1"), checkTime)));
        QVERIFY(writeFile(oldDir() + QStringLiteral("/SN1/") + checkTime, checkTime.toLatin1()));
    }
}

void TestSettingDlg::checksRunInOrder_data()
{
    QTest::addColumn<int>("birthdayInDays");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("inches");
    QTest::addColumn<int>("weight");
    QTest::addColumn<QString>("message");

    const QString birthday = QStringLiteral("Please enter the correct birthday");
    const QString weight = QStringLiteral("Please enter the correct weight");
    const QString height = QStringLiteral("Please enter the correct height");
    QTest::newRow("born today is accepted") << 0 << 1 << 170 << 0 << 70 << QString();
    QTest::newRow("born tomorrow is refused before all else") << 1 << 1 << 0 << 0 << 0 << birthday;
    QTest::newRow("5 ft 0 in and 0 lbs: weight before height") << 0 << 0 << 5 << 0 << 0 << weight;
    QTest::newRow("imperial without feet or inches") << 0 << 0 << 0 << 0 << 150 << height;
    QTest::newRow("metric height 0") << 0 << 1 << 0 << 0 << 70 << height;
}

void TestSettingDlg::checksRunInOrder()
{
    QFETCH(int, birthdayInDays);
    QFETCH(int, unit);
    QFETCH(int, height);
    QFETCH(int, inches);
    QFETCH(int, weight);
    QFETCH(QString, message);

    SettingDlg dialog;
    QSignalSpy ended(&dialog, &SettingDlg::endSetting);
    dialog.show();
    child<QLineEdit>(&dialog, "editName")->setText(QStringLiteral("Ada"));
    child<QComboBox>(&dialog, "comboBoxUnit")->setCurrentIndex(unit);
    child<QDateEdit>(&dialog, "dateEdit")->setDate(QDate::currentDate().addDays(birthdayInDays));
    child<QSpinBox>(&dialog, "spinBoxHeight1")->setValue(height);
    child<QSpinBox>(&dialog, "spinBoxHeight2")->setValue(inches);
    child<QSpinBox>(&dialog, "spinBoxWeight")->setValue(weight);
    okButton(dialog)->click();

    const QList<MessageBox::Asked> asked = MessageBox::takeAsked();
    const QString stored = AppConfig::instance().defaultPatient().name();
    if (message.isEmpty()) {
        QVERIFY(asked.isEmpty());
        QCOMPARE(stored, QStringLiteral("Ada"));
        QCOMPARE(ended.count(), 1);
        QVERIFY(!dialog.isVisible());
        return;
    }
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.first().title, QStringLiteral("Message"));
    QCOMPARE(asked.first().text, message);
    QCOMPARE(stored, QStringLiteral("Before"));
    QCOMPARE(ended.count(), 0);
    QVERIFY(dialog.isVisible());
}

void TestSettingDlg::storedValuesShowInTheirUnit_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("inches");
    QTest::addColumn<int>("weight");
    QTest::addColumn<QString>("weightSuffix");

    QTest::newRow("180 cm and 70 kg in imperial: 5'11'', 154 lbs") << 0 << 5 << 11 << 154 << " lbs";
    QTest::newRow("180 cm and 70 kg in metric, as stored") << 1 << 180 << -1 << 70 << " kg";
}

void TestSettingDlg::storedValuesShowInTheirUnit()
{
    QFETCH(int, unit);
    QFETCH(int, height);
    QFETCH(int, inches);
    QFETCH(int, weight);
    QFETCH(QString, weightSuffix);

    setDefaultPatient(QStringLiteral("Ada"), unit, 180, 70);
    SettingDlg dialog;
    QCOMPARE(child<QComboBox>(&dialog, "comboBoxUnit")->currentIndex(), unit);
    QCOMPARE(child<QSpinBox>(&dialog, "spinBoxHeight1")->value(), height);
    QSpinBox *inchesBox = child<QSpinBox>(&dialog, "spinBoxHeight2");
    QCOMPARE(inchesBox->isHidden(), inches < 0);
    if (inches >= 0)
        QCOMPARE(inchesBox->value(), inches);
    QCOMPARE(child<QSpinBox>(&dialog, "spinBoxWeight")->value(), weight);
    QCOMPARE(child<QSpinBox>(&dialog, "spinBoxWeight")->suffix(), weightSuffix);
}

void TestSettingDlg::imperialEntryIsStoredMetric()
{
    SettingDlg dialog;
    dialog.show();
    child<QComboBox>(&dialog, "comboBoxUnit")->setCurrentIndex(0);
    child<QSpinBox>(&dialog, "spinBoxHeight1")->setValue(5);
    child<QSpinBox>(&dialog, "spinBoxHeight2")->setValue(11);
    child<QSpinBox>(&dialog, "spinBoxWeight")->setValue(154);
    okButton(dialog)->click();

    const PatientInfo &stored = AppConfig::instance().defaultPatient();
    QCOMPARE(stored.unit(), int(PatientInfo::Imperial));
    QCOMPARE(stored.height(), 180.0);
    QVERIFY(qAbs(stored.weight() - 69.8532296) < 1e-6);
    QVERIFY(!stored.isEmpty());
    // Offered for completion from now on.
    PatientInfo found;
    QVERIFY(RecordDatabase::instance().searchPatient(QStringLiteral("Before"), stored.birthdayText(), found));
    QCOMPARE(found.height(), 180.0);
}

void TestSettingDlg::languageChangeAsksForRestart_data()
{
    QTest::addColumn<int>("chosen");
    QTest::addColumn<bool>("asksForRestart");

    QTest::newRow("the language in use: nothing to say") << 0 << false;
    QTest::newRow("another language: takes effect after a restart") << 2 << true;
}

void TestSettingDlg::languageChangeAsksForRestart()
{
    QFETCH(int, chosen);
    QFETCH(bool, asksForRestart);

    SettingDlg dialog;
    dialog.show();
    QComboBox *language = child<QComboBox>(&dialog, "comboBox_language");
    language->setCurrentIndex(language->findData(chosen));
    okButton(dialog)->click();

    const QList<MessageBox::Asked> asked = MessageBox::takeAsked();
    QCOMPARE(asked.size(), asksForRestart ? 1 : 0);
    if (asksForRestart)
        QCOMPARE(asked.first().text,
                 QStringLiteral("The language setting is successful, please restart the software to take effect"));
    QCOMPARE(AppConfig::instance().selectedLanguage(), chosen);
    QCOMPARE(AppConfig::instance().language(), 0);
}

void TestSettingDlg::neutralBrandingHidesTheLanguage_data()
{
    QTest::addColumn<QString>("branchCode");
    QTest::addColumn<bool>("hidden");

    QTest::newRow("partner device") << "23010001" << true;
    QTest::newRow("own device") << "2B010000" << false;
    QTest::newRow("no device yet") << "" << false;
}

void TestSettingDlg::neutralBrandingHidesTheLanguage()
{
    QFETCH(QString, branchCode);
    QFETCH(bool, hidden);

    AppConfig::instance().setBranchCode(branchCode);
    SettingDlg dialog;
    QCOMPARE(child<QComboBox>(&dialog, "comboBox_language")->isHidden(), hidden);
    QCOMPARE(child<QLabel>(&dialog, "label_language")->isHidden(), hidden);
}

void TestSettingDlg::chartRangesUseTheStoredCodes()
{
    AppConfig &config = AppConfig::instance();
    config.setSpo2YRange(3);
    config.setPrYRange(1);
    SettingDlg dialog;
    dialog.show();
    QComboBox *spo2 = child<QComboBox>(&dialog, "cmbSpO2YRange");
    QComboBox *pulse = child<QComboBox>(&dialog, "cmbPrYRange");
    QCOMPARE(spo2->currentText(), QStringLiteral("50-100"));
    QCOMPARE(pulse->currentText(), QStringLiteral("25-250"));

    spo2->setCurrentText(QStringLiteral("35-100"));
    pulse->setCurrentText(QStringLiteral("25-150"));
    okButton(dialog)->click();
    QCOMPARE(config.spo2YRange(), 2);
    QCOMPARE(config.prYRange(), 2);
}

void TestSettingDlg::sameDirectoryClosesWithoutMoving_data()
{
    QTest::addColumn<QString>("suffix");

    QTest::newRow("as stored") << "";
    QTest::newRow("with a trailing slash") << "/";
}

void TestSettingDlg::sameDirectoryClosesWithoutMoving()
{
    QFETCH(QString, suffix);
    storeNights();

    SettingDlg dialog;
    QSignalSpy ended(&dialog, &SettingDlg::endSetting);
    dialog.show();
    child<QLineEdit>(&dialog, "editDataDir")->setText(oldDir() + suffix);
    okButton(dialog)->click();

    QVERIFY(MessageBox::takeAsked().isEmpty());
    QVERIFY(!dialog.isMoving());
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(ended.count(), 1);
    QCOMPARE(AppConfig::instance().dataDir(), oldDir());
    QCOMPARE(RecordDatabase::instance().dataDir(), oldDir());
    for (const QString &checkTime : nights)
        QVERIFY(QFileInfo::exists(oldDir() + QStringLiteral("/SN1/") + checkTime));
}

void TestSettingDlg::refusedDirectoriesMoveNothing_data()
{
    QTest::addColumn<QString>("target");   // relative to the folder holding DATA
    QTest::addColumn<QString>("blocker");  // a plain file made first, if any
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("message");

    QTest::newRow("a subdirectory of the data directory")
        << "DATA/inner" << "" << int(QMessageBox::Information) << "Can not select subdirectory.";
    QTest::newRow("below a plain file") << "file/DATA" << "file" << int(QMessageBox::Critical)
                                        << "Please relaunch the software with administrator privileges or reselect the directory";
    QTest::newRow("a folder with a database of its own")
        << "other" << "other/db_o2.db" << int(QMessageBox::Information)
        << "The selected directory already holds a database. Please select another directory.";
}

void TestSettingDlg::refusedDirectoriesMoveNothing()
{
    QFETCH(QString, target);
    QFETCH(QString, blocker);
    QFETCH(int, icon);
    QFETCH(QString, message);
    storeNights();
    if (!blocker.isEmpty())
        QVERIFY(writeFile(m_dir->filePath(blocker), QByteArray()));

    SettingDlg dialog;
    QSignalSpy ended(&dialog, &SettingDlg::endSetting);
    dialog.show();
    const QString path = m_dir->filePath(target);
    child<QLineEdit>(&dialog, "editDataDir")->setText(path);
    okButton(dialog)->click();

    const QList<MessageBox::Asked> asked = MessageBox::takeAsked();
    QCOMPARE(asked.size(), 1);
    QCOMPARE(int(asked.first().icon), icon);
    QCOMPARE(asked.first().text, message);
    QVERIFY(dialog.isVisible());
    QVERIFY(!dialog.isMoving());
    QCOMPARE(ended.count(), 0);
    QCOMPARE(AppConfig::instance().dataDir(), oldDir());
    QCOMPARE(RecordDatabase::instance().recordList(QStringLiteral("SN1")).size(), nights.size());
    if (target.startsWith(QLatin1String("DATA/")))
        QVERIFY(!QFileInfo::exists(path));
    for (const QString &checkTime : nights)
        QVERIFY(QFileInfo::exists(oldDir() + QStringLiteral("/SN1/") + checkTime));
}

void TestSettingDlg::moveTakesEveryNightAlong()
{
    storeNights();
    const QString target = m_dir->filePath(QStringLiteral("moved/DATA"));

    SettingDlg dialog;
    QSignalSpy ended(&dialog, &SettingDlg::endSetting);
    dialog.show();
    child<QLineEdit>(&dialog, "editDataDir")->setText(target);
    okButton(dialog)->click();

    // The end of the move is reported through the event loop, so the
    // dialog is still moving here, however quick the thread was.
    QVERIFY(dialog.isMoving());
    QVERIFY(!child<QProgressBar>(&dialog, "progressBar")->isHidden());
    QVERIFY(!okButton(dialog)->isEnabled());
    QVERIFY(!dialog.close());
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(dialog.isVisible());

    QTRY_VERIFY_WITH_TIMEOUT(!dialog.isVisible(), 10000);
    QVERIFY(MessageBox::takeAsked().isEmpty());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(ended.count(), 1);
    QProgressBar *progress = child<QProgressBar>(&dialog, "progressBar");
    QCOMPARE(progress->value(), progress->maximum());

    RecordDatabase &db = RecordDatabase::instance();
    QVERIFY(db.isOpen());
    QCOMPARE(db.dataDir(), target);
    QCOMPARE(db.recordList(QStringLiteral("SN1")), QStringList({nights.at(1), nights.at(0)}));
    for (const QString &checkTime : nights) {
        QVERIFY(QFileInfo::exists(target + QStringLiteral("/SN1/") + checkTime));
        QVERIFY(!QFileInfo::exists(oldDir() + QStringLiteral("/SN1/") + checkTime));
    }
    QVERIFY(QFileInfo::exists(target + QStringLiteral("/db_o2.db")));
    QVERIFY(!QFileInfo::exists(oldDir() + QStringLiteral("/db_o2.db")));
    QCOMPARE(AppConfig::instance().dataDir(), target);
    const QSettings ini(AppConfig::instance().path(), QSettings::IniFormat);
    QCOMPARE(ini.value(QStringLiteral("dataDir")).toString(), target);
}
