#include <QTest>

#include <algorithm>

#include "recorddatabase.h"
#include "test_trend.h"
#include "trenddata.h"
#include "trendfixture.h"

namespace {

const QString sn = QStringLiteral("TR0000000001");
const QDateTime now(QDate(2026, 1, 14), QTime(9, 30));

QDateTime at(int y, int m, int d, int h = 22, int min = 0)
{
    return QDateTime(QDate(y, m, d), QTime(h, min));
}

using Points = QVector<QPointF>;

Points sortedByXThenY(Points p)
{
    std::sort(p.begin(), p.end(), [](const QPointF &a, const QPointF &b) {
        return a.x() != b.x() ? a.x() < b.x() : a.y() < b.y();
    });
    return p;
}

} // namespace

void TestTrendData::valueRules_data()
{
    QTest::addColumn<CheckInfo>("night");
    QTest::addColumn<int>("series");
    QTest::addColumn<bool>("plotted");
    QTest::addColumn<double>("y");

    const NightRow n(sn, at(2026, 1, 13));
    QTest::newRow("avg SpO2 kept") << CheckInfo(NightRow(n).avgSpO2(93)) << int(TrendAvgSpO2) << true << 93.0;
    QTest::newRow("avg SpO2 raised to 70") << CheckInfo(NightRow(n).avgSpO2(64)) << int(TrendAvgSpO2) << true << 70.0;
    QTest::newRow("avg SpO2 0 skipped") << CheckInfo(NightRow(n).avgSpO2(0)) << int(TrendAvgSpO2) << false << 0.0;
    QTest::newRow("avg SpO2 no-value marker skipped") << CheckInfo(NightRow(n).avgSpO2(0xFF)) << int(TrendAvgSpO2) << false << 0.0;
    QTest::newRow("lowest SpO2 raised to 70") << CheckInfo(NightRow(n).lowestSpO2(52)) << int(TrendLowestSpO2) << true << 70.0;
    QTest::newRow("lowest SpO2 above 100 capped") << CheckInfo(NightRow(n).lowestSpO2(104)) << int(TrendLowestSpO2) << true << 100.0;
    QTest::newRow("lowest SpO2 0 skipped") << CheckInfo(NightRow(n).lowestSpO2(0)) << int(TrendLowestSpO2) << false << 0.0;
    QTest::newRow("pulse 20 raised to 30") << CheckInfo(NightRow(n).avgPulse(20)) << int(TrendAvgPulse) << true << 30.0;
    QTest::newRow("pulse 230 not capped") << CheckInfo(NightRow(n).avgPulse(230)) << int(TrendAvgPulse) << true << 230.0;
    QTest::newRow("pulse 0 skipped") << CheckInfo(NightRow(n).avgPulse(0)) << int(TrendAvgPulse) << false << 0.0;
    QTest::newRow("O2 score in tenths") << CheckInfo(NightRow(n).o2Score(87)) << int(TrendO2Score) << true << 8.7;
    QTest::newRow("O2 score 0 plotted") << CheckInfo(NightRow(n).o2Score(0)) << int(TrendO2Score) << true << 0.0;
    QTest::newRow("O2 score 100 plotted") << CheckInfo(NightRow(n).o2Score(100)) << int(TrendO2Score) << true << 10.0;
    QTest::newRow("O2 score 255 means none") << CheckInfo(NightRow(n).o2Score(255)) << int(TrendO2Score) << false << 0.0;
    QTest::newRow("O2 score 101 skipped") << CheckInfo(NightRow(n).o2Score(101)) << int(TrendO2Score) << false << 0.0;
    QTest::newRow("drops kept") << CheckInfo(NightRow(n).drops4(12)) << int(TrendDrops) << true << 12.0;
    QTest::newRow("drops capped at 50") << CheckInfo(NightRow(n).drops4(83)) << int(TrendDrops) << true << 50.0;
    QTest::newRow("drops 0 skipped") << CheckInfo(NightRow(n).drops4(0)) << int(TrendDrops) << false << 0.0;
}

void TestTrendData::valueRules()
{
    QFETCH(CheckInfo, night);
    QFETCH(int, series);
    QFETCH(bool, plotted);
    QFETCH(double, y);

    const TrendPoints points = TrendData::build({night}, now, TrendWeek);
    const Points &shown = points[size_t(series)];
    QCOMPARE(shown.size(), plotted ? 1 : 0);
    if (plotted) {
        QCOMPARE(shown.first().x(), -1.0);
        QCOMPARE(shown.first().y(), y);
    }
}

