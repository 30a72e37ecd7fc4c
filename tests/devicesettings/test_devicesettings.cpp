#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "../comm/commfixture.h"
#include "commcontroller.h"
#include "devicesettingdlg.h"
#include "messagebox.h"
#include "recorddatabase.h"

// Rows of the model-group tables carry a whole recorder set-up.
Q_DECLARE_METATYPE(SimRecorder::Config)

namespace {

QStringList g_log;

void capture(QtMsgType, const QMessageLogContext &, const QString &message)
{
    g_log.append(message);
}

QByteArray blockA(int switches, int threshold, int low, int high, int intensity, int mode, int brightness, int avg)
{
    QByteArray payload(40, '\0');
    const int bytes[] = {switches, threshold, low, high, intensity, 0, mode, brightness, avg};
    for (int i = 0; i < 9; ++i)
        payload[i] = char(bytes[i]);
    return payload;
}

QByteArray blockB(int threshold, int high, int low, int reminder)
{
    QByteArray payload(26, '\0');
    payload[0] = char(threshold);
    payload[1] = char(high);
    payload[2] = char(low);
    payload[3] = char(reminder);
    return payload;
}

QByteArray setParam(int type, int value)
{
    QByteArray p(8, '\0');
    p[0] = char(type);
    p[4] = char(value);
    return p;
}

} // namespace

class TestDeviceSettings : public QObject
{
    Q_OBJECT

private:
    FakeClock m_clock;
    QTemporaryDir m_data;
    std::unique_ptr<CommController> m_controller;
    std::unique_ptr<DeviceSettingDlg> m_dialog;

    // The window's road to the dialog: ping, settings read, then open.
    DeviceSettingDlg &open(const SimRecorder::Config &config)
    {
        SimRecorder::configure(config);
        m_controller = std::make_unique<CommController>();
        m_controller->setLinkClock(m_clock);
        m_controller->setInterval(200);
        if (m_controller->pingDevice() != 0 || m_controller->getConfig() != 0)
            qFatal("recorder did not answer");
        m_dialog = std::make_unique<DeviceSettingDlg>(m_controller.get());
        return *m_dialog;
    }

    template<typename T>
    T *find(const char *name)
    {
        T *w = m_dialog->findChild<T *>(QLatin1String(name));
        if (!w)
            qFatal("no %s", name);
        return w;
    }
    bool shows(const char *name) { return find<QWidget>(name)->isVisibleTo(m_dialog.get()); }

    static SimRecorder::Config current(const QString &branch, const QByteArray &payload)
    {
        SimRecorder::Config c = recorder(SimRecorder::Bridge::Own, 2, false);
        c.branchCode = branch;
        c.configPayload = payload;
        return c;
    }
    static SimRecorder::Config legacy(const QString &branch, const QMap<QString, QString> &parameters)
    {
        SimRecorder::Config c = recorder(SimRecorder::Bridge::Own, 1, false);
        c.branchCode = branch;
        c.parameters = parameters;
        return c;
    }

    // Saves, and returns what the recorder received.
    QStringList saveTexts()
    {
        MessageBox::preAnswer(MessageBox::Ok);
        m_dialog->on_buttonBox_accepted();
        // The ping before the dialog set the new recorder's clock.
        QStringList texts;
        for (const QString &t : SimRecorder::state().paramTexts) {
            if (!t.contains("SetTIME"))
                texts.append(t);
        }
        return texts;
    }

private slots:
    void initTestCase()
    {
        SimRecorder::setClock([this] { return m_clock.nowMs(); }, [this](int ms) { m_clock.sleepMs(ms); });
        QVERIFY(RecordDatabase::instance().openAt(m_data.path()));
    }
    void cleanup()
    {
        m_dialog.reset();
        m_controller.reset();
        MessageBox::clearPreAnswers();
        MessageBox::takeAsked();
        qInstallMessageHandler(nullptr);
    }

    void showsTheGroupsOfItsModel_data();
    void showsTheGroupsOfItsModel();
    void blockAShowsItsBytes();
    void blockASendsOnlyWhatChanged();
    void blockBSendsInItsOrder();
    void legacySaves_data();
    void legacySaves();
    void ringWithReminderOffDisablesItsControls();
    void anotherRecorderPluggedInFailsTheSave();
    void stepSpinBoxesSnapDown();
    void unknownBuzzerValueIsLogged();
};

