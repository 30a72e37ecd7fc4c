#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>
#include <QThread>

#include <climits>

#include "loghelper.h"
#include "oxidatacontroller.h"
#include "recordingwriter.h"
#include "test_data.h"

namespace {
const QString branch = QStringLiteral("2B010000");
}

QString TestParser::write(const QString &name, const QByteArray &bytes)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    // Entries written from here on belong to this case.
    m_logMark = QFileInfo(LogHelper::instance()->path()).size();
    return path;
}

QByteArray TestParser::logTail()
{
    QFile log(LogHelper::instance()->path());
    if (!log.open(QIODevice::ReadOnly))
        return {};
    log.seek(m_logMark);
    return log.readAll();
}

void TestParser::newFormatDecodesSamplesAndSummary()
{
    const QString path = write("new", RecordingWriter::newFormat()
        .samples({{97, 60, 0x00}, {95, 62, 0x85}, {0xFF, 0xFF, 0x7F}, {89, 130, 0x00}, {72, 45, 0xC1}})
        .bytes());
    OxiDataController night;
    QVERIFY(night.parseFile(path, branch));

    QCOMPARE(night.fileType, int(OxiDataController::NewFormat));
    QCOMPARE(night.branchCode, branch);
    QCOMPARE(night.startDate, QDate(2026, 3, 14));
    QCOMPARE(night.startTime, QTime(22, 30, 5));
    QCOMPARE(night.startDateTime.toString("yyyy-MM-dd hh:mm:ss"), QString("2026-03-14 22:30:05"));
    QCOMPARE(night.samplingRate, 0.25f);
    QCOMPARE(night.duration, 20);

    QCOMPARE(night.points.size(), 5);
    const OxiPoint &reminded = night.points[1];
    QCOMPARE(int(reminded.motion), 5);
    QVERIFY(reminded.isSpo2ReminderOn() && !reminded.isPulseReminderOn());
    const OxiPoint &missing = night.points[2];
    QVERIFY(!missing.hasSpo2() && !missing.hasPulse());
    QCOMPARE(int(missing.motion), 63);
    QCOMPARE(int(missing.flags), 0x40);
    QCOMPARE(int(night.points[4].flags), 0xC0);

    QCOMPARE(night.spo2Avg, 88);   // 353 / 4, truncated
    QCOMPARE(night.spo2Min, 72);
    QCOMPARE(night.spo2Max, 97);
    QCOMPARE(night.pulseAvg, 74);  // 297 / 4
    QCOMPARE(night.pulseMin, 45);
    QCOMPARE(night.pulseMax, 130);
    QCOMPARE(night.validSpo2Time, 16);
    QCOMPARE(night.validPulseTime, 16);
    const double bands7[7] = {0.5, 0, 0.25, 0, 0, 0.25, 0};
    for (int i = 0; i < 7; ++i)
        QCOMPARE(night.spo2Bands7[i], bands7[i]);
    QCOMPARE(night.spo2Bands3[0], 0.5);
    QCOMPARE(night.spo2Bands3[2], 0.5);
    QCOMPARE(night.pulseBands3[0], 0.25);
    QCOMPARE(night.pulseBands3[1], 0.5);
    QCOMPARE(night.pulseBands3[2], 0.25);
    // The recorder brought no summary: no score and no time below 90 % of our own.
    QCOMPARE(night.o2Score, 255);
    QCOMPARE(night.few90Duration, 0);
}

void TestParser::kind4TakesTheRecordersSummary()
{
    const QString path = write("kind4", RecordingWriter::newFormat().kind(4)
        .samples({{96, 70}, {99, 81}, {91, 58}})
        .summary(93, 85, 7, 3, 420, 47, 66)
        .bytes());
    OxiDataController night(path, branch);
    QCOMPARE(night.fileType, int(OxiDataController::NewWithSummary));
    QCOMPARE(night.spo2Avg, 93);
    QCOMPARE(night.spo2Min, 85);
    QCOMPARE(night.pulseAvg, 66);
    QCOMPARE(night.drops3, 7);
    QCOMPARE(night.drops4, 3);
    QCOMPARE(night.few90Duration, 420);
    QCOMPARE(night.o2Score, 47);
    // Extremes the trailer does not carry still come from the samples.
    QCOMPARE(night.spo2Max, 99);
    QCOMPARE(night.pulseMax, 81);
    QCOMPARE(night.pulseMin, 58);

    const QString none = write("kind4-none", RecordingWriter::newFormat().kind(4)
        .samples({{96, 70}}).summary(0xFF, 0xFF, 0, 0, 0, 0xFF, 0).bytes());
    QVERIFY(night.parseFile(none, branch));
    QCOMPARE(night.spo2Avg, 0);
    QCOMPARE(night.spo2Min, 0);
    QCOMPARE(night.o2Score, 255);
}

