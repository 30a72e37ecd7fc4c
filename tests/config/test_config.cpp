#include "test_config.h"

#include "appconfig.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QThread>

#include <functional>
#include <vector>

namespace {
// A few getters by key, so that tables can name the value they check.
QVariant valueOf(const AppConfig &c, const QString &key)
{
    static const QHash<QString, std::function<QVariant(const AppConfig &)>> getters = {
        {"isMaxSized", [](const AppConfig &c) { return QVariant(c.isMaxSized()); }},
        {"isFirstStart", [](const AppConfig &c) { return QVariant(c.isFirstStart()); }},
        {"isAutoSyncData", [](const AppConfig &c) { return QVariant(c.isAutoSyncData()); }},
        {"mainwindowSize", [](const AppConfig &c) { return QVariant(c.mainWindowSize()); }},
        {"mainwindowPos", [](const AppConfig &c) { return QVariant(c.mainWindowPos()); }},
        {"hidInterval", [](const AppConfig &c) { return QVariant(c.hidInterval()); }},
        {"dataDir", [](const AppConfig &c) { return QVariant(c.dataDir()); }},
        {"Language", [](const AppConfig &c) { return QVariant(c.language()); }},
        {"SpO2YRange", [](const AppConfig &c) { return QVariant(c.spo2YRange()); }},
        {"PrYRange", [](const AppConfig &c) { return QVariant(c.prYRange()); }},
        {"isEmpty", [](const AppConfig &c) { return QVariant(c.defaultPatient().isEmpty()); }},
        {"sex", [](const AppConfig &c) { return QVariant(c.defaultPatient().sex()); }},
        {"height", [](const AppConfig &c) { return QVariant(c.defaultPatient().height()); }},
        {"weight", [](const AppConfig &c) { return QVariant(c.defaultPatient().weight()); }},
        {"unit", [](const AppConfig &c) { return QVariant(c.defaultPatientUnit()); }},
    };
    return getters.value(key)(c);
}

AppConfig *loaded(const QString &path)
{
    auto *config = new AppConfig(path);
    config->load();
    return config;
}
} // namespace

void TestConfig::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
}

QString TestConfig::writeIni(const QByteArray &lines)
{
    const QString path = m_dir->filePath(QStringLiteral("config.ini"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write("[General]\n" + lines) < 0)
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void TestConfig::freshInstallationDefaults()
{
    AppConfig config(m_dir->filePath(QStringLiteral("config.ini")));
    QVERIFY(config.load());

    const QString appData = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QVERIFY(appData.contains(QStringLiteral(".qttest")));
    QCOMPARE(AppConfig::appDataDir(), appData);
    QCOMPARE(AppConfig::defaultPath(), appData + QStringLiteral("/config.ini"));

    QVERIFY(config.isMaxSized());
    QVERIFY(!config.mainWindowSize().isValid());
    QCOMPARE(config.mainWindowPos(), QPoint(0, 0));
    QCOMPARE(config.dataDir(), appData + QStringLiteral("/DATA"));
    QCOMPARE(config.savePath(), appData);
    QCOMPARE(config.hidInterval(), 200);
    QVERIFY(config.isFirstStart());
    QVERIFY(config.isImperial());
    QVERIFY(!config.isAutoSyncData());
    QCOMPARE(config.user(), QString());
    QCOMPARE(config.password(), QString());
    QCOMPARE(config.branchCode(), QString());
    QCOMPARE(config.language(), 0);
    QCOMPARE(config.selectedLanguage(), 0);
    QCOMPARE(config.translationName(), QStringLiteral("en"));
    QCOMPARE(config.spo2YRange(), 4);  // "70-100"
    QCOMPARE(config.prYRange(), 2);    // "25-150"

    const PatientInfo &patient = config.defaultPatient();
    QVERIFY(patient.isEmpty());
    QCOMPARE(patient.name(), QString());
    QCOMPARE(patient.userId(), QString());
    QCOMPARE(patient.sex(), 0);
    QVERIFY(!patient.birthday().isValid());
    QCOMPARE(patient.height(), 160.5);
    QCOMPARE(patient.weight(), 160.5);
    QCOMPARE(patient.physician(), QString());
    QCOMPARE(config.defaultPatientUnit(), int(PatientInfo::Imperial));
}

void TestConfig::firstStartUnit_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<int>("unit");

    QTest::newRow("fresh, Chinese: metric") << QByteArray("Language=1\n") << 1;
    QTest::newRow("fresh, German: imperial") << QByteArray("Language=2\n") << 0;
    QTest::newRow("fresh, unknown language 7: imperial") << QByteArray("Language=7\n") << 0;
    QTest::newRow("first start ignores a stored metric unit")
        << QByteArray("isFirstStart=true\nLanguage=0\nunit=1\n") << 0;
    QTest::newRow("first start ignores a stored imperial unit")
        << QByteArray("isFirstStart=true\nLanguage=1\nunit=0\n") << 1;
    QTest::newRow("later start reads the unit") << QByteArray("isFirstStart=false\nLanguage=0\nunit=1\n") << 1;
    QTest::newRow("later start, Chinese, no unit key: imperial")
        << QByteArray("isFirstStart=false\nLanguage=1\n") << 0;
}

void TestConfig::firstStartUnit()
{
    QFETCH(QByteArray, ini);
    QFETCH(int, unit);

    AppConfig config(writeIni(ini));
    QVERIFY(config.load());
    QCOMPARE(config.defaultPatientUnit(), unit);
}

void TestConfig::languageLookups_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("translation");
    QTest::addColumn<QString>("dateFormat");
    QTest::addColumn<QLocale::Language>("locale");

    const QString english = QStringLiteral("MMM d, yyyy");
    QTest::newRow("0 English") << 0 << "en" << english << QLocale::English;
    QTest::newRow("1 Chinese") << 1 << "zh_CN" << "yyyy-MM-dd" << QLocale::Chinese;
    QTest::newRow("2 German") << 2 << "de" << english << QLocale::English;
    QTest::newRow("3 Italian") << 3 << "it" << english << QLocale::English;
    QTest::newRow("4 Spanish") << 4 << "es" << english << QLocale::English;
    QTest::newRow("5 French") << 5 << "fr" << english << QLocale::English;
    QTest::newRow("7 behaves as English") << 7 << "en" << english << QLocale::English;
    QTest::newRow("-1 behaves as English") << -1 << "en" << english << QLocale::English;
}

