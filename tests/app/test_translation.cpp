#include "test_app.h"

#include "appconfig.h"
#include "appshell.h"

#include <QFile>
#include <QLocale>
#include <QTest>
#include <QTranslator>

void TestTranslation::pathFromLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("path");

    QTest::newRow("0 English") << 0 << ":/translations/en.qm";
    QTest::newRow("1 Chinese") << 1 << ":/translations/cn.qm";
    QTest::newRow("2 German") << 2 << ":/translations/de.qm";
    QTest::newRow("3 Italian") << 3 << ":/translations/it.qm";
    QTest::newRow("4 Spanish") << 4 << ":/translations/es.qm";
    QTest::newRow("5 French") << 5 << ":/translations/fr.qm";
    QTest::newRow("-1 untranslated") << -1 << QString();
    QTest::newRow("6 untranslated") << 6 << QString();
}

void TestTranslation::pathFromLanguage()
{
    QFETCH(int, language);
    QFETCH(QString, path);

    QCOMPARE(AppShell::translationPath(language), path);
    if (!path.isEmpty())
        QVERIFY2(QFile::exists(path), "translation not compiled in");
}

void TestTranslation::firstStartFollowsLocale_data()
{
    QTest::addColumn<bool>("firstStart");
    QTest::addColumn<int>("savedLanguage");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("unit");

    const QLocale china(QLocale::Chinese, QLocale::China);
    const QLocale taiwan(QLocale::Chinese, QLocale::TraditionalChineseScript, QLocale::Taiwan);
    const QLocale germany(QLocale::German, QLocale::Germany);
    QTest::newRow("first start in China: Chinese and metric") << true << 0 << china << ":/translations/cn.qm" << 1 << 1;
    QTest::newRow("first start in Taiwan: Chinese and metric") << true << 0 << taiwan << ":/translations/cn.qm" << 1 << 1;
    QTest::newRow("first start elsewhere: untranslated") << true << 0 << germany << QString() << 0 << 0;
    QTest::newRow("later start keeps the setting") << false << 2 << china << ":/translations/de.qm" << 2 << 0;
    QTest::newRow("later start, unknown setting") << false << 6 << germany << QString() << 6 << 0;
}

void TestTranslation::firstStartFollowsLocale()
{
    QFETCH(bool, firstStart);
    QFETCH(int, savedLanguage);
    QFETCH(QLocale, locale);
    QFETCH(QString, path);
    QFETCH(int, language);
    QFETCH(int, unit);

    AppConfig config(QStringLiteral("unused.ini"));
    config.setFirstStart(firstStart);
    config.setLanguage(savedLanguage);
    config.setSelectedLanguage(savedLanguage);
    config.setDefaultPatientUnit(0);

    QCOMPARE(AppShell::chooseTranslation(config, locale), path);
    QCOMPARE(config.language(), language);
    QCOMPARE(config.selectedLanguage(), language);
    QCOMPARE(config.defaultPatientUnit(), unit);
}

void TestTranslation::chineseTranslationLoads()
{
    QTranslator translator;
    QVERIFY(translator.load(AppShell::translationPath(1)));
}
