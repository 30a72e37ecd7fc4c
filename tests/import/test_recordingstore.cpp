#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>

#include "deviceinfo.h"
#include "oxidatacontroller.h"
#include "patientinfo.h"
#include "recorddatabase.h"
#include "recordingstore.h"
#include "recordingwriter.h"
#include "test_import.h"

using StoreResult = RecordingStore::StoreResult;
Q_DECLARE_METATYPE(StoreResult)

namespace {

const QString sn = QStringLiteral("SN0001");
const QString checkTime = QStringLiteral("20260314223005");
const QString wrist = QStringLiteral("2B010000");

RecordDatabase &db()
{
    return RecordDatabase::instance();
}

// Twenty minutes at 4 s with a short dip.
QByteArray night()
{
    return RecordingWriter::newFormat().spo2(spo2Runs({{97, 150}, {95, 2}, {93, 2}, {93, 2}, {97, 150}})).bytes();
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

DeviceInfo storedDevice(const QString &branch)
{
    DeviceInfo d;
    d.setSerialNumber(sn);
    d.setBranchCode(branch);
    d.setModelName(QStringLiteral("Bedside unit"));
    d.setSoftwareVersion(QStringLiteral("3.0.1"));
    d.setBootloaderVersion(QStringLiteral("1.1"));
    d.setFileVersion(QStringLiteral("3"));
    d.setDeviceId(QStringLiteral("cloud-77"));
    return d;
}

} // namespace

void TestRecordingStore::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    QVERIFY(db().openAt(dataDir()));
}

void TestRecordingStore::cleanup()
{
    db().close();
}

QString TestRecordingStore::dataDir() const
{
    return m_dir->filePath(QStringLiteral("DATA"));
}

QString TestRecordingStore::recordPath(const QString &serial, const QString &time) const
{
    return dataDir() + QLatin1Char('/') + serial + QLatin1Char('/') + time;
}

// Source files live beside the data directory, never in it.
QString TestRecordingStore::source(const QString &name, const QByteArray &bytes)
{
    const QString path = m_dir->filePath(QStringLiteral("src/") + name);
    if (!writeFile(path, bytes))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// Every path below the scratch directory except the database's own files.
QStringList TestRecordingStore::snapshot() const
{
    QStringList paths;
    QDirIterator it(m_dir->path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!QFileInfo(path).fileName().startsWith(QLatin1String("db_o2.db")))
            paths << path;
    }
    paths.sort();
    return paths;
}

void TestRecordingStore::importStoresFileAndRows_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("branch");
    QTest::addColumn<QString>("model");

    QTest::newRow("new format without summary") << night() << wrist << "Pelsin O2 Peak";
    QTest::newRow("new format with summary")
        << RecordingWriter::newFormat().kind(4).spo2(QVector<int>(300, 96)).summary(96, 91, 4, 2, 30, 88, 61).bytes()
        << "2B010002" << "Pelsin O2 Peak Plus";
    QTest::newRow("pulse-only, zero marks no SpO2")
        << RecordingWriter::newFormat().kind(7).interval(2).samples(QVector<RawSample>(500, {0, 121, 3})).bytes()
        << "27010005" << "Lullen S1";
    QTest::newRow("old three-byte ring")
        << RecordingWriter::oldFormat().threeByte().samples(QVector<RawSample>(400, {95, 58, 0x81})).bytes()
        << "22010100" << "Pelsin O2 Ultra";
    QTest::newRow("old five-byte") << RecordingWriter::oldFormat().spo2(QVector<int>(400, 94)).bytes() << wrist
                                   << "Pelsin O2 Peak";
}