void TestTrendData::timeOffsets_data()
{
    QTest::addColumn<QDateTime>("start");
    QTest::addColumn<QDateTime>("seenAt");
    QTest::addColumn<int>("range");
    QTest::addColumn<double>("x");

    QTest::newRow("December night seen in January, year") << at(2025, 12, 30) << now << int(TrendYear) << -1.0;
    QTest::newRow("same month, year") << at(2026, 1, 2) << now << int(TrendYear) << 0.0;
    QTest::newRow("thirteen months back, year") << at(2024, 12, 31) << now << int(TrendYear) << -13.0;
    QTest::newRow("40 days old, month") << at(2025, 12, 5) << now << int(TrendMonth) << -40.0;
    QTest::newRow("before midnight seen just after it, week") << at(2026, 1, 13, 23, 50) << at(2026, 1, 14, 0, 10)
                                                             << int(TrendWeek) << -1.0;
    QTest::newRow("started this morning, week") << at(2026, 1, 14, 1, 0) << now << int(TrendWeek) << 0.0;
}

void TestTrendData::timeOffsets()
{
    QFETCH(QDateTime, start);
    QFETCH(QDateTime, seenAt);
    QFETCH(int, range);
    QFETCH(double, x);

    const TrendPoints points = TrendData::build({NightRow(sn, start)}, seenAt, TrendRange(range));
    QCOMPARE(points[TrendAvgSpO2].size(), 1);
    QCOMPARE(points[TrendAvgSpO2].first().x(), x);
}

void TestTrendData::sameSlotKeepsLowestAndHighest_data()
{
    QTest::addColumn<Points>("in");
    QTest::addColumn<Points>("out");

    QTest::newRow("middle of three dropped")
        << Points{{-2, 92}, {-2, 96}, {-2, 94}} << Points{{-2, 92}, {-2, 96}};
    QTest::newRow("middle first dropped")
        << Points{{-2, 94}, {-2, 92}, {-2, 96}} << Points{{-2, 92}, {-2, 96}};
    QTest::newRow("equal values one symbol") << Points{{-3, 95}, {-3, 95}} << Points{{-3, 95}};
    QTest::newRow("repeated lowest kept once")
        << Points{{-1, 90}, {-1, 90}, {-1, 97}} << Points{{-1, 90}, {-1, 97}};
    QTest::newRow("other days untouched")
        << Points{{-1, 93}, {-2, 94}, {-1, 91}, {-1, 92}, {-4, 90}}
        << Points{{-4, 90}, {-2, 94}, {-1, 91}, {-1, 93}};
}

void TestTrendData::sameSlotKeepsLowestAndHighest()
{
    QFETCH(Points, in);
    QFETCH(Points, out);

    TrendData::dropSameBucketMiddles(in);
    QCOMPARE(sortedByXThenY(in), out);
}

void TestTrendData::oneQueryGivesThePerRecordValues()
{
    TrendDatabase db;
    QVERIFY(db.isOpen());
    QVERIFY(db.addRecorder(sn, QStringLiteral("2D010001")));
    QVERIFY(db.addNight(NightRow(sn, at(2026, 1, 10)).avgSpO2(91).o2Score(0)));
    QVERIFY(db.addNight(NightRow(sn, at(2026, 1, 12)).lowestSpO2(77).drops4(14)));
    QVERIFY(db.addNight(NightRow(QStringLiteral("OTHER0000001"), at(2026, 1, 11))));

    RecordDatabase &records = RecordDatabase::instance();
    const QVector<CheckInfo> all = records.records(sn);
    const QStringList times = records.recordList(sn);
    QCOMPARE(all.size(), times.size());
    for (int i = 0; i < all.size(); ++i) {
        const CheckInfo one = records.record(sn, times.at(i));
        QCOMPARE(all[i].checktime, one.checktime);
        QCOMPARE(all[i].startDateTime, one.startDateTime);
        QCOMPARE(all[i].spo2Avg, one.spo2Avg);
        QCOMPARE(all[i].spo2Min, one.spo2Min);
        QCOMPARE(all[i].hrAvg, one.hrAvg);
        QCOMPARE(all[i].o2Score, one.o2Score);
        QCOMPARE(all[i].drops4, one.drops4);
    }
}
