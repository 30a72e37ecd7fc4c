#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTest>

#include "deviceinfo.h"
#include "oxidatacontroller.h"
#include "patientinfo.h"
#include "recorddatabase.h"
#include "recordingstore.h"
#include "recordingwriter.h"
#include "test_import.h"

namespace {

const QString sn = QStringLiteral("SN0002");
const QString wrist = QStringLiteral("2B010000");

RecordDatabase &db()
{
    return RecordDatabase::instance();
}

QString writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QByteArray night()
{
    return RecordingWriter::newFormat().spo2(spo2Runs({{96, 200}, {93, 3}, {96, 200}})).bytes();
}

// Relative path -> bytes of every file under dir except the database.
QMap<QString, QByteArray> filesBelow(const QString &dir)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (QFileInfo(path).fileName().startsWith(QLatin1String("db_o2.db")))
            continue;
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        files.insert(QDir(dir).relativeFilePath(path), file.readAll());
    }
    return files;
}

} // namespace

void TestImportTool::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_demoDir = m_dir.filePath(QStringLiteral("demo"));
    const Result r = tool({QStringLiteral("demo"), QStringLiteral("--data-dir"), m_demoDir});
    QVERIFY2(r.exitCode == 0, r.err.constData());
}

TestImportTool::Result TestImportTool::tool(const QStringList &args)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), m_dir.path());  // the tool's application log stays in the scratch directory
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(NOCTURNIX_TOOL), args);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            process.readAllStandardError()};
}

void TestImportTool::importReportsEachFile_data()
{
    QTest::addColumn<QStringList>("kinds");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("a new night") << QStringList{"new"} << 0;
    QTest::newRow("stored and deleted nights are skipped on purpose")
        << QStringList{"new", "stored", "deleted"} << 0;
    QTest::newRow("a broken file fails the run, the rest is imported") << QStringList{"broken", "new"} << 1;
    QTest::newRow("a file not named by its start fails the run") << QStringList{"badly named"} << 1;
}

void TestImportTool::importReportsEachFile()
{
    QFETCH(QStringList, kinds);
    QFETCH(int, exitCode);
    const QString dataDir = m_dir.filePath(QStringLiteral("import/") + QTest::currentDataTag());
    const QString sources = dataDir + QStringLiteral("-src/");

    // One night stored, one stored and deleted, before the tool runs.
    QVERIFY(db().openAt(dataDir));
    RecordingStore store(db());
    QCOMPARE(store.importFile(sn, wrist, writeFile(sources + "20260301220000", night())),
             RecordingStore::StoreResult::Stored);
    QCOMPARE(store.importFile(sn, wrist, writeFile(sources + "20260302220000", night())),
             RecordingStore::StoreResult::Stored);
    QVERIFY(db().deleteRecord(sn, "20260302220000"));
    db().close();

    const QMap<QString, QPair<QString, QByteArray>> files = {
        {"new", {"20260303220000", night()}},
        {"stored", {"20260301220000", night()}},
        {"deleted", {"20260302220000", night()}},
        {"broken", {"20260304220000", QByteArray("not a recording at all")}},
        {"badly named", {"night.bin", night()}},
    };
    const QMap<QString, QString> lines = {
        {"new", ": imported"},
        {"stored", ": skipped: " + RecordingStore::text(RecordingStore::StoreResult::AlreadyStored)},
        {"deleted", ": skipped: " + RecordingStore::text(RecordingStore::StoreResult::Deleted)},
        {"broken", ": skipped: " + RecordingStore::text(RecordingStore::StoreResult::NotARecording)},
        {"badly named", ": skipped: " + RecordingStore::text(RecordingStore::StoreResult::NotACheckTime)},
    };
    QStringList args = {"import", "--data-dir", dataDir, "--sn", sn, "--branch", wrist};
    QStringList expected;
    for (const QString &kind : kinds) {
        const QString path = writeFile(sources + "again/" + files[kind].first, files[kind].second);
        args << path;
        expected << path + lines[kind];
    }

    const Result r = tool(args);

    QCOMPARE(r.exitCode, exitCode);
    QCOMPARE(QString::fromUtf8(r.out).split('\n', Qt::SkipEmptyParts), expected);
    QVERIFY(db().openAt(dataDir));
    const QStringList stored = db().recordList(sn);
    QCOMPARE(stored.contains("20260303220000"), kinds.contains("new"));
    QVERIFY(!stored.contains("20260302220000"));
    QVERIFY(!stored.contains("20260304220000"));
    db().close();
}