void TestRecordingStore::importStoresFileAndRows()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, branch);
    QFETCH(QString, model);
    const QString from = source(checkTime, bytes);

    QCOMPARE(RecordingStore(db()).importFile(sn, branch, from), StoreResult::Stored);

    QCOMPARE(readAll(recordPath(sn, checkTime)), bytes);
    QCOMPARE(readAll(from), bytes);
    // The copy went through a temporary file that must not stay behind.
    QCOMPARE(QDir(dataDir() + "/" + sn).entryList(QDir::Files | QDir::Hidden), QStringList{checkTime});

    OxiDataController parsed;
    QVERIFY(parsed.parseBytes(bytes, branch, from));
    const CheckInfo row = db().record(sn, checkTime);
    QCOMPARE(row.flowid, sn + checkTime);
    QCOMPARE(row.startDateTime, parsed.startDateTime);
    QCOMPARE(row.duration, parsed.duration);
    QCOMPARE(row.spo2Avg, parsed.spo2Avg);
    QCOMPARE(row.hrAvg, parsed.pulseAvg);
    QCOMPARE(row.drops3, parsed.drops3);

    const DeviceInfoPtr device = db().device(sn);
    QVERIFY(device);
    QCOMPARE(device->branchCode(), branch);
    QCOMPARE(device->modelName(), model);
}

void TestRecordingStore::storedNightIsLeftAlone()
{
    RecordingStore store(db());
    QCOMPARE(store.importFile(sn, wrist, source(checkTime, night())), StoreResult::Stored);
    PatientInfo patient;
    patient.setName(QStringLiteral("Kept"));
    QVERIFY(db().savePatientOfRecord(sn + checkTime, patient));
    const CheckInfo before = db().record(sn, checkTime);

    const QByteArray other = RecordingWriter::newFormat().spo2(QVector<int>(900, 91)).bytes();
    QCOMPARE(store.importFile(sn, wrist, source(checkTime, other)), StoreResult::AlreadyStored);

    QCOMPARE(readAll(recordPath(sn, checkTime)), night());
    QCOMPARE(db().record(sn, checkTime).duration, before.duration);
    PatientInfo kept;
    QVERIFY(db().patientOfRecord(sn + checkTime, kept));
    QCOMPARE(kept.name(), QStringLiteral("Kept"));
}

void TestRecordingStore::deletedNightStaysDeleted_data()
{
    QTest::addColumn<bool>("importFirst");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("deleted after import") << true << night();
    // Refused before the file is read: it may well be unreadable.
    QTest::newRow("tombstone only, unreadable source") << false << QByteArray("not a recording");
}

void TestRecordingStore::deletedNightStaysDeleted()
{
    QFETCH(bool, importFirst);
    QFETCH(QByteArray, bytes);
    RecordingStore store(db());
    if (importFirst) {
        QCOMPARE(store.importFile(sn, wrist, source(checkTime, night())), StoreResult::Stored);
        // What deleting in the record tree does: rows and tombstone, then the file.
        QVERIFY(db().deleteRecord(sn, checkTime));
        QVERIFY(QFile::remove(recordPath(sn, checkTime)));
    } else {
        QVERIFY(db().addTombstone(sn + checkTime, checkTime, sn));
    }

    const QString from = source(checkTime, bytes);
    for (int attempt = 0; attempt < 3; ++attempt)
        QCOMPARE(store.importFile(sn, wrist, from), StoreResult::Deleted);

    QVERIFY(db().recordList(sn).isEmpty());
    QVERIFY(!QFileInfo::exists(recordPath(sn, checkTime)));
}

