#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include "dropanalysis.h"
#include "oxidatacontroller.h"
#include "recordingwriter.h"
#include "test_data.h"

namespace {

DropAnalysis::Counts run(int interval, const QVector<int> &values)
{
    DropAnalysis analysis(interval);
    for (int v : values)
        analysis.feed(v);
    return analysis.finish();
}

} // namespace

void TestDropAnalysis::timingRules_data()
{
    QTest::addColumn<int>("interval");
    QTest::addColumn<QVector<int>>("spo2");
    QTest::addColumn<int>("drops3");
    QTest::addColumn<int>("drops4");

    // At 4 s a sample; 97 x 200 is a quiet baseline of more than ten minutes.
    QTest::newRow("3 points over 8 s, back 4 s after the nadir")
        << 4 << spo2Runs({{97, 200}, {95, 1}, {94, 2}, {97, 200}}) << 1 << 0;
    QTest::newRow("back at the baseline 16 s after the nadir")
        << 4 << spo2Runs({{97, 200}, {95, 1}, {94, 1}, {95, 2}, {96, 1}, {97, 200}}) << 1 << 0;
    QTest::newRow("back at the baseline 20 s after the nadir")
        << 4 << spo2Runs({{97, 200}, {95, 1}, {94, 1}, {95, 2}, {96, 2}, {97, 200}}) << 0 << 0;
    QTest::newRow("recovers to one point below the baseline")
        << 4 << spo2Runs({{97, 200}, {95, 1}, {94, 2}, {96, 200}}) << 0 << 0;
    QTest::newRow("nadir 4 s after the start")
        << 4 << spo2Runs({{97, 200}, {94, 1}, {97, 200}}) << 0 << 0;
    QTest::newRow("deep fall within one sample")
        << 4 << spo2Runs({{97, 200}, {80, 1}, {97, 200}}) << 0 << 0;
    QTest::newRow("start 32 s back: too slow for 3, fine for 4")
        << 4 << spo2Runs({{100, 200}, {98, 7}, {96, 1}, {100, 200}}) << 0 << 1;
    QTest::newRow("nadir 116 s after the start")
        << 4 << spo2Runs({{97, 200}, {95, 1}, {94, 28}, {97, 200}}) << 1 << 0;
    QTest::newRow("nadir 124 s after the start")
        << 4 << spo2Runs({{97, 200}, {95, 1}, {94, 30}, {97, 200}}) << 0 << 0;
    QTest::newRow("0 in the look-ahead")
        << 4 << spo2Runs({{97, 200}, {95, 1}, {94, 1}, {0, 1}, {94, 1}, {97, 200}}) << 0 << 0;
    QTest::newRow("0xFF in the look-ahead")
        << 4 << spo2Runs({{97, 200}, {95, 1}, {94, 1}, {255, 1}, {94, 1}, {97, 200}}) << 0 << 0;
    QTest::newRow("fall without a gap")
        << 4 << spo2Runs({{97, 200}, {96, 1}, {95, 1}, {94, 2}, {97, 200}}) << 1 << 0;
    QTest::newRow("the same fall with a gap in the look-back")
        << 4 << spo2Runs({{97, 200}, {96, 1}, {200, 1}, {94, 2}, {97, 200}}) << 0 << 0;
    QTest::newRow("one fall counts once for each threshold")
        << 4 << spo2Runs({{97, 200}, {95, 1}, {94, 1}, {93, 1}, {97, 200}}) << 1 << 1;
    QTest::newRow("two falls in a row count twice")
        << 4 << spo2Runs({{97, 200}, {95, 1}, {94, 2}, {97, 1}, {95, 1}, {94, 2}, {97, 200}}) << 2 << 0;
    QTest::newRow("recording shorter than ten minutes")
        << 4 << spo2Runs({{97, 20}, {95, 1}, {94, 2}, {97, 20}}) << 1 << 0;
    QTest::newRow("fall at the very end, back in the last sample")
        << 4 << spo2Runs({{97, 200}, {95, 1}, {94, 2}, {97, 1}}) << 1 << 0;
    QTest::newRow("1-s interval, 9 s fall")
        << 1 << spo2Runs({{97, 1000}, {96, 4}, {95, 4}, {94, 3}, {97, 1000}}) << 1 << 0;
    QTest::newRow("interval above a minute has no window")
        << 90 << spo2Runs({{97, 50}, {90, 5}, {97, 50}}) << 0 << 0;
}