void TestImportTool::wrongUsage_data()
{
    const QString dir = m_dir.filePath(QStringLiteral("unused"));
    QTest::addColumn<QStringList>("args");
    QTest::newRow("import without anything") << QStringList{"import"};
    QTest::newRow("import without files") << QStringList{"import", "--data-dir", dir, "--sn", sn, "--branch", wrist};
    QTest::newRow("import without a data directory") << QStringList{"import", "--sn", sn, "--branch", wrist, "f"};
    QTest::newRow("import without a serial number") << QStringList{"import", "--data-dir", dir, "--branch", wrist, "f"};
    QTest::newRow("import with an option lacking its value") << QStringList{"import", "f", "--data-dir"};
    QTest::newRow("import with an unknown option")
        << QStringList{"import", "--data-dir", dir, "--sn", sn, "--branch", wrist, "--force", "f"};
    QTest::newRow("demo without a data directory") << QStringList{"demo"};
    QTest::newRow("demo with two directories") << QStringList{"demo", "--data-dir", dir, dir};
}

void TestImportTool::wrongUsage()
{
    QFETCH(QStringList, args);
    const Result r = tool(args);
    QCOMPARE(r.exitCode, 2);
    QVERIFY(r.err.contains("usage:"));
    QVERIFY(!QFileInfo::exists(m_dir.filePath(QStringLiteral("unused"))));
}

void TestImportTool::helpListsImportAndDemo()
{
    const Result r = tool({"--help"});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.out.contains("import --data-dir DIR --sn SN --branch CODE FILE..."));
    QVERIFY(r.out.contains("demo --data-dir DIR"));
}

void TestImportTool::demoBuildsThreeRecorders()
{
    QVERIFY(db().openAt(m_demoDir));
    const QMap<QString, QSet<int>> fileTypes = {
        {"22010100", {OxiDataController::OldFormat}},
        {"2B010000", {OxiDataController::OldFormat, OxiDataController::NewWithSummary, OxiDataController::NewFormat}},
        {"27010005", {OxiDataController::NewFormat}},
    };
    const DeviceMap devices = db().allDevices();
    QSet<QString> branches;
    for (const DeviceInfoPtr &device : devices)
        branches << device->branchCode();
    QCOMPARE(branches, QSet<QString>({"22010100", "2B010000", "27010005"}));

    for (const DeviceInfoPtr &device : devices) {
        const QString branch = device->branchCode();
        QVERIFY2(!device->modelName().isEmpty() && !device->softwareVersion().isEmpty(), qPrintable(branch));
        const QStringList nights = db().recordList(device->serialNumber());
        QVERIFY2(nights.size() >= 20 && nights.size() <= 60, qPrintable(branch));
        const QDate last = QDate::fromString(nights.first().left(8), "yyyyMMdd");
        const QDate first = QDate::fromString(nights.last().left(8), "yyyyMMdd");
        QVERIFY2(first.daysTo(last) >= 60, qPrintable(branch));

        QSet<int> types;
        int withDrops = 0, withPatient = 0, withReminder = 0, withMotion = 0;
        for (const QString &checkTime : nights) {
            const CheckInfo row = db().record(device->serialNumber(), checkTime);
            OxiDataController parsed;
            QVERIFY(parsed.parseFile(m_demoDir + "/" + device->serialNumber() + "/" + checkTime, branch));
            QCOMPARE(row.startDateTime.toString("yyyyMMddhhmmss"), checkTime);
            types << parsed.fileType;
            withDrops += row.drops3 > 0;
            PatientInfo patient;
            withPatient += db().patientOfRecord(row.flowid, patient);
            bool reminder = false, motion = false;
            for (const OxiPoint &p : qAsConst(parsed.points)) {
                reminder = reminder || p.flags != 0;
                motion = motion || p.motion > 10;
            }
            withReminder += reminder;
            withMotion += motion;
            if (branch == "27010005") {
                QCOMPARE(row.spo2Max, -1);  // the monitor measures no SpO2
                QVERIFY(row.hrAvg > 90 && row.hrAvg < 160);
            } else {
                QVERIFY(row.spo2Avg >= 90 && row.spo2Avg <= 99);
                QVERIFY(row.spo2Min < row.spo2Avg);
            }
        }
        QCOMPARE(types, fileTypes.value(branch));
        if (branch != "27010005")
            QVERIFY2(withDrops > nights.size() / 2, qPrintable(branch));
        QVERIFY2(withPatient > 0 && withPatient < nights.size(), qPrintable(branch));
        QVERIFY2(withReminder > 0 && withMotion == nights.size(), qPrintable(branch));
    }
    QCOMPARE(db().searchPatientList().size(), 3);
    db().close();
}

void TestImportTool::demoIsRepeatable()
{
    const QString again = m_dir.filePath(QStringLiteral("demo-again"));
    QCOMPARE(tool({"demo", "--data-dir", again}).exitCode, 0);
    const QMap<QString, QByteArray> files = filesBelow(m_demoDir);
    QVERIFY(files.size() >= 60);
    QVERIFY(files == filesBelow(again));

    // A second run on the same directory finds every night stored.
    const Result r = tool({"demo", "--data-dir", m_demoDir});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out.count(" 0 nights stored"), 3);
    QVERIFY(files == filesBelow(m_demoDir));
}