void TestParser::kind7TreatsZeroAsMissing()
{
    const QString path = write("kind7", RecordingWriter::newFormat().kind(7)
        .samples({{0, 0}, {0xFF, 80}, {93, 0}})
        .bytes());
    OxiDataController night;
    QVERIFY(night.parseFile(path, branch));
    QVERIFY(!night.points[0].hasSpo2() && !night.points[0].hasPulse());
    QCOMPARE(int(night.points[1].spo2), 0xFF);  // a reading of 255, stored as the marker
    QVERIFY(!night.points[2].hasPulse());
    QCOMPARE(night.spo2Max, 255);
    QCOMPARE(night.spo2Min, 93);
    QCOMPARE(night.spo2Avg, 174);
    QCOMPARE(night.spo2Bands7[0], 0.5);
    QCOMPARE(night.spo2Bands7[1], 0.5);
    QCOMPARE(night.pulseAvg, 80);
    QCOMPARE(night.validSpo2Time, 8);
    QCOMPARE(night.validPulseTime, 4);
}

void TestParser::twoByteSamplesIgnoreTrailingBytes()
{
    const QString path = write("two", RecordingWriter::newFormat().layout(0).interval(1)
        .samples({{97, 61}, {96, 62}, {95, 63}})
        .extraSampleBytes(1)
        .bytes());
    OxiDataController night;
    QVERIFY(night.parseFile(path, branch));
    QCOMPARE(night.points.size(), 3);
    QCOMPARE(int(night.points[2].pulse), 63);
    QCOMPARE(int(night.points[2].motion), 0);
    QCOMPARE(int(night.points[2].flags), 0);
    QCOMPARE(night.samplingRate, 1.0f);
}

void TestParser::durationComesFromDeclaredCount()
{
    OxiDataController night;
    QVERIFY(night.parseFile(write("declared", RecordingWriter::newFormat().interval(2).declaredPoints(1000)
        .spo2({97, 96, 95}).bytes()), branch));
    QCOMPARE(night.duration, 2000);
    QCOMPARE(night.points.size(), 3);

    // An absurd count must neither overflow nor allocate anything.
    QVERIFY(night.parseFile(write("absurd", RecordingWriter::newFormat().interval(255).declaredPoints(0xFFFFFFFF)
        .spo2({97}).bytes()), branch));
    QCOMPARE(night.duration, INT_MAX);
    QCOMPARE(night.points.size(), 1);
}

void TestParser::noValidValues_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("branchCode");
    QTest::addColumn<int>("spo2Max");
    QTest::addColumn<int>("pulseMax");
    QTest::addColumn<int>("pulseMin");

    QTest::newRow("new, no pulse value") << RecordingWriter::newFormat().samples({{95, 0xFF}, {96, 0xFF}}).bytes()
                                         << branch << 96 << -1 << INT_MAX;
    QTest::newRow("new, no value at all") << RecordingWriter::newFormat().samples({{0xFF, 0xFF}}).bytes()
                                          << branch << -1 << -1 << INT_MAX;
    QTest::newRow("new, no samples") << RecordingWriter::newFormat().samples({}).bytes() << branch << 0 << 0 << 0;
    QTest::newRow("old, no value at all") << RecordingWriter::oldFormat().samples({{0xFF, 0xFFFF}, {0xFF, 0xFFFF}}).bytes()
                                          << branch << 0 << 0 << 0;
    QTest::newRow("old three-byte, no value at all")
        << RecordingWriter::oldFormat().threeByte().samples({{0xFF, 0xFF}}).bytes() << "22010100" << 0 << 0 << 0;
}

void TestParser::noValidValues()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, branchCode);
    OxiDataController night;
    QVERIFY(night.parseFile(write("novalues", bytes), branchCode));
    QTEST(night.spo2Max, "spo2Max");
    QTEST(night.pulseMax, "pulseMax");
    QTEST(night.pulseMin, "pulseMin");
    QCOMPARE(night.pulseAvg, 0);
    QCOMPARE(night.validPulseTime, 0);
    for (double share : night.pulseBands3)
        QCOMPARE(share, 0.0);
    if (night.spo2Max <= 0) {
        QCOMPARE(night.validSpo2Time, 0);
        for (double share : night.spo2Bands7)
            QCOMPARE(share, 0.0);
    }
}

