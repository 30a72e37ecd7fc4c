#include "test_reportoutput.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include "appconfig.h"
#include "deviceinfo.h"
#include "messagebox.h"
#include "o2reportwidget.h"
#include "patientinfo.h"
#include "recorddatabase.h"
#include "reportfixture.h"
#include "reportoutput.h"
#include "reportpdf.h"
#include "reportprint.h"

void TestReportOutput::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

QString TestReportOutput::pdfText(const QString &pdf, int page)
{
    QProcess p;
    p.start("pdftotext", {"-f", QString::number(page), "-l", QString::number(page), "-layout", pdf, "-"});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

int TestReportOutput::pdfPages(const QString &pdf)
{
    QProcess p;
    p.start("pdfinfo", {pdf});
    if (!p.waitForFinished(30000))
        return -1;
    const auto match = QRegularExpression("Pages:\\s+(\\d+)").match(QString::fromUtf8(p.readAllStandardOutput()));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

void TestReportOutput::firstPageVariants_data()
{
    QTest::addColumn<QString>("branch");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("absent");
    QTest::newRow("unknown code") << "2B010000"
                                  << QStringList{"Sleep Report", "Drops over 3%: 12 times", "SpO2(%)", "Ratio(%)", "O2 Score: 8.7", "Physician:"}
                                  << QStringList{"Oxygen level", "Drops per hour", "1/1"};
    QTest::newRow("Brandel: bands and drops block") << "2B010102"
                                  << QStringList{"Oxygen level", "Pulse Rate", "Drops per hour: Time<1h", "Physician:"}
                                  << QStringList{"Drops over 3%: 12 times  "};
    QTest::newRow("Sonvik: bands, no physician") << "2B010103"
                                  << QStringList{"Oxygen level", "95%-100%", "%Total"}
                                  << QStringList{"Physician:", "Drops per hour"};
    QTest::newRow("oxygen-level wording") << "24010004"
                                  << QStringList{"Oxygen Level Report", "Oxygen Level:", "Oxygen Level(%)", "Oxygen Level%"}
                                  << QStringList{"SpO2"};
    QTest::newRow("pulse-only") << "27010005" << QStringList{"Pulse Rate:", "Pulse Rate(/min)", "Motion"}
                                << QStringList{"SpO2", "Ratio(%)", "O2 Score", "<90% time"};
}

void TestReportOutput::firstPageVariants()
{
    QFETCH(QString, branch);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, absent);
    const QString pdf = m_dir.filePath(branch + ".pdf");
    QVERIFY(ReportPdf::writeFile(ReportFixture::input(ReportFixture::night(3000, branch), branch), pdf));
    QCOMPARE(pdfPages(pdf), 1);
    const QString text = pdfText(pdf, 1);
    QVERIFY(text.contains("Measurement Date: Mar 5, 2024"));
    for (const QString &s : shown)
        QVERIFY2(text.contains(s), qPrintable(s + " missing in\n" + text));
    for (const QString &s : absent)
        QVERIFY2(!text.contains(s), qPrintable(s + " unexpected in\n" + text));
}

void TestReportOutput::chartPagesCarryThreeHours()
{
    const QString pdf = m_dir.filePath("seven.pdf");
    QVERIFY(ReportPdf::writeFile(ReportFixture::input(ReportFixture::night(7 * 3600), "2B010000"), pdf));
    QCOMPARE(pdfPages(pdf), 4);
    const int rows[] = {0, 3, 3, 1};
    for (int page = 1; page <= 4; ++page) {
        const QString text = pdfText(pdf, page);
        QVERIFY2(text.contains(QStringLiteral("%1/4").arg(page)), qPrintable(text));
        if (page > 1)
            QCOMPARE(text.count("Pulse Rate(/min)"), rows[page - 1]);
    }
    // Hour rows are labelled every six minutes from their hour's start.
    QVERIFY(pdfText(pdf, 2).contains("22:06"));
    QVERIFY(pdfText(pdf, 4).contains("04:54"));
    QVERIFY(pdfText(pdf, 1).contains("Duration: 7h0m0s"));
}

void TestReportOutput::toolUsesTheRecordingsPatient()
{
    const QString dataDir = m_dir.filePath("data");
    const QString sn = "BR0001";
    const QString checkTime = "20240305220000";
    QVERIFY(QDir().mkpath(dataDir + "/" + sn));
    QVERIFY(RecordDatabase::instance().openAt(dataDir));
    PatientInfo patient;
    patient.setName("Ada Quill");
    patient.setUserId("ID-42");
    patient.setPhysician("Dr. Marsh");
    patient.setRemarks("slept on the left side");
    patient.setEmpty(false);
    QVERIFY(RecordDatabase::instance().savePatientOfRecord(sn + checkTime, patient));
    RecordDatabase::instance().close();

    const QByteArray bytes = RecordingWriter::newFormat().kind(4).interval(1).start(ReportFixture::evening())
                                 .samples(QVector<RawSample>(4000, {95, 60, 0})).bytes();
    QFile file(dataDir + "/" + sn + "/" + checkTime);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    const QString pdf = m_dir.filePath("tool.pdf");
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", m_dir.path());
    env.remove("QT_QPA_PLATFORM");   // the tool picks its platform itself
    tool.setProcessEnvironment(env);
    tool.start(NOCTURNIX_TOOL, {"pdf", file.fileName(), "--branch", "2B010102", "--data-dir", dataDir, "-o", pdf});
    QVERIFY(tool.waitForFinished(60000));
    QVERIFY2(tool.exitCode() == 0, tool.readAllStandardError().constData());
    QCOMPARE(pdfPages(pdf), 2);   // 4000 s: two hour rows on one chart page
    const QString first = pdfText(pdf, 1);
    for (const char *s : {"Name: Ada Quill", "ID#: ID-42", "Physician: Dr. Marsh", "slept on the left side", "1/2"})
        QVERIFY2(first.contains(s), qPrintable(QString(s) + " missing in\n" + first));
    QVERIFY(pdfText(pdf, 2).contains("2/2"));
}

void TestReportOutput::printsOnlyTheChosenRange_data()
{
    QTest::addColumn<int>("hours");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QStringList>("pageMarks");
    QTest::newRow("pages 2-3 of 4") << 7 << 2 << 3 << QStringList{"2/4", "3/4"};
    QTest::newRow("every page") << 4 << 0 << 0 << QStringList{"1/3", "2/3", "3/3"};
    QTest::newRow("range past the end") << 4 << 3 << 9 << QStringList{"3/3"};
    QTest::newRow("one-page report") << 1 << 0 << 0 << QStringList{"Sleep Report"};
}

void TestReportOutput::printsOnlyTheChosenRange()
{
    QFETCH(int, hours);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QStringList, pageMarks);
    const QString pdf = m_dir.filePath(QStringLiteral("print-%1-%2-%3.pdf").arg(hours).arg(from).arg(to));
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    if (from > 0) {
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(from, to);
    }
    const int painted = ReportPrint::printPages(ReportFixture::input(ReportFixture::night(hours * 3600), "2B010000"), printer);
    QCOMPARE(painted, pageMarks.size());
    QCOMPARE(pdfPages(pdf), pageMarks.size());
    for (int i = 0; i < pageMarks.size(); ++i)
        QVERIFY2(pdfText(pdf, i + 1).contains(pageMarks[i]), qPrintable(pageMarks[i]));
}

