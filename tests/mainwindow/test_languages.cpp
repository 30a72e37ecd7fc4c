#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

#include "appconfig.h"
#include "appshell.h"
#include "fakecontroller.h"
#include "fixture.h"
#include "mainwindow.h"
#include "oxidatacontroller.h"
#include "reportinput.h"
#include "reportpdf.h"
#include "test_mainwindow.h"

namespace {

QString buttonText(MainWindow &w, const char *name)
{
    auto *button = w.findChild<QPushButton *>(QString::fromLatin1(name));
    return button ? button->text() : QStringLiteral("(no %1)").arg(QLatin1String(name));
}

QString firstPageText(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {"-f", "1", "-l", "1", pdf, "-"});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QString();
    // Lines are what the page shows; the layout's spaces are not.
    return QString::fromUtf8(p.readAllStandardOutput()).simplified();
}

} // namespace

void TestLanguages::cleanup()
{
    AppConfig::instance().setLanguage(0);
}

void TestLanguages::windowAndReportInTheChosenLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("buttons");   // Download, Options, Save as PDF
    QTest::addColumn<QStringList>("report");    // title, date label, table header, date

    QTest::newRow("English") << 0 << QStringList{"Download", "Options", "Save as PDF"}
                             << QStringList{"Sleep Report", "Measurement Date:", "Highest", "Mar 5, 2024"};
    QTest::newRow("Chinese") << 1 << QStringList{"下载", "选项", "另存为PDF"}
                             << QStringList{"睡眠报告", "测量日期：", "最高", "2024-03-05"};
    QTest::newRow("German") << 2 << QStringList{"Auslesen", "Optionen", "PDF speichern"}
                            << QStringList{"Schlafbericht", "Messdatum:", "Höchstwert", "Mar 5, 2024"};
    QTest::newRow("Italian") << 3 << QStringList{"Scarica", "Opzioni", "Salva PDF"}
                             << QStringList{"Report del sonno", "Data misurazione:", "Massimo", "Mar 5, 2024"};
    QTest::newRow("Spanish") << 4 << QStringList{"Descargar", "Opciones", "Guardar como PDF"}
                             << QStringList{"Informe de sueño", "Fecha de medición:", "Máximo", "Mar 5, 2024"};
    // French puts a no-break space before the colon; the page text is read
    // with every space made plain.
    QTest::newRow("French") << 5 << QStringList{"Télécharger", "Options", "Enregistrer en PDF"}
                            << QStringList{"Rapport de sommeil", "Date de mesure :", "Maximum", "Mar 5, 2024"};
}

// The language chosen in Options takes effect at the next start: the same
// start-up step installs the translation before the window is built.
void TestLanguages::windowAndReportInTheChosenLanguage()
{
    QFETCH(int, language);
    QFETCH(QStringList, buttons);
    QFETCH(QStringList, report);

    AppConfig &config = AppConfig::instance();
    config.setFirstStart(false);
    config.setLanguage(language);
    QTranslator translator;
    QVERIFY(AppShell::loadTranslation(translator));
    // Qt's own buttons and dialogs follow, except in English.
    QTranslator qtTranslator;
    QCOMPARE(AppShell::loadQtTranslation(qtTranslator), language != 0);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel") != QLatin1String("Cancel"), language != 0);

    DataFixture data;
    MainWindow w(new FakeController);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE((QStringList{buttonText(w, "pushButton_Download"), buttonText(w, "btnSetting"),
                          buttonText(w, "pushButton_pdf")}),
             buttons);

    QSharedPointer<OxiDataController> night(new OxiDataController);
    const QByteArray bytes = RecordingWriter::newFormat()
                                 .kind(4)
                                 .start(QDateTime(QDate(2024, 3, 5), QTime(22, 0)))
                                 .spo2(QVector<int>(600, 95))
                                 .summary(96, 95, 3, 1, 0, 88, 61)
                                 .bytes();
    QVERIFY(night->parseBytes(bytes, QStringLiteral("2B010000"), QStringLiteral("fixture")));
    ReportInput input = ReportInput::fromOpenRecording(night, nullptr);
    input.branchCode = QStringLiteral("2B010000");
    input.checkTime = QStringLiteral("20240305220000");
    const QString pdf = data.path() + QStringLiteral("/report.pdf");
    QVERIFY(ReportPdf::writeFile(input, pdf));
    const QString page = firstPageText(pdf);
    for (const QString &text : report)
        QVERIFY2(page.contains(text), qPrintable(QStringLiteral("\"%1\" not on page 1: %2").arg(text, page)));

    QCoreApplication::removeTranslator(&qtTranslator);
    QCoreApplication::removeTranslator(&translator);
}