void TestParser::rejectsBrokenFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("logPattern");  // PATH stands for the file's path

    QByteArray flipped = RecordingWriter::newFormat().spo2({97, 96, 95}).bytes();
    flipped[11] = char(flipped[11] ^ 0x01);
    QTest::newRow("sample byte flipped") << flipped << "PATH\\(2B010000\\) file verify err, \\d+, \\d+";
    QTest::newRow("checksum off by one") << RecordingWriter::newFormat().spo2({97}).checksumDelta(1).bytes()
                                         << "file verify err, \\d+, \\d+";
    QTest::newRow("header bytes 2, 3") << RecordingWriter::newFormat().headerBytes(2, 3).spo2({97}).bytes()
                                       << "PATH\\(2B010000\\) file type err, 2, 3";
    QTest::newRow("header bytes 1, 0") << RecordingWriter::newFormat().headerBytes(1, 0).spo2({97}).bytes()
                                       << "file type err, 1, 0";
    QTest::newRow("channel layout 2") << RecordingWriter::newFormat().layout(2).spo2({97}).bytes()
                                      << "PATH\\(2B010000\\) unknown ch type: 2";
    QTest::newRow("interval byte 0") << RecordingWriter::newFormat().interval(0).spo2({97, 96}).bytes()
                                     << "sampling interval err, 0";
    QTest::newRow("shorter than the old header") << QByteArray(20, 'x') << "file too short, 20";
    QTest::newRow("empty file") << QByteArray() << "file too short, 0";
}

void TestParser::rejectsBrokenFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, logPattern);
    const QString path = write("broken", bytes);
    OxiDataController night;
    QVERIFY(!night.parseFile(path, branch));
    const QString entry = QString::fromUtf8(logTail());
    const QRegularExpression expected(logPattern.replace("PATH", "\\(" + QRegularExpression::escape(path) + "\\)"));
    QVERIFY2(expected.match(entry).hasMatch(), qPrintable(entry));
    QVERIFY(entry.endsWith("\r\n"));

    QVERIFY(!night.parseFile(QString(), branch));
    QVERIFY(!night.parseFile(m_dir.filePath("no such file"), branch));
}

void TestParser::oldFormatFiveByteSamples()
{
    const QString path = write("old", RecordingWriter::oldFormat().version(3)
        .samples({{97, 62, 3 | (0x80 << 8)}, {0xFF, 0xFFFF}, {90, 301}, {60, 140}})
        .summary(92, 0xFF, 5, 2, 600, 0xFF, 0)
        .bytes());
    OxiDataController night;
    QVERIFY(night.parseFile(path, branch));
    QCOMPARE(night.fileType, int(OxiDataController::OldFormat));
    QCOMPARE(night.startDateTime, QDateTime(QDate(2026, 3, 14), QTime(22, 30, 5)));
    QCOMPARE(night.duration, 16);
    QCOMPARE(night.points.size(), 4);
    QCOMPARE(int(night.points[0].motion), 3);
    QCOMPARE(int(night.points[0].flags), 0x80);
    QCOMPARE(int(night.points[2].pulse), 301);

    // Summary values the recorder stored.
    QCOMPARE(night.spo2Avg, 92);
    QCOMPARE(night.spo2Min, 0);
    QCOMPARE(night.drops3, 5);
    QCOMPARE(night.drops4, 2);
    QCOMPARE(night.few90Duration, 600);
    QCOMPARE(night.o2Score, 255);
    // Computed: pulses above 300 do not count for the average, only 0xFFFF for extremes.
    QCOMPARE(night.pulseAvg, 101);
    QCOMPARE(night.pulseMax, 301);
    QCOMPARE(night.pulseMin, 62);
    QCOMPARE(night.spo2Max, 97);
    QCOMPARE(night.spo2Bands7[0], 1.0 / 3);
    QCOMPARE(night.spo2Bands7[1], 1.0 / 3);
    QCOMPARE(night.spo2Bands7[6], 1.0 / 3);
    QCOMPARE(night.spo2Bands3[2], 1.0 / 3);
    QCOMPARE(night.pulseBands3[0], 0.5);
    QCOMPARE(night.pulseBands3[1], 0.5);
    QCOMPARE(night.validSpo2Time, 12);
    QCOMPARE(night.validPulseTime, 8);
}