void TestReportOutput::widgetPaintsOnlyExposedPages()
{
    O2ReportWidget widget(ReportFixture::input(ReportFixture::night(7 * 3600), "2B010000"));
    QCOMPARE(widget.size(), QSize(1050, 5980));
    QImage image(widget.size(), QImage::Format_ARGB32);
    widget.render(&image, QPoint(), QRegion(0, 1600, 1050, 500));
    QCOMPARE(widget.lastPaintedPages(), QVector<int>{1});
    widget.render(&image, QPoint(), QRegion(0, 2900, 1050, 200));
    QCOMPARE(widget.lastPaintedPages(), (QVector<int>{1, 2}));
    QCOMPARE(image.pixelColor(20, 100), QColor(Qt::white));   // the region lands at the image origin
}

void TestReportOutput::failedPdfWarns()
{
    MessageBox::takeAsked();
    QStatusBar status;
    const QString path = m_dir.filePath("no/such/dir/report.pdf");
    QVERIFY(!ReportOutput::savePdfTo(nullptr, ReportFixture::input(ReportFixture::night(600), "2B010000"), path, &status));
    QVERIFY(!QFile::exists(path));
    QCOMPARE(status.currentMessage(), QStringLiteral("create file failed"));
    const QList<MessageBox::Asked> asked = MessageBox::takeAsked();
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked[0].icon, QMessageBox::Warning);
    QCOMPARE(asked[0].title, QStringLiteral("warning"));
    QCOMPARE(asked[0].text, QStringLiteral("Save as PDF failed"));

    const QString good = m_dir.filePath("good.pdf");
    QVERIFY(ReportOutput::savePdfTo(nullptr, ReportFixture::input(ReportFixture::night(600), "2B010000"), good, &status));
    QCOMPARE(status.currentMessage(), QStringLiteral("save pdf completed"));
    QCOMPARE(pdfPages(good), 1);
}

void TestReportOutput::failedCsvSaysSoInStatusBar()
{
    MessageBox::takeAsked();
    QStatusBar status;
    const auto input = ReportFixture::input(ReportFixture::night(60), "2B010000");
    QVERIFY(!ReportOutput::exportCsvTo(input, m_dir.filePath("no/dir/x.csv"), &status));
    QCOMPARE(status.currentMessage(), QStringLiteral("create file failed"));
    QVERIFY(MessageBox::takeAsked().isEmpty());
    const QString path = m_dir.filePath("x.csv");
    QVERIFY(ReportOutput::exportCsvTo(input, path, &status));
    QCOMPARE(status.currentMessage(), QStringLiteral("save csv completed"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().count('\n'), 61);
}

void TestReportOutput::proposedNames_data()
{
    QTest::addColumn<QString>("branch");
    QTest::addColumn<QString>("name");
    QTest::newRow("code without model name") << "00000000" << "_20240305220000";
}

void TestReportOutput::proposedNames()
{
    QFETCH(QString, branch);
    ReportInput in;
    in.branchCode = branch;
    in.checkTime = "20240305220000";
    QTEST(ReportOutput::proposedFileName(in), "name");
}

void TestReportOutput::typedNameGetsItsExtension_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("saved");

    QTest::newRow("pdf added") << "night" << "pdf" << "night.pdf";
    QTest::newRow("csv added") << "night" << "csv" << "night.csv";
    QTest::newRow("own extension kept") << "night.pdf" << "pdf" << "night.pdf";
}

// A file saved without its extension does not open as a PDF or a table.
void TestReportOutput::typedNameGetsItsExtension()
{
    QFETCH(QString, typed);
    QFETCH(QString, suffix);
    QFETCH(QString, saved);

    AppConfig::instance().setSavePath(m_dir.path());
    bool answered = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        dialog->selectFile(typed);
        QMetaObject::invokeMethod(dialog, "accept");
        answered = true;
    });
    const QString path = ReportOutput::askFile(nullptr, ReportInput(), suffix + " File(*." + suffix + ")", suffix);
    QVERIFY(answered);
    QCOMPARE(path, m_dir.path() + "/" + saved);
}
