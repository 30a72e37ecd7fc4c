#include "test_reporttexts.h"

#include <QSharedPointer>
#include <QTest>

#include "chartaxis.h"
#include "chartpainter.h"
#include "oxidatacontroller.h"
#include "reporthelper.h"
#include "reporttexts.h"

namespace {

QSharedPointer<OxiDataController> counts(int duration, int drops3, int drops4)
{
    QSharedPointer<OxiDataController> night(new OxiDataController);
    night->duration = duration;
    night->drops3 = drops3;
    night->drops4 = drops4;
    return night;
}

} // namespace

void TestReportTexts::pageCount_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<int>("pages");
    QTest::newRow("empty recording") << 0 << 1;
    QTest::newRow("exactly one hour") << 3600 << 1;
    QTest::newRow("one second past the hour") << 3601 << 2;
    QTest::newRow("seven hours: 3+3+1 rows") << 7 * 3600 << 4;
    QTest::newRow("nine hours fill three pages") << 9 * 3600 << 4;
    QTest::newRow("a second into hour ten") << 9 * 3600 + 1 << 5;
}

void TestReportTexts::pageCount()
{
    QFETCH(int, seconds);
    QFETCH(int, pages);
    QCOMPARE(ReportHelper::pageCountFor(seconds), pages);
}

void TestReportTexts::formatDuration_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("negative") << -1 << "Unknown";
    QTest::newRow("zero") << 0 << "0s";
    QTest::newRow("59 s") << 59 << "59s";
    QTest::newRow("61 s") << 61 << "1m1s";
    QTest::newRow("one hour") << 3600 << "1h0m0s";
    QTest::newRow("no leading zeros") << 36061 << "10h1m1s";
}

void TestReportTexts::formatDuration()
{
    QFETCH(int, seconds);
    QFETCH(QString, text);
    QCOMPARE(ReportTexts::formatDuration(seconds), text);
}

void TestReportTexts::dropTexts_data()
{
    QTest::addColumn<int>("duration");
    QTest::addColumn<int>("drops3");
    QTest::addColumn<int>("drops4");
    QTest::addColumn<QString>("text3");
    QTest::addColumn<QString>("text4");
    QTest::newRow("wrapped 3% counter") << 1800 << 120 << 200 << "Drops over 3%: >250 times"
                                        << "Drops over 4%: 200 times";
    QTest::newRow("3% over the cap") << 1800 << 251 << 100 << "Drops over 3%: >250 times"
                                     << "Drops over 4%: 100 times";
    QTest::newRow("4% count 150 is no wrap") << 1800 << 10 << 150 << "Drops over 3%: 10 times"
                                             << "Drops over 4%: 150 times";
    QTest::newRow("4% over the cap") << 1800 << 255 << 251 << "Drops over 3%: >250 times"
                                     << "Drops over 4%: >250 times";
    QTest::newRow("50 minutes: no rates") << 3000 << 12 << 5 << "Drops over 3%: 12 times"
                                          << "Drops over 4%: 5 times";
    QTest::newRow("two hours: rates per hour") << 7200 << 12 << 5 << "Drops over 3%: 12 times  6.0/h"
                                               << "Drops over 4%: 5 times  2.5/h";
    QTest::newRow("capped rate is a lower bound") << 36000 << 120 << 200 << "Drops over 3%: >250 times  >25.0/h"
                                                  << "Drops over 4%: 200 times  20.0/h";
}

void TestReportTexts::dropTexts()
{
    QFETCH(int, duration);
    QFETCH(int, drops3);
    QFETCH(int, drops4);
    const auto night = counts(duration, drops3, drops4);
    QTEST(ReportTexts::dropsOverText(*night, 3, true), "text3");
    QTEST(ReportTexts::dropsOverText(*night, 4, true), "text4");
}

void TestReportTexts::dropsPerHour_data()
{
    QTest::addColumn<int>("duration");
    QTest::addColumn<QString>("text");
    QTest::newRow("50 minutes") << 3000 << "Drops per hour: Time<1h";
    QTest::newRow("two hours, 5 drops") << 7200 << "Drops per hour:2.5/h";
}

void TestReportTexts::dropsPerHour()
{
    QFETCH(int, duration);
    QTEST(ReportTexts::dropsPerHourText(*counts(duration, 9, 5), 4), "text");
}

void TestReportTexts::o2Score_data()
{
    QTest::addColumn<int>("tenths");
    QTest::addColumn<QString>("text");
    QTest::newRow("not in the file") << 255 << "O2 Score: --";
    QTest::newRow("one decimal") << 873 << "O2 Score: 87.3";
    QTest::newRow("whole score keeps its decimal") << 900 << "O2 Score: 90.0";
}