void TestConfig::languageLookups()
{
    QFETCH(int, language);
    QFETCH(QString, translation);
    QFETCH(QString, dateFormat);
    QFETCH(QLocale::Language, locale);

    // Loaded from a file, as the program meets it.
    AppConfig config(writeIni("isFirstStart=false\nLanguage=" + QByteArray::number(language) + '\n'));
    QVERIFY(config.load());
    QCOMPARE(config.language(), language);
    QCOMPARE(config.translationName(), translation);
    QCOMPARE(config.dateFormat(), dateFormat);
    QCOMPARE(config.dateLocaleLanguage(), locale);
    QCOMPARE(config.dateLocale().language(), locale);
}

void TestConfig::saveWritesTheSelectedLanguage()
{
    const QString path = m_dir->filePath(QStringLiteral("config.ini"));
    AppConfig config(path);
    config.setLanguage(0);
    config.setSelectedLanguage(2);
    QVERIFY(config.save());

    // The change waits for the next start: the running program keeps English.
    QCOMPARE(config.translationName(), QStringLiteral("en"));
    QCOMPARE(QSettings(path, QSettings::IniFormat).value(QStringLiteral("Language")).toInt(), 2);
    QScopedPointer<AppConfig> next(loaded(path));
    QCOMPARE(next->language(), 2);
    QCOMPARE(next->selectedLanguage(), 2);
}