void TestRecordingStore::refusesUnsafeNames_data()
{
    QTest::addColumn<QString>("serial");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<StoreResult>("expected");

    QTest::newRow("serial climbs out") << "../escape" << checkTime << StoreResult::UnsafeName;
    QTest::newRow("serial is a path") << "a/b" << checkTime << StoreResult::UnsafeName;
    QTest::newRow("serial is dot-dot") << ".." << checkTime << StoreResult::UnsafeName;
    QTest::newRow("serial with backslashes") << "x\\..\\y" << checkTime << StoreResult::UnsafeName;
    QTest::newRow("serial with a line break") << "SN\n1" << checkTime << StoreResult::UnsafeName;
    QTest::newRow("serial empty") << "" << checkTime << StoreResult::UnsafeName;
    QTest::newRow("name of 13 digits") << sn << "2026031422300" << StoreResult::NotACheckTime;
    QTest::newRow("name with month 13") << sn << "20261314223005" << StoreResult::NotACheckTime;
    QTest::newRow("name with an extension") << sn << "20260314223005.dat" << StoreResult::NotACheckTime;
    QTest::newRow("name is a word") << sn << "night" << StoreResult::NotACheckTime;
}

void TestRecordingStore::refusesUnsafeNames()
{
    QFETCH(QString, serial);
    QFETCH(QString, fileName);
    QFETCH(StoreResult, expected);
    const QString from = source(fileName, night());
    const QStringList before = snapshot();

    QCOMPARE(RecordingStore(db()).importFile(serial, wrist, from), expected);

    QCOMPARE(snapshot(), before);
    QVERIFY(db().deviceSerialList().isEmpty());
}

void TestRecordingStore::refusesWhatIsNoRecording_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("setup");  // 0 a file of these bytes, 1 a directory, 2 nothing
    QTest::addColumn<StoreResult>("expected");

    const QByteArray text = QByteArray("These are minutes of a meeting, not a night of a recorder.\n").repeated(3);
    QTest::newRow("text file") << text << 0 << StoreResult::NotARecording;
    QTest::newRow("empty file") << QByteArray() << 0 << StoreResult::NotARecording;
    QTest::newRow("old header with a zero date") << QByteArray(240, '\0') << 0 << StoreResult::NotARecording;
    QTest::newRow("old header without samples")
        << RecordingWriter::oldFormat().samples({}).bytes() << 0 << StoreResult::NotARecording;
    QTest::newRow("new format, checksum off by one")
        << RecordingWriter::newFormat().spo2({97, 96}).checksumDelta(1).bytes() << 0 << StoreResult::NotARecording;
    QTest::newRow("new format, interval 0")
        << RecordingWriter::newFormat().spo2({97, 96}).interval(0).bytes() << 0 << StoreResult::NotARecording;
    QTest::newRow("directory") << QByteArray() << 1 << StoreResult::NotARecording;
    QTest::newRow("missing file") << QByteArray() << 2 << StoreResult::ReadFailed;
}

void TestRecordingStore::refusesWhatIsNoRecording()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, setup);
    QFETCH(StoreResult, expected);
    QString from = m_dir->filePath(QStringLiteral("src/") + checkTime);
    if (setup == 0)
        from = source(checkTime, bytes);
    else if (setup == 1)
        QVERIFY(QDir().mkpath(from));

    QCOMPARE(RecordingStore(db()).importFile(sn, wrist, from), expected);

    QVERIFY(!QFileInfo::exists(recordPath(sn, checkTime)));
    QVERIFY(db().recordList(sn).isEmpty());
    QVERIFY(!db().device(sn));
}

void TestRecordingStore::keepsAStoredRecordersRow()
{
    QVERIFY(db().insertOrUpdateDevice(storedDevice(wrist)));

    QCOMPARE(RecordingStore(db()).importFile(sn, wrist, source(checkTime, night())), StoreResult::Stored);

    const DeviceInfoPtr device = db().device(sn);
    QVERIFY(device);
    QCOMPARE(device->modelName(), QStringLiteral("Bedside unit"));
    QCOMPARE(device->softwareVersion(), QStringLiteral("3.0.1"));
    QCOMPARE(device->bootloaderVersion(), QStringLiteral("1.1"));
    QCOMPARE(device->deviceId(), QStringLiteral("cloud-77"));
    QCOMPARE(db().recordList(sn), QStringList{checkTime});
}