void TestDropAnalysis::timingRules()
{
    QFETCH(int, interval);
    QFETCH(QVector<int>, spo2);
    const DropAnalysis::Counts counts = run(interval, spo2);
    QTEST(counts.drops3, "drops3");
    QTEST(counts.drops4, "drops4");
}

void TestDropAnalysis::countsPastSixteenBitSampleNumbers()
{
    // 70,000 one-second samples, one 3-point fall in every 1,000: the falls
    // after sample 65,535 must count like the earlier ones.
    const QVector<int> cycle = spo2Runs({{97, 988}, {96, 4}, {95, 4}, {94, 3}, {97, 1}});
    QVector<int> night;
    for (int i = 0; i < 70; ++i)
        night += cycle;
    const DropAnalysis::Counts counts = run(1, night);
    QCOMPARE(counts.drops3, 70);
    QCOMPARE(counts.drops4, 0);
}

void TestDropAnalysis::streamingAndWholeNightAgree()
{
    // Feeding sample by sample and handing over the whole night are two code
    // paths; on random falls at every kind of interval they must count alike.
    QRandomGenerator rng(11);
    for (int interval : {1, 2, 3, 4, 7, 30, 60, 61}) {
        QVector<OxiPoint> points;
        while (points.size() < 4000) {
            OxiPoint p;
            p.spo2 = quint8(rng.bounded(50) == 0 ? 0xFF : 90 + rng.bounded(8));
            const int run = int(rng.bounded(1, 12));
            for (int i = 0; i < run; ++i)
                points.append(p);
        }
        DropAnalysis streaming(interval);
        for (const OxiPoint &p : qAsConst(points))
            streaming.feed(p.spo2);
        const DropAnalysis::Counts fed = streaming.finish();
        const DropAnalysis::Counts whole = DropAnalysis::countDrops(points, interval);
        QCOMPARE(whole.drops3, fed.drops3);
        QCOMPARE(whole.drops4, fed.drops4);
        if (interval <= 4)
            QVERIFY(fed.drops3 > 0);
    }
}

void TestDropAnalysis::newFormatFileRunsTheDetector()
{
    QTemporaryDir dir;
    const auto parse = [&](const QByteArray &bytes) {
        QFile file(dir.filePath("night"));
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes);
        file.close();
        OxiDataController night;
        const bool ok = night.parseFile(file.fileName(), "2B010000");
        return ok ? qMakePair(night.drops3, night.drops4) : qMakePair(-1, -1);
    };
    const QVector<int> fall = spo2Runs({{97, 200}, {95, 1}, {94, 2}, {97, 200}});
    QCOMPARE(parse(RecordingWriter::newFormat().spo2(fall).bytes()), qMakePair(1, 0));

    // Kind 7 marks a missing value with 0; decoded it becomes 0xFF and still breaks the fall.
    QVector<int> gap = fall;
    gap[202] = 0;
    QCOMPARE(parse(RecordingWriter::newFormat().kind(7).spo2(gap).bytes()), qMakePair(0, 0));
    // Kind 4 brings its own counts, which win.
    QCOMPARE(parse(RecordingWriter::newFormat().kind(4).spo2(fall).summary(0, 0, 9, 8, 0, 0, 0).bytes()),
             qMakePair(9, 8));
    // Beyond a minute per sample there is no window at all; nothing may be read outside the night.
    QCOMPARE(parse(RecordingWriter::newFormat().interval(90).spo2(fall).bytes()), qMakePair(0, 0));
}