void TestConfig::roundTripKeepsEveryValue()
{
    const QString path = m_dir->filePath(QStringLiteral("sub/dir/config.ini"));
    AppConfig config(path);
    config.setMaxSized(false);
    config.setMainWindowSize(QSize(1024, 700));
    config.setMainWindowPos(QPoint(-8, 40));
    config.setSavePath(QStringLiteral("/home/ann/reports"));
    config.setHidInterval(150);
    config.setDataDir(QStringLiteral("/srv/nights, old"));
    config.setFirstStart(false);
    config.setImperial(false);
    config.setUser(QStringLiteral("ann@example.org"));
    config.setPassword(QStringLiteral("p=w;d,\"x\""));
    config.setBranchCode(QStringLiteral("2B010000"));
    config.setAutoSyncData(true);
    config.setLanguage(5);
    config.setSelectedLanguage(5);
    config.setSpo2YRange(1);
    config.setPrYRange(1);
    PatientInfo &patient = config.defaultPatient();
    patient.setEmpty(false);
    patient.setName(QStringLiteral("Ann Lee"));
    patient.setUserId(QStringLiteral("ID-7"));
    patient.setSex(1);
    patient.setBirthday(QDate(1980, 5, 12));
    patient.setHeight(172.5);
    patient.setWeight(63.25);
    patient.setPhysician(QStringLiteral("Dr. Moss"));
    patient.setUnit(PatientInfo::Metric);
    QVERIFY(config.save());

    QScopedPointer<AppConfig> back(loaded(path));
    QVERIFY(!back->isMaxSized());
    QCOMPARE(back->mainWindowSize(), QSize(1024, 700));
    QCOMPARE(back->mainWindowPos(), QPoint(-8, 40));
    QCOMPARE(back->savePath(), QStringLiteral("/home/ann/reports"));
    QCOMPARE(back->hidInterval(), 150);
    QCOMPARE(back->dataDir(), QStringLiteral("/srv/nights, old"));
    QVERIFY(!back->isFirstStart());
    QVERIFY(!back->isImperial());
    QCOMPARE(back->user(), QStringLiteral("ann@example.org"));
    QCOMPARE(back->password(), QStringLiteral("p=w;d,\"x\""));
    QCOMPARE(back->branchCode(), QStringLiteral("2B010000"));
    QVERIFY(back->isAutoSyncData());
    QCOMPARE(back->language(), 5);
    QCOMPARE(back->spo2YRange(), 1);
    QCOMPARE(back->prYRange(), 1);
    const PatientInfo &p = back->defaultPatient();
    QVERIFY(!p.isEmpty());
    QCOMPARE(p.name(), QStringLiteral("Ann Lee"));
    QCOMPARE(p.userId(), QStringLiteral("ID-7"));
    QCOMPARE(p.sex(), 1);
    QCOMPARE(p.birthday(), QDate(1980, 5, 12));
    QCOMPARE(p.height(), 172.5);
    QCOMPARE(p.weight(), 63.25);
    QCOMPARE(p.physician(), QStringLiteral("Dr. Moss"));
    QCOMPARE(p.unit(), int(PatientInfo::Metric));

    // The key names are what existing files hold.
    QSettings ini(path, QSettings::IniFormat);
    QCOMPARE(ini.value(QStringLiteral("birthday")).toString(), QStringLiteral("1980/05/12"));
    QCOMPARE(ini.value(QStringLiteral("usr")).toString(), QStringLiteral("ann@example.org"));
    QCOMPARE(ini.value(QStringLiteral("userID")).toString(), QStringLiteral("ID-7"));
    QCOMPARE(ini.value(QStringLiteral("mainwindowSize")).toSize(), QSize(1024, 700));
    QCOMPARE(ini.value(QStringLiteral("SpO2YRange")).toInt(), 1);
    QCOMPARE(ini.value(QStringLiteral("isMaxSized")).toString(), QStringLiteral("false"));
}

void TestConfig::defaultPatientBirthdayRoundTrip_data()
{
    QTest::addColumn<QDate>("birthday");

    QTest::newRow("ordinary date") << QDate(1980, 5, 12);
    QTest::newRow("single-digit month and day") << QDate(2001, 2, 3);
    QTest::newRow("leap day") << QDate(2000, 2, 29);
    QTest::newRow("no birthday") << QDate();
}

void TestConfig::defaultPatientBirthdayRoundTrip()
{
    QFETCH(QDate, birthday);

    const QString path = m_dir->filePath(QStringLiteral("config.ini"));
    AppConfig config(path);
    config.defaultPatient().setBirthday(birthday);
    QVERIFY(config.save());

    QScopedPointer<AppConfig> back(loaded(path));
    QCOMPARE(back->defaultPatient().birthday(), birthday);
}

void TestConfig::birthdayReadToleratesPunctuation_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QDate>("birthday");

    const QDate may12(1980, 5, 12);
    QTest::newRow("slashes as written") << QByteArray("1980/05/12") << may12;
    QTest::newRow("dashes") << QByteArray("1980-05-12") << may12;
    QTest::newRow("dots") << QByteArray("1980.05.12") << may12;
    QTest::newRow("mixed") << QByteArray("1980_05:12") << may12;
    QTest::newRow("commas") << QByteArray("1980,05,12") << may12;
    QTest::newRow("no separators") << QByteArray("19800512") << QDate();
    QTest::newRow("letter separator") << QByteArray("1980x05x12") << QDate();
    QTest::newRow("space separator") << QByteArray("\"1980 05 12\"") << QDate();
    QTest::newRow("single-digit month") << QByteArray("1980/5/12") << QDate();
    QTest::newRow("two-digit year") << QByteArray("80/05/12") << QDate();
    QTest::newRow("no such day") << QByteArray("1980/02/30") << QDate();
    QTest::newRow("empty") << QByteArray("") << QDate();
}