void TestReportTexts::o2Score()
{
    QFETCH(int, tenths);
    OxiDataController night;
    night.o2Score = tenths;
    QTEST(ReportTexts::o2ScoreText(night), "text");
}

void TestReportTexts::chartAxis_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("range");
    QTest::addColumn<double>("bottom");
    QTest::addColumn<double>("top");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QList<int>>("major");
    QTest::addColumn<QList<int>>("minor");
    using L = QList<int>;
    QTest::newRow("SpO2 70-100") << "spo2" << 4 << 70.0 << 100.0 << QStringList{"100", "90", "80", "70"}
                                 << L{70, 80, 90, 100} << L{72, 74, 76, 78, 82, 88, 98};
    QTest::newRow("SpO2 50-100") << "spo2" << 3 << 50.0 << 100.0 << QStringList{"100", "90", "70", "50"}
                                 << L{50, 70, 90, 100} << L{52, 60, 80, 98};
    QTest::newRow("SpO2 35-100") << "spo2" << 2 << 35.0 << 100.0 << QStringList{"100", "90", "70", "50", "35"}
                                 << L{35, 50, 70, 90, 100} << L{40, 45, 55, 95};
    QTest::newRow("SpO2 0-100") << "spo2" << 1 << 0.0 << 100.0 << QStringList{"100", "75", "50", "25", "0"}
                                << L{0, 25, 50, 75, 100} << L{5, 20, 95};
    QTest::newRow("SpO2 unknown setting") << "spo2" << 9 << 70.0 << 100.0 << QStringList{} << L{} << L{};
    QTest::newRow("pulse 25-150 night") << "pulse" << 2 << 25.0 << 150.0 << QStringList{"≥150", "125", "75", "25"}
                                        << L{25, 75, 125, 150} << L{30, 50, 100, 145};
    QTest::newRow("pulse 25-150 hour") << "pulse-hour" << 2 << 25.0 << 150.0 << QStringList{"≥150", "125", "75", "25"}
                                       << L{25, 75, 125, 150} << L{50, 100};
    QTest::newRow("pulse 25-250") << "pulse" << 1 << 25.0 << 250.0 << QStringList{"≥250", "225", "125", "25"}
                                  << L{25, 125, 225, 250} << L{50, 75, 100, 150, 175, 200};
    QTest::newRow("pulse unknown setting") << "pulse" << 0 << 25.0 << 150.0 << QStringList{} << L{} << L{};
}

void TestReportTexts::chartAxis()
{
    QFETCH(QString, kind);
    QFETCH(int, range);
    QFETCH(QList<int>, major);
    QFETCH(QList<int>, minor);
    const ChartAxis axis = kind == "spo2" ? ChartAxis::spo2(range) : ChartAxis::pulse(range, kind == "pulse-hour");
    QTEST(axis.bottom, "bottom");
    QTEST(axis.top, "top");
    QStringList labels;
    if (!axis.lines.isEmpty()) {
        for (int v : axis.labels)
            labels << axis.labelText(v);
    }
    QTEST(labels, "labels");
    QList<int> majors, minors;
    for (const ChartAxis::Line &line : axis.lines)
        (line.isMajor ? majors : minors).append(line.value);
    QCOMPARE(majors, major);
    for (int v : minor)
        QVERIFY2(minors.contains(v), qPrintable(QString::number(v)));
    QCOMPARE(majors.size() + minors.size(), axis.lines.size());
}

void TestReportTexts::wholeNightWindow_data()
{
    QTest::addColumn<int>("duration");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("slotCount");
    QTest::newRow("600 s: two columns") << 600 << 2 << 600;
    QTest::newRow("601 s: four columns, odd gets a slot") << 601 << 4 << 602;
    QTest::newRow("3601 s spreads 3602 slots") << 3601 << 4 << 3602;
    QTest::newRow("no samples") << 0 << 2 << 0;
}

void TestReportTexts::wholeNightWindow()
{
    QFETCH(int, duration);
    QFETCH(int, slotCount);
    OxiDataController night;
    night.duration = duration;
    night.samplingRate = 1;
    const ChartPainter::Window w = ChartPainter::wholeNightWindow(night);
    QTEST(w.columns, "columns");
    QCOMPARE(w.count, slotCount);
    if (slotCount > 0)
        QCOMPARE(w.xStep, 1.0 / slotCount);
}