void TestDeviceSettings::showsTheGroupsOfItsModel_data()
{
    QTest::addColumn<SimRecorder::Config>("config");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("hidden");
    QTest::newRow("block A") << current("2D010001", blockA(0x33, 90, 50, 120, 60, 0, 1, 4))
                             << QStringList{"gBoxVibration", "gBoxSpO2", "gBoxHeartRate", "widCalcAvgTime", "widScreenMode"}
                             << QStringList{"grpBoxReminder", "widSpO2Sound", "grpNoValue", "grpMoving", "widDevVolume"};
    QTest::newRow("block B") << current("2C100000", blockB(90, 120, 50, 1))
                             << QStringList{"grpBoxReminder", "gBoxSpO2", "gBoxHeartRate"}
                             << QStringList{"gBoxVibration", "widSpO2VSwitch", "widPrVSwitch", "widScreenMode",
                                            "widScreenBrightness", "widCalcAvgTime"};
    QTest::newRow("screen-key legacy") << legacy("2B010000", {{"OxiSwitch", "1"}, {"CurBuzzer", "60"}})
                                       << QStringList{"widSpO2Sound", "widHRSound", "widDevVolume", "widScreenMode"}
                                       << QStringList{"widScreenBrightness", "grpBoxReminder", "widCalcAvgTime"};
    QTest::newRow("ring") << legacy("24010000", {{"OxiSwitch", "1"}})
                          << QStringList{"gBoxHeartRate", "widScreenMode", "widScreenBrightness"}
                          << QStringList{"widSpO2Sound", "widDevVolume", "grpNoValue"};
    QTest::newRow("baby with reminders") << legacy("27010003", {{"IvSW", "1"}, {"IvThr", "60"}})
                                         << QStringList{"gBoxSpO2", "gBoxHeartRate", "grpNoValue", "grpMoving"}
                                         << QStringList{"gBoxVibration", "widScreenMode", "widScreenBrightness"};
    QTest::newRow("pulse-only baby") << legacy("27010005", {})
                                     << QStringList{"gBoxDevice"}
                                     << QStringList{"gBoxSpO2", "gBoxHeartRate", "grpNoValue", "gBoxVibration"};
    QTest::newRow("no reminder") << legacy("23030000", {})
                                 << QStringList{"gBoxDevice"} << QStringList{"gBoxVibration", "gBoxSpO2", "gBoxHeartRate"};
}

void TestDeviceSettings::showsTheGroupsOfItsModel()
{
    QFETCH(SimRecorder::Config, config);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, hidden);
    open(config);
    for (const QString &name : shown)
        QVERIFY2(shows(name.toLatin1()), qPrintable(name));
    for (const QString &name : hidden)
        QVERIFY2(!shows(name.toLatin1()), qPrintable(name));
}

void TestDeviceSettings::blockAShowsItsBytes()
{
    open(current("2D010001", blockA(0x30, 88, 45, 130, 0, 2, 1, 4)));
    QCOMPARE(find<QComboBox>("cbBoxIntensity")->currentIndex(), 0);   // byte 4 = 0
    QVERIFY(find<QRadioButton>("radioBtnSpO2Off")->isChecked());
    QVERIFY(!find<QSpinBox>("spinBoxThreshold")->isEnabled());
    QVERIFY(find<QRadioButton>("radioBtnHROn")->isChecked());
    QCOMPARE(find<QSpinBox>("spinBoxUpThreshold")->value(), 130);
    QCOMPARE(find<QSpinBox>("spinBoxLowThreshold")->value(), 45);
    QCOMPARE(find<QComboBox>("cbBoxMode")->currentIndex(), 1);
    QCOMPARE(find<QComboBox>("cmbCalcAvgTime")->currentData().toInt(), 4);
}

void TestDeviceSettings::blockASendsOnlyWhatChanged()
{
    open(current("2D010001", blockA(0x33, 90, 50, 120, 0, 0, 1, 1)));
    // Unchanged: nothing is written, not even the intensity its 0 showed as.
    MessageBox::preAnswer(MessageBox::Ok);
    m_dialog->on_buttonBox_accepted();
    QVERIFY(SimRecorder::state().setParams.isEmpty());

    open(current("2D010001", blockA(0x33, 90, 50, 120, 60, 0, 1, 1)));
    find<QSpinBox>("spinBoxThreshold")->setValue(92);
    MessageBox::preAnswer(MessageBox::Ok);
    m_dialog->on_buttonBox_accepted();
    QCOMPARE(SimRecorder::state().setParams, QList<QByteArray>{setParam(2, 92)});
    QCOMPARE(MessageBox::takeAsked().last().text, QString("Save successed."));
}

void TestDeviceSettings::blockBSendsInItsOrder()
{
    open(current("2C100002", blockB(90, 120, 50, 1)));
    find<QRadioButton>("rdoReminderOff")->setChecked(true);
    find<QSpinBox>("spinBoxThreshold")->setValue(95);
    find<QSpinBox>("spinBoxUpThreshold")->setValue(150);
    find<QSpinBox>("spinBoxLowThreshold")->setValue(40);
    MessageBox::preAnswer(MessageBox::Ok);
    m_dialog->on_buttonBox_accepted();
    QCOMPARE(SimRecorder::state().setParams,
             (QList<QByteArray>{setParam(4, 0), setParam(1, 95), setParam(2, 150), setParam(3, 40)}));
}