void TestConfig::birthdayReadToleratesPunctuation()
{
    QFETCH(QByteArray, stored);
    QFETCH(QDate, birthday);

    AppConfig config(writeIni("birthday=" + stored + '\n'));
    QVERIFY(config.load());
    QCOMPARE(config.defaultPatient().birthday(), birthday);
}

void TestConfig::wrongTypesReadAsNull_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value");

    QTest::newRow("word for a bool") << QByteArray("isMaxSized=banana\n") << "isMaxSized" << QVariant(false);
    QTest::newRow("yes for a bool") << QByteArray("isFirstStart=yes\n") << "isFirstStart" << QVariant(false);
    QTest::newRow("maybe for a bool") << QByteArray("isEmpty=maybe\n") << "isEmpty" << QVariant(false);
    QTest::newRow("bool written as 1") << QByteArray("isAutoSyncData=1\n") << "isAutoSyncData" << QVariant(true);
    QTest::newRow("word for an int") << QByteArray("SpO2YRange=high\n") << "SpO2YRange" << QVariant(0);
    QTest::newRow("fraction for an int") << QByteArray("PrYRange=2.5\n") << "PrYRange" << QVariant(0);
    QTest::newRow("trailing unit on an int") << QByteArray("hidInterval=200ms\n") << "hidInterval" << QVariant(0);
    QTest::newRow("name for the language") << QByteArray("Language=de\n") << "Language" << QVariant(0);
    QTest::newRow("letter for the sex") << QByteArray("sex=f\n") << "sex" << QVariant(0);
    QTest::newRow("word for a double") << QByteArray("height=tall\n") << "height" << QVariant(0.0);
    QTest::newRow("NaN for a double") << QByteArray("weight=nan\n") << "weight" << QVariant(0.0);
    QTest::newRow("text for a size") << QByteArray("mainwindowSize=800x600\n") << "mainwindowSize" << QVariant(QSize());
    QTest::newRow("size for a point") << QByteArray("mainwindowPos=@Size(3 4)\n") << "mainwindowPos"
                                      << QVariant(QPoint());
    QTest::newRow("size for a text") << QByteArray("dataDir=@Size(3 4)\n") << "dataDir" << QVariant(QString());
    QTest::newRow("word for the unit") << QByteArray("isFirstStart=false\nunit=metric\n") << "unit" << QVariant(0);
}

void TestConfig::wrongTypesReadAsNull()
{
    QFETCH(QByteArray, ini);
    QFETCH(QString, key);
    QFETCH(QVariant, value);

    AppConfig config(writeIni(ini));
    QVERIFY(config.load());
    QCOMPARE(valueOf(config, key), value);
}

void TestConfig::saveFailureIsReported()
{
    // A plain file where the directory should be: nothing can be written.
    const QString blocker = m_dir->filePath(QStringLiteral("blocker"));
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    AppConfig config(blocker + QStringLiteral("/config.ini"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^config file not written")));
    QVERIFY(!config.save());
}

void TestConfig::instanceIsOneObjectFromAnyThread()
{
    QVERIFY(QDir().mkpath(AppConfig::appDataDir()));
    QFile file(AppConfig::defaultPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[General]\nisFirstStart=false\nLanguage=3\n");
    file.close();

    // The first call comes from workers racing each other, none from here.
    std::vector<AppConfig *> seen(4, nullptr);
    std::vector<QThread *> threads;
    for (AppConfig *&slot : seen)
        threads.push_back(QThread::create([&slot] { slot = &AppConfig::instance(); }));
    for (QThread *t : threads)
        t->start();
    for (QThread *t : threads) {
        QVERIFY(t->wait(10000));
        delete t;
    }

    AppConfig &config = AppConfig::instance();
    for (AppConfig *p : seen)
        QCOMPARE(p, &config);
    QCOMPARE(config.path(), AppConfig::defaultPath());
    QCOMPARE(config.language(), 3);
    QCOMPARE(config.defaultPatient().thread(), QCoreApplication::instance()->thread());
}