void TestParser::oldFormatSamplingRate_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<QString>("branchCode");
    QTest::addColumn<float>("rate");

    QTest::newRow("version 2") << 2 << branch << 0.5f;
    QTest::newRow("version 3") << 3 << branch << 0.25f;
    QTest::newRow("version 5") << 5 << branch << 0.5f;
    QTest::newRow("version 6") << 6 << branch << 1.0f;
    QTest::newRow("version 0") << 0 << branch << 0.25f;
    QTest::newRow("version 9") << 9 << branch << 0.25f;
    QTest::newRow("50010000 whatever the version") << 3 << "50010000" << 1.0f;
    QTest::newRow("50010001 whatever the version") << 2 << "50010001" << 1.0f;
}

void TestParser::oldFormatSamplingRate()
{
    QFETCH(int, version);
    QFETCH(QString, branchCode);
    OxiDataController night;
    QVERIFY(night.parseFile(write("rate", RecordingWriter::oldFormat().version(version).duration(8)
        .samples({{97, 60}, {97, 60}, {97, 60}, {97, 60}, {97, 60}, {97, 60}, {97, 60}, {97, 60}}).bytes()), branchCode));
    QTEST(night.samplingRate, "rate");
    QCOMPARE(night.points.size(), int(8 * night.samplingRate));
}

void TestParser::oldFormatPointCount_data()
{
    QTest::addColumn<QString>("branchCode");
    QTest::addColumn<int>("declaredDuration");
    QTest::addColumn<int>("truncate");
    QTest::addColumn<int>("duration");
    QTest::addColumn<int>("points");

    // Five samples at 0.25 points per second unless the row says otherwise.
    QTest::newRow("ten-hour cap") << branch << 40000 << 0 << 36000 << 5;
    QTest::newRow("three-byte recorder keeps long durations") << "22010100" << 40000 << 0 << 40000 << 5;
    QTest::newRow("duration shorter than the samples") << branch << 8 << 0 << 8 << 2;
    QTest::newRow("three-byte recorder keeps every group") << "22010100" << 8 << 0 << 8 << 5;
    QTest::newRow("truncated file") << branch << 20 << 3 << 20 << 4;
    QTest::newRow("truncated three-byte file") << "22010100" << 20 << 2 << 20 << 4;
}

void TestParser::oldFormatPointCount()
{
    QFETCH(QString, branchCode);
    QFETCH(int, declaredDuration);
    QFETCH(int, truncate);
    const QVector<RawSample> five(5, RawSample{96, 70});
    const QByteArray bytes = RecordingWriter::oldFormat().threeByte(branchCode == "22010100")
        .duration(declaredDuration).samples(five).truncateBy(truncate).bytes();
    OxiDataController night;
    QVERIFY(night.parseFile(write("count", bytes), branchCode));
    QTEST(night.duration, "duration");
    QTEST(int(night.points.size()), "points");
}

void TestParser::oldFormatThreeByteSamples()
{
    // Duration promises one point at 0.25/s; the recorder stored two.
    const QString path = write("three", RecordingWriter::oldFormat().threeByte().duration(4)
        .samples({{95, 60, 0x85}, {0xFF, 100, 0x40}})
        .bytes());
    OxiDataController night;
    QVERIFY(night.parseFile(path, "22010100"));
    QCOMPARE(night.points.size(), 2);
    QCOMPARE(int(night.points[0].motion), 5);
    QVERIFY(night.points[0].isSpo2ReminderOn());
    QVERIFY(!night.points[1].hasSpo2());
    QVERIFY(night.points[1].isPulseReminderOn());
    // The average covers exactly the decoded points: (60 + 100) / 2.
    QCOMPARE(night.pulseAvg, 80);

    QVERIFY(night.parseFile(write("three-missing", RecordingWriter::oldFormat().threeByte()
        .samples({{95, 0xFF}}).bytes()), "22010100"));
    QVERIFY(!night.points[0].hasPulse());
}

void TestParser::oldFormatSizeMismatchIsLoggedNotFatal()
{
    const QString path = write("size", RecordingWriter::oldFormat().spo2({97, 96}).fileSizeDelta(7).bytes());
    OxiDataController night;
    QVERIFY(night.parseFile(path, branch));
    QCOMPARE(night.points.size(), 2);
    QVERIFY(logTail().contains("parse file, not same file size\r\n"));
}