void TestDeviceSettings::legacySaves_data()
{
    QTest::addColumn<SimRecorder::Config>("config");
    QTest::addColumn<QStringList>("sent");
    const QMap<QString, QString> common{{"CurOxiThr", "88"}, {"CurMotor", "60"}, {"HRSwitch", "0"},
                                        {"HRLowThr", "50"}, {"HRHighThr", "120"}, {"LightingMode", "0"}, {"LightStr", "1"}};
    auto with = [&common](std::initializer_list<std::pair<const char *, const char *>> extra) {
        QMap<QString, QString> m = common;
        for (const auto &e : extra)
            m.insert(e.first, e.second);
        return m;
    };
    QTest::newRow("screen-key: reminder on, sound off")
        << legacy("2B010000", with({{"OxiSwitch", "1"}, {"CurBuzzer", "60"}}))
        << QStringList{R"({"SetBuzzer":"60","SetHRSwitch":"0","SetLightingMode":"0","SetMotor":"60","SetOxiSwitch":"1","SetOxiThr":"88"})"};
    QTest::newRow("ring with reminder off")
        << legacy("24010000", with({{"OxiSwitch", "0"}}))
        << QStringList{R"({"SetHRSwitch":"0","SetLightStr":"1","SetLightingMode":"0","SetMotor":"60","SetOxiSwitch":"0"})"};
    QTest::newRow("volume: motor table value")
        << legacy("27010000", with({{"CurMotor", "17"}}))
        << QStringList{R"({"SetMotor":"17","SetOxiThr":"88"})"};
    QTest::newRow("steps of 20 read, steps of 20 written")
        << legacy("28010000", with({}))
        << QStringList{R"({"SetMotor":"60","SetOxiThr":"88"})"};
    QTest::newRow("pulse-only baby") << legacy("27010006", with({})) << QStringList{R"({"SetSpO2SW":"0"})"};
    QTest::newRow("nothing editable sends nothing") << legacy("2B010105", with({})) << QStringList{};
}

void TestDeviceSettings::legacySaves()
{
    QFETCH(SimRecorder::Config, config);
    QFETCH(QStringList, sent);
    open(config);
    QCOMPARE(saveTexts(), sent);
}

void TestDeviceSettings::ringWithReminderOffDisablesItsControls()
{
    open(legacy("24010000", {{"OxiSwitch", "0"}, {"CurMotor", "40"}}));
    QVERIFY(find<QRadioButton>("radioBtnSpO2Off")->isChecked());
    QVERIFY(!find<QSpinBox>("spinBoxThreshold")->isEnabled());
    QVERIFY(!find<QComboBox>("cbBoxIntensity")->isEnabled());
    find<QRadioButton>("radioBtnSpO2On")->click();
    QVERIFY(find<QSpinBox>("spinBoxThreshold")->isEnabled());
    QVERIFY(find<QComboBox>("cbBoxIntensity")->isEnabled());
}

void TestDeviceSettings::anotherRecorderPluggedInFailsTheSave()
{
    open(current("2D010001", blockA(0x33, 90, 50, 120, 60, 0, 1, 1)));
    find<QSpinBox>("spinBoxThreshold")->setValue(92);
    SimRecorder::config().serialNumber = QStringLiteral("OTHER001");
    MessageBox::preAnswer(MessageBox::Ok);
    m_dialog->on_buttonBox_accepted();
    QVERIFY(SimRecorder::state().setParams.isEmpty());
    QCOMPARE(MessageBox::takeAsked().last().text, QString("Save failed"));
    QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
    QVERIFY(!m_dialog->isBusy());
}

void TestDeviceSettings::stepSpinBoxesSnapDown()
{
    open(current("2D010001", blockA(0x33, 90, 50, 120, 60, 0, 1, 1)));
    QSpinBox *low = find<QSpinBox>("spinBoxLowThreshold");
    QCOMPARE(low->minimum(), 30);
    low->setValue(57);
    QCOMPARE(low->value(), 55);
    QSpinBox *high = find<QSpinBox>("spinBoxUpThreshold");
    high->setValue(87);
    QCOMPARE(high->value(), 85);
    high->setValue(199);
    QCOMPARE(high->value(), 195);
    low->setValue(12);
    QCOMPARE(low->value(), 30);
}

void TestDeviceSettings::unknownBuzzerValueIsLogged()
{
    g_log.clear();
    qInstallMessageHandler(capture);
    open(legacy("2B010000", {{"CurBuzzer", "50"}}));
    QVERIFY(!g_log.filter("[ERR] cmb idx").isEmpty());
    QCOMPARE(find<QComboBox>("cmbVolume")->currentIndex(), -1);
}


int main(int argc, char *argv[])
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("nocturnix.*.debug=false"));
    TestDeviceSettings test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_devicesettings.moc"

