#include "test_csvexport.h"

#include <QBuffer>
#include <QFile>
#include <QProcess>
#include <QTest>

#include "csvexport.h"
#include "oxidatacontroller.h"
#include "reportfixture.h"

Q_DECLARE_METATYPE(OxiPoint)

namespace {

QSharedPointer<OxiDataController> samples(const QVector<OxiPoint> &points, float rate, const QTime &start)
{
    QSharedPointer<OxiDataController> night(new OxiDataController);
    night->points = points;
    night->samplingRate = rate;
    night->startDate = QDate(2024, 3, 5);
    night->startTime = start;
    night->startDateTime = QDateTime(night->startDate, start);
    night->duration = rate > 0 ? int(points.size() / rate) : 0;
    return night;
}

OxiPoint point(int spo2, int pulse, int motion = 0, int flags = 0)
{
    OxiPoint p;
    p.spo2 = quint8(spo2);
    p.pulse = quint16(pulse);
    p.motion = quint8(motion);
    p.flags = quint8(flags);
    return p;
}

QStringList lines(const QSharedPointer<OxiDataController> &night, const QString &branch)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!CsvExport(*night, branch).write(&buffer))
        return {};
    return QString::fromUtf8(buffer.data()).split('\n');
}

} // namespace

void TestCsvExport::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void TestCsvExport::headerPerBranchGroup_data()
{
    QTest::addColumn<QString>("branch");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("firstLine");
    QTest::newRow("pulse-only: no SpO2 column even with SpO2 bytes")
        << "27010005" << "Time,Pulse Rate(bpm),Motion,PR Reminder,"
        << "\"10:05:30PM Mar 5, 2024\",71,12,1,";
    QTest::newRow("oxygen-level wording")
        << "24010004" << "Time,Oxygen Level(%),Pulse Rate(bpm),Motion,Oxygen Level Reminder,PR Reminder,"
        << "\"10:05:30PM Mar 5, 2024\",96,71,12,0,1,";
    QTest::newRow("every other code")
        << "2B010000" << "Time,SpO2(%),Pulse Rate(bpm),Motion,SpO2 Reminder,PR Reminder,"
        << "\"10:05:30PM Mar 5, 2024\",96,71,12,0,1,";
}

void TestCsvExport::headerPerBranchGroup()
{
    QFETCH(QString, branch);
    const auto night = samples({point(96, 71, 12, OxiPoint::pulseReminderFlag)}, 1, QTime(22, 5, 30));
    const QStringList out = lines(night, branch);
    QCOMPARE(out.size(), 3);   // header, one sample, nothing after the last line end
    QTEST(out[0], "header");
    QTEST(out[1], "firstLine");
    QCOMPARE(out[2], QString());
}

void TestCsvExport::sampleLines_data()
{
    QTest::addColumn<OxiPoint>("sample");
    QTest::addColumn<QTime>("start");
    QTest::addColumn<QString>("line");
    QTest::newRow("invalid markers kept with reminders")
        << point(255, 65535, 0, OxiPoint::spo2ReminderFlag | OxiPoint::pulseReminderFlag) << QTime(23, 0, 0)
        << "\"11:00:00PM Mar 5, 2024\",255,65535,0,1,1,";
    QTest::newRow("afternoon in the 12-hour clock")
        << point(97, 64, 63) << QTime(13, 5, 30) << "\"01:05:30PM Mar 5, 2024\",97,64,63,0,0,";
    QTest::newRow("morning marker") << point(97, 64) << QTime(9, 0, 1) << "\"09:00:01AM Mar 5, 2024\",97,64,0,0,0,";
    QTest::newRow("midnight is 12AM") << point(97, 64) << QTime(0, 0, 0) << "\"12:00:00AM Mar 5, 2024\",97,64,0,0,0,";
}

void TestCsvExport::sampleLines()
{
    QFETCH(OxiPoint, sample);
    QFETCH(QTime, start);
    const QStringList out = lines(samples({sample}, 1, start), QStringLiteral("2B010000"));
    QTEST(out.value(1), "line");
}

void TestCsvExport::timesDoNotDriftAtOddRates()
{
    // 0.3 samples/s is 3333.3 ms apart: after ten samples the times must
    // still be whole seconds from the start, and after a night no second off.
    QVector<OxiPoint> points(10800, point(95, 60));
    const QStringList out = lines(samples(points, 0.3f, QTime(22, 0, 0)), QStringLiteral("2B010000"));
    QCOMPARE(out.value(1).left(12), QStringLiteral("\"10:00:00PM "));
    QCOMPARE(out.value(2).left(12), QStringLiteral("\"10:00:03PM "));
    QCOMPARE(out.value(4).left(12), QStringLiteral("\"10:00:10PM "));
    QCOMPARE(out.value(10800).left(24), QStringLiteral("\"07:59:56AM Mar 6, 2024\""));
}

void TestCsvExport::refusesUnusableRate()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(!CsvExport(*samples({point(95, 60)}, 0, QTime(22, 0)), "2B010000").write(&buffer));
}

void TestCsvExport::unwritableTargetLeavesNothing()
{
    const QString path = m_dir.filePath("missing/dir/night.csv");
    QString error;
    QVERIFY(!CsvExport(*samples({point(95, 60)}, 1, QTime(22, 0)), "2B010000").writeTo(path, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFile::exists(path));
}

void TestCsvExport::toolWritesTheSameBytes()
{
    const QByteArray bytes = RecordingWriter::newFormat().kind(4).interval(4).start(ReportFixture::evening())
                                 .samples({{96, 70, 0x85}, {255, 255, 0x40}, {94, 72, 3}}).bytes();
    QFile recording(m_dir.filePath("20240305220000"));
    QVERIFY(recording.open(QIODevice::WriteOnly));
    recording.write(bytes);
    recording.close();

    OxiDataController night;
    QVERIFY(night.parseFile(recording.fileName(), "2B010000"));
    const QString mine = m_dir.filePath("library.csv");
    QVERIFY(CsvExport(night, "2B010000").writeTo(mine));

    const QString theirs = m_dir.filePath("tool.csv");
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", m_dir.path());
    tool.setProcessEnvironment(env);
    tool.start(NOCTURNIX_TOOL, {"csv", recording.fileName(), "--branch", "2B010000", "-o", theirs});
    QVERIFY(tool.waitForFinished(30000));
    QCOMPARE(tool.exitCode(), 0);

    QFile a(mine), b(theirs);
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    const QByteArray written = b.readAll();
    QCOMPARE(written, a.readAll());
    QVERIFY(written.contains("\"10:00:04PM Mar 5, 2024\",255,65535,0,0,1,\n"));
}