void TestParser::shortFileIsOldFormat()
{
    // The magic number where a trailer would begin, but the file is too short to have one.
    const QByteArray old = RecordingWriter::oldFormat().version(6).duration(3).spo2({97, 96, 95, 94}).bytes();
    QByteArray bytes = old.left(57);
    bytes.replace(13, 4, QByteArray::fromHex("48125ADA"));
    OxiDataController night;
    QVERIFY(night.parseFile(write("short57", bytes), branch));
    QCOMPARE(night.fileType, int(OxiDataController::OldFormat));
    QCOMPARE(night.points.size(), 3);

    // One byte more and the same trailer position holds the magic: read as new format.
    bytes = old.left(58);
    bytes.replace(14, 4, QByteArray::fromHex("48125ADA"));
    QVERIFY(!night.parseFile(write("short58", bytes), branch));
    QVERIFY(logTail().contains("file type err, 6, 0"));
}

void TestParser::checkInfoCarriesTheSummary()
{
    const QString path = write("info", RecordingWriter::newFormat().kind(4)
        .samples({{96, 70}, {99, 81}}).summary(93, 85, 7, 3, 420, 47, 66).bytes());
    const OxiDataController night(path, branch);
    const CheckInfo info = night.toCheckInfo("SN-7'x", "20260314223005");
    QCOMPARE(info.flowid, QString("SN-7'x20260314223005"));
    QCOMPARE(info.checktime, QString("20260314223005"));
    QCOMPARE(info.sn, QString("SN-7'x"));
    QCOMPARE(info.branchCode, branch);
    QCOMPARE(info.duration, 8);
    QCOMPARE(info.startDateTime, night.startDateTime);
    QCOMPARE(info.secPerPoint, 0.25f);
    QCOMPARE(info.spo2Max, 99);
    QCOMPARE(info.spo2Avg, 93);
    QCOMPARE(info.spo2Min, 85);
    QCOMPARE(info.hrMax, 81);
    QCOMPARE(info.hrAvg, 66);
    QCOMPARE(info.hrMin, 70);
    QCOMPARE(info.o2Score, 47);
    QCOMPARE(info.few90Duration, 420);
    QCOMPARE(info.drops3, 7);
    QCOMPARE(info.drops4, 3);
    QVERIFY(info.deviceID.isEmpty() && info.resourceID.isEmpty() && info.note.isEmpty() && info.remarks.isEmpty());
}

void TestParser::parsesOnSeveralThreadsMatchSerial()
{
    // Nights of random falls at several intervals, parsed once serially for reference.
    QStringList paths;
    QRandomGenerator rng(42);
    for (int n = 0; n < 6; ++n) {
        const int interval = n % 2 == 0 ? 4 : 2;
        QVector<int> values;
        while (values.size() < 6000) {
            values.append(QVector<int>(int(rng.bounded(20, 200)), 97));
            const int depth = int(rng.bounded(2, 7));
            const int fall = int(rng.bounded(1, 8));
            for (int i = 1; i <= fall; ++i)
                values.append(97 - depth * i / fall);
            values.append(QVector<int>(int(rng.bounded(1, 4)), 97 - depth));
        }
        paths << write(QString("night%1").arg(n), RecordingWriter::newFormat().interval(interval).spo2(values).bytes());
    }
    QVector<QPair<int, int>> serial;
    for (const QString &path : paths) {
        const OxiDataController night(path, branch);
        serial.append({night.drops3, night.drops4});
    }
    QVERIFY(serial[0].first > 10 && serial[1].second > 10);

    std::atomic<int> mismatches{0};
    QVector<QThread *> threads;
    for (int t = 0; t < 4; ++t) {
        threads.append(QThread::create([&, t] {
            for (int round = 0; round < 5; ++round) {
                for (int i = 0; i < paths.size(); ++i) {
                    const int k = (i + t + round) % paths.size();
                    const OxiDataController night(paths[k], branch);
                    if (qMakePair(night.drops3, night.drops4) != serial[k])
                        ++mismatches;
                }
            }
        }));
        threads.last()->start();
    }
    for (QThread *thread : threads) {
        thread->wait();
        delete thread;
    }
    QCOMPARE(mismatches.load(), 0);
}