void TestRecordingStore::refusesAnotherBranchCode_data()
{
    QTest::addColumn<QString>("storedBranch");  // empty: no device row
    QTest::addColumn<QString>("givenBranch");
    QTest::newRow("not the stored recorder's") << "22010100" << wrist;
    QTest::newRow("empty for a new recorder") << "" << "";
}

void TestRecordingStore::refusesAnotherBranchCode()
{
    QFETCH(QString, storedBranch);
    QFETCH(QString, givenBranch);
    if (!storedBranch.isEmpty())
        QVERIFY(db().insertOrUpdateDevice(storedDevice(storedBranch)));

    QCOMPARE(RecordingStore(db()).importFile(sn, givenBranch, source(checkTime, night())),
             StoreResult::WrongBranchCode);

    QVERIFY(!QFileInfo::exists(recordPath(sn, checkTime)));
    QVERIFY(db().recordList(sn).isEmpty());
    QCOMPARE(db().deviceSerialList().size(), storedBranch.isEmpty() ? 0 : 1);
}

void TestRecordingStore::putsBackAMissingFile()
{
    QVERIFY(db().insertOrUpdateDevice(storedDevice(wrist)));
    CheckInfo row;
    row.flowid = sn + checkTime;
    row.sn = sn;
    row.checktime = checkTime;
    row.duration = 1234;
    row.remarks = QStringLiteral("keep me");
    QVERIFY(db().insertRecord(row));

    QCOMPARE(RecordingStore(db()).importFile(sn, wrist, source(checkTime, night())), StoreResult::FileRestored);

    QCOMPARE(readAll(recordPath(sn, checkTime)), night());
    const CheckInfo kept = db().record(sn, checkTime);
    QCOMPARE(kept.remarks, QStringLiteral("keep me"));
    QCOMPARE(kept.duration, 1234);
}

void TestRecordingStore::unreadableDownloadIsRepairedLater_data()
{
    QTest::addColumn<QByteArray>("broken");
    QTest::newRow("checksum off by one") << RecordingWriter::newFormat().spo2({97, 96}).checksumDelta(1).bytes();
    // Fails after the start was decoded: a row from these fields would never be repaired.
    QTest::newRow("unknown channel layout") << RecordingWriter::newFormat().spo2({97, 96}).layout(5).bytes();
}

void TestRecordingStore::unreadableDownloadIsRepairedLater()
{
    QFETCH(QByteArray, broken);
    QVERIFY(db().insertOrUpdateDevice(storedDevice(wrist)));
    QVERIFY(writeFile(recordPath(sn, checkTime), broken));

    QCOMPARE(RecordingStore(db()).registerDownloaded(sn, checkTime, wrist), StoreResult::Stored);
    QCOMPARE(db().recordList(sn), QStringList{checkTime});
    QVERIFY(!db().record(sn, checkTime).startDateTime.isValid());

    // The file is readable by the next start; the repair fills the row.
    QVERIFY(writeFile(recordPath(sn, checkTime), night()));
    db().close();
    QVERIFY(db().openAt(dataDir()));
    OxiDataController parsed;
    QVERIFY(parsed.parseBytes(night(), wrist, QStringLiteral("night")));
    const CheckInfo repaired = db().record(sn, checkTime);
    QCOMPARE(repaired.startDateTime, parsed.startDateTime);
    QCOMPARE(repaired.duration, parsed.duration);
    QCOMPARE(repaired.drops3, parsed.drops3);
}

void TestRecordingStore::deletedDownloadLeavesNoFile()
{
    QVERIFY(db().addTombstone(sn + checkTime, checkTime, sn));
    QVERIFY(writeFile(recordPath(sn, checkTime), night()));

    QCOMPARE(RecordingStore(db()).registerDownloaded(sn, checkTime, wrist), StoreResult::Deleted);

    QVERIFY(!QFileInfo::exists(recordPath(sn, checkTime)));
    QVERIFY(db().recordList(sn).isEmpty());
}
