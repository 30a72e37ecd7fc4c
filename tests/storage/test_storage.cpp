#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <sys/stat.h>

#include "appconfig.h"
#include "datadirectory.h"
#include "deviceinfo.h"
#include "movefilethread.h"
#include "oxidatacontroller.h"
#include "patientinfo.h"
#include "recorddatabase.h"
#include "recordingwriter.h"

namespace {

// Texts that would break SQL built by splicing, or escape a quoted value.
const QStringList hostile = {
    QStringLiteral("O'Brien"), QStringLiteral("back\\slash"), QStringLiteral("a; drop table tb_check"),
    QStringLiteral("x' or '1'='1"), QStringLiteral("-- comment"), QStringLiteral("Zoë 李")};

DeviceInfo device(const QString &sn, const QString &branch = QStringLiteral("2B010000"))
{
    DeviceInfo d;
    d.setSerialNumber(sn);
    d.setBranchCode(branch);
    d.setModelName(QStringLiteral("Model ") + sn);
    d.setSoftwareVersion(QStringLiteral("1.2.3"));
    d.setBootloaderVersion(QStringLiteral("0.9"));
    d.setFileVersion(QStringLiteral("3"));
    return d;
}

CheckInfo record(const QString &sn, const QString &checkTime, int drops = 1)
{
    CheckInfo c;
    c.sn = sn;
    c.checktime = checkTime;
    c.flowid = sn + checkTime;
    c.duration = 28800;
    c.startDateTime = QDateTime::fromString(checkTime, QStringLiteral("yyyyMMddhhmmss"));
    c.secPerPoint = 0.25f;
    c.spo2Max = 99;
    c.spo2Avg = 95;
    c.spo2Min = 84;
    c.hrMax = 88;
    c.hrAvg = 61;
    c.hrMin = 48;
    c.o2Score = 87;
    c.few90Duration = 120;
    c.drops3 = drops;
    c.drops4 = drops / 2;
    return c;
}

} // namespace

class TestStorage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void createsDirectoryAndFile();
    void devicesRoundTrip();
    void recordsRoundTrip();
    void replacingARecordClearsWhatItDoesNotCarry();
    void patientsRoundTrip();
    void hostileTextsStayInTheirRow();
    void cloudIds();
    void tombstonesKeepDeletedRecordingsOut();
    void deletingAllRecordsOfADevice();
    void upgradesAnOldFileKeepingItsRows();
    void repairsRowsWithoutStart();
    void concurrentUseFromThreeThreads();
    void unsafeNames_data();
    void unsafeNames();
    void moveLosesNothing();
    void moveRelocatesDatabaseAndRecordings();

private:
    RecordDatabase &db() { return RecordDatabase::instance(); }
    QString columnsOf(const QString &table);

    QScopedPointer<QTemporaryDir> m_dir;
};

void TestStorage::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(db().openAt(m_dir->filePath("DATA")));
}

void TestStorage::cleanup()
{
    db().close();
}

QString TestStorage::columnsOf(const QString &table)
{
    QSqlDatabase check = QSqlDatabase::addDatabase("QSQLITE", "inspect");
    QStringList names;
    {
        check.setDatabaseName(m_dir->filePath("DATA/db_o2.db"));
        check.open();
        const QSqlRecord rec = check.record(table);
        for (int i = 0; i < rec.count(); ++i)
            names << rec.fieldName(i);
        check.close();
    }
    check = QSqlDatabase();
    QSqlDatabase::removeDatabase("inspect");
    return names.join(',');
}

void TestStorage::createsDirectoryAndFile()
{
    QVERIFY(QFileInfo::exists(m_dir->filePath("DATA/db_o2.db")));
    QVERIFY(db().isOpen());
    QCOMPARE(columnsOf("tb_check"),
             QString("flowid,checktime,sn,duration,startDateTime,SecPerPoint,o2_high,o2_avg,o2_min,hr_max,hr_avg,"
                     "hr_min,o2score,few90_duration,drops_3,drops_4,note,remarks,resourceID,deviceID"));
    QCOMPARE(columnsOf("tb_device"), QString("sn,devicename,branchcode,btlversion,appversion,fileversion,devicejson,deviceID"));
}

void TestStorage::devicesRoundTrip()
{
    DeviceInfo ring = device("RING01", "22010100");
    ring.setInformationText(R"({"SN":"RING01","BranchCode":"22010100"})");
    ring.setDeviceId("4711");
    QVERIFY(db().insertOrUpdateDevice(ring));
    QVERIFY(db().insertOrUpdateDevice(device("WRIST02")));

    const DeviceInfoPtr back = db().device("RING01");
    QVERIFY(back);
    QCOMPARE(back->serialNumber(), QString("RING01"));
    QCOMPARE(back->branchCode(), QString("22010100"));
    QCOMPARE(back->modelName(), ring.modelName());
    QCOMPARE(back->softwareVersion(), QString("1.2.3"));
    QCOMPARE(back->bootloaderVersion(), QString("0.9"));
    QCOMPARE(back->fileVersion(), QString("3"));
    QCOMPARE(back->deviceId(), QString("4711"));
    QCOMPARE(back->informationText(), ring.informationText());
    QVERIFY(!db().device("nobody"));

    // Most recently written first; writing again moves a device to the top.
    QCOMPARE(db().deviceSerialList(), QStringList({"WRIST02", "RING01"}));
    QVERIFY(db().insertOrUpdateDevice(ring));
    QCOMPARE(db().deviceSerialList(), QStringList({"RING01", "WRIST02"}));
    QCOMPARE(db().allDevices().keys(), QStringList({"RING01", "WRIST02"}));

    QVERIFY(db().deleteDevice("WRIST02"));
    QCOMPARE(db().deviceSerialList(), QStringList({"RING01"}));
}

void TestStorage::recordsRoundTrip()
{
    QVERIFY(db().insertOrUpdateDevice(device("SN1", "2B010000")));
    CheckInfo night = record("SN1", "20260301223000", 7);
    night.secPerPoint = 1.0f / 3;
    night.remarks = "snored";
    night.resourceID = "r-1";
    night.deviceID = "d-1";
    QVERIFY(db().insertRecord(night));
    QVERIFY(db().insertRecord(record("SN1", "20260302221500")));
    QVERIFY(db().insertRecord(record("SN1", "20260228230000")));

    QCOMPARE(db().recordList("SN1"), QStringList({"20260302221500", "20260301223000", "20260228230000"}));
    const CheckInfo back = db().record("SN1", "20260301223000");
    QCOMPARE(back.flowid, QString("SN120260301223000"));
    QCOMPARE(back.startDateTime, QDateTime(QDate(2026, 3, 1), QTime(22, 30)));
    QCOMPARE(back.secPerPoint, float(0.333333));
    QCOMPARE(back.drops3, 7);
    QCOMPARE(back.o2Score, 87);
    QCOMPARE(back.remarks, QString("snored"));
    QVERIFY(back.resourceID.isEmpty() && back.deviceID.isEmpty());
    QVERIFY(db().record("SN1", "20990101000000").flowid.isEmpty());

    const RecordMap all = db().allRecords();
    QCOMPARE(all.value("SN1").size(), 3);
    for (const CheckInfo &c : all.value("SN1")) {
        QCOMPARE(c.branchCode, QString("2B010000"));
        if (c.checktime == "20260301223000")
            QCOMPARE(c.resourceID, QString("r-1"));
    }

    // The stored text form other programs read.
    QSqlQuery raw(QSqlDatabase::database(RecordDatabase::connectionName()));
    QVERIFY(raw.exec("select startDateTime, typeof(duration) from tb_check where flowid = 'SN120260301223000'"));
    QVERIFY(raw.next());
    QCOMPARE(raw.value(0).toString(), QString("2026-03-01 22:30:00.000"));
    QCOMPARE(raw.value(1).toString(), QString("integer"));
}

void TestStorage::replacingARecordClearsWhatItDoesNotCarry()
{
    QVERIFY(db().insertOrUpdateDevice(device("SN1")));
    CheckInfo first = record("SN1", "20260301223000");
    first.remarks = "keep?";
    first.resourceID = "r-9";
    QVERIFY(db().insertRecord(first));
    QVERIFY(db().insertRecord(record("SN1", "20260301223000", 4)));
    const CheckInfo back = db().allRecords().value("SN1").value(0);
    QCOMPARE(back.drops3, 4);
    QVERIFY(back.remarks.isEmpty());
    QVERIFY(back.resourceID.isEmpty());
}

void TestStorage::patientsRoundTrip()
{
    PatientInfo p;
    p.setName("Ann O'Neil");
    p.setUserId("ID-7");
    p.setSex(1);
    p.setBirthday(QDate(1980, 5, 12));
    p.setHeight(172.5);
    p.setWeight(64.25);
    p.setPhysician("Dr. Lee");
    p.setRemarks("it's fine; really -- \\ ok");
    p.setUnit(1);
    QVERIFY(db().savePatientOfRecord("SN120260301223000", p));
    QVERIFY(db().saveSearchPatient(p));

    PatientInfo back;
    QVERIFY(db().patientOfRecord("SN120260301223000", back));
    QVERIFY(!back.isEmpty());
    QCOMPARE(back.name(), p.name());
    QCOMPARE(back.userId(), p.userId());
    QCOMPARE(back.sex(), 1);
    QCOMPARE(back.birthday(), QDate(1980, 5, 12));
    QCOMPARE(back.height(), 172.5);
    QCOMPARE(back.weight(), 64.25);
    QCOMPARE(back.physician(), p.physician());
    QCOMPARE(back.remarks(), p.remarks());
    QCOMPARE(back.unit(), 1);

    PatientInfo none;
    QVERIFY(!db().patientOfRecord("nothing", none));
    QVERIFY(none.isEmpty());

    PatientInfo found;
    QVERIFY(db().searchPatient("Ann O'Neil", "1980/05/12", found));
    QCOMPARE(found.userId(), QString("ID-7"));
    QVERIFY(!db().searchPatient("Ann O'Neil", "1980/05/13", found));
    const PatientSearchList list = db().searchPatientList();
    QCOMPARE(list.size(), 1);
    QCOMPARE(list[0].name, QString("Ann O'Neil"));
    QCOMPARE(list[0].sex, 1);
    QCOMPARE(list[0].birthday, QString("1980/05/12"));

    QVERIFY(db().deletePatientOfRecord("SN120260301223000"));
    QVERIFY(!db().patientOfRecord("SN120260301223000", back));
}

void TestStorage::hostileTextsStayInTheirRow()
{
    QVERIFY(db().insertRecord(record("PLAIN", "20260101220000")));
    for (const QString &text : hostile) {
        DeviceInfo d = device(text);
        d.setModelName(text);
        QVERIFY(db().insertOrUpdateDevice(d));
        QCOMPARE(db().device(text)->modelName(), text);

        CheckInfo c = record(text, "20260102220000");
        c.remarks = text;
        QVERIFY(db().insertRecord(c));
        QCOMPARE(db().recordList(text), QStringList({"20260102220000"}));
        QCOMPARE(db().record(text, "20260102220000").remarks, text);

        PatientInfo p;
        p.setName(text);
        p.setPhysician(text);
        p.setRemarks(text);
        QVERIFY(db().savePatientOfRecord(c.flowid, p));
        PatientInfo back;
        QVERIFY(db().patientOfRecord(c.flowid, back));
        QCOMPARE(back.name(), text);
        QCOMPARE(back.remarks(), text);

        QVERIFY(db().deleteRecord(text, "20260102220000"));
        QVERIFY(db().recordList(text).isEmpty());
    }
    QCOMPARE(db().recordList("PLAIN"), QStringList({"20260101220000"}));
    QCOMPARE(db().deviceSerialList().size(), hostile.size());
}

void TestStorage::cloudIds()
{
    QVERIFY(db().insertOrUpdateDevice(device("SN1")));
    QVERIFY(db().insertRecord(record("SN1", "20260301223000")));
    QVERIFY(db().setDeviceCloudId("77", "SN1"));
    QVERIFY(db().setRecordCloudId("1234567", "SN120260301223000"));
    QCOMPARE(db().device("SN1")->deviceId(), QString("77"));
    QCOMPARE(db().allRecords().value("SN1").value(0).resourceID, QString("1234567"));

    QVERIFY(db().forgetDeviceCloudIds());
    QVERIFY(db().forgetRecordCloudIds());
    QVERIFY(db().device("SN1")->deviceId().isEmpty());
    QVERIFY(db().allRecords().value("SN1").value(0).resourceID.isEmpty());
}

void TestStorage::tombstonesKeepDeletedRecordingsOut()
{
    QVERIFY(db().insertOrUpdateDevice(device("SN1")));
    QVERIFY(db().insertRecord(record("SN1", "20260301223000")));
    QVERIFY(db().insertRecord(record("SN1", "20260302223000")));
    PatientInfo p;
    p.setName("Ann");
    QVERIFY(db().savePatientOfRecord("SN120260301223000", p));

    QVERIFY(db().deleteRecord("SN1", "20260301223000"));
    QCOMPARE(db().recordList("SN1"), QStringList({"20260302223000"}));
    QCOMPARE(db().deletedList(), QStringList({"20260301223000"}));
    PatientInfo back;
    QVERIFY(!db().patientOfRecord("SN120260301223000", back));

    // However often the recorder offers it again, it stays out; a reopen changes nothing.
    for (int i = 0; i < 3; ++i)
        QVERIFY(!db().insertRecord(record("SN1", "20260301223000")));
    db().close();
    QVERIFY(db().openAt(m_dir->filePath("DATA")));
    QVERIFY(!db().insertRecord(record("SN1", "20260301223000")));
    QCOMPARE(db().recordList("SN1"), QStringList({"20260302223000"}));
}

void TestStorage::deletingAllRecordsOfADevice()
{
    for (const char *t : {"20260301223000", "20260302223000", "20260303223000"})
        QVERIFY(db().insertRecord(record("SN1", t)));
    QVERIFY(db().insertRecord(record("SN2", "20260301223000")));
    QVERIFY(db().deleteRecord("SN1", QString()));
    QVERIFY(db().recordList("SN1").isEmpty());
    QCOMPARE(db().recordList("SN2").size(), 1);
    QCOMPARE(db().deletedList(), QStringList({"20260303223000", "20260302223000", "20260301223000"}));
    QVERIFY(!db().insertRecord(record("SN1", "20260302223000")));
    QVERIFY(db().insertRecord(record("SN2", "20260302223000")));
}

void TestStorage::upgradesAnOldFileKeepingItsRows()
{
    db().close();
    const QString dir = m_dir->filePath("OLD");
    QDir().mkpath(dir);
    {
        QSqlDatabase old = QSqlDatabase::addDatabase("QSQLITE", "old");
        old.setDatabaseName(dir + "/db_o2.db");
        QVERIFY(old.open());
        QSqlQuery q(old);
        QVERIFY(q.exec("create table tb_device (sn varchar(20) primary key, devicename varchar(20), branchcode varchar(10),"
                       " btlversion varchar(10), appversion varchar(10), fileversion varchar(10), devicejson varchar(500))"));
        QVERIFY(q.exec("create table tb_check (flowid varchar(40) primary key, checktime varchar(14), sn varchar(20),"
                       " duration INTEGER, startDateTime DATETIME, SecPerPoint real, o2_first INTEGER, o2_avg INTEGER,"
                       " o2_min INTEGER, hr_max INTEGER, hr_avg INTEGER, hr_min INTEGER, o2score INTEGER,"
                       " few90_duration INTEGER, drops_3 INTEGER, drops_4 INTEGER)"));
        QVERIFY(q.exec("insert into tb_device values ('OLD1', 'Old Ring', '2B010000', '1', '2', '3', '')"));
        QVERIFY(q.exec("insert into tb_check values ('OLD120250101220000', '20250101220000', 'OLD1', 3600,"
                       " '2025-01-01 22:00:00.000', '0.25', '98', '95', '90', '80', '60', '50', '255', '0', '2', '1')"));
        old.close();
    }
    QSqlDatabase::removeDatabase("old");

    QVERIFY(db().openAt(dir));
    const CheckInfo kept = db().record("OLD1", "20250101220000");
    QCOMPARE(kept.duration, 3600);
    QCOMPARE(kept.drops3, 2);
    QCOMPARE(kept.spo2Max, 98);   // the old file's seventh column, renamed in place
    QVERIFY(columnsOf("tb_check").startsWith("flowid,checktime,sn,duration,startDateTime,SecPerPoint,o2_high,o2_avg,"));
    QCOMPARE(kept.startDateTime, QDateTime(QDate(2025, 1, 1), QTime(22, 0)));
    QCOMPARE(db().device("OLD1")->modelName(), QString("Old Ring"));
    CheckInfo fresh = record("OLD1", "20250102220000");
    fresh.remarks = "new column";
    QVERIFY(db().insertRecord(fresh));
    QCOMPARE(db().record("OLD1", "20250102220000").remarks, QString("new column"));
    QVERIFY(db().setDeviceCloudId("5", "OLD1"));
    QCOMPARE(db().device("OLD1")->deviceId(), QString("5"));
}

void TestStorage::repairsRowsWithoutStart()
{
    QVERIFY(db().insertOrUpdateDevice(device("SN1")));
    CheckInfo broken = record("SN1", "20260301223000");
    broken.startDateTime = QDateTime();
    broken.drops3 = 0;
    broken.remarks = "user mark";
    broken.resourceID = "r-5";
    QVERIFY(db().insertRecord(broken));
    CheckInfo missing = record("SN1", "20260302223000");
    missing.startDateTime = QDateTime();
    QVERIFY(db().insertRecord(missing));

    const QString path = m_dir->filePath("DATA/SN1/20260301223000");
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(RecordingWriter::newFormat().kind(4).spo2({97, 96, 95}).summary(96, 95, 6, 2, 0, 91, 60).bytes());
    file.close();

    db().close();
    QVERIFY(db().openAt(m_dir->filePath("DATA")));
    CheckInfo repaired;
    for (const CheckInfo &c : db().allRecords().value("SN1"))
        if (c.checktime == "20260301223000")
            repaired = c;
    QCOMPARE(repaired.startDateTime, QDateTime(QDate(2026, 3, 14), QTime(22, 30, 5)));
    QCOMPARE(repaired.drops3, 6);
    QCOMPARE(repaired.o2Score, 91);
    QCOMPARE(repaired.resourceID, QString("r-5"));
    QCOMPARE(repaired.remarks, QString("user mark"));
    // No file to read: the row stays as it was, to be tried again.
    QVERIFY(!db().record("SN1", "20260302223000").startDateTime.isValid());
    QCOMPARE(db().record("SN1", "20260302223000").drops3, missing.drops3);
}

void TestStorage::concurrentUseFromThreeThreads()
{
    QVERIFY(db().insertOrUpdateDevice(device("T0")));
    QVERIFY(db().insertOrUpdateDevice(device("T1")));
    QVERIFY(db().insertOrUpdateDevice(device("T2")));
    std::atomic<int> failures{0};
    QVector<QThread *> threads;
    for (int t = 0; t < 3; ++t) {
        threads << QThread::create([&, t] {
            const QString sn = QString("T%1").arg(t);
            for (int i = 0; i < 150; ++i) {
                const QString time = QDateTime(QDate(2026, 1, 1), QTime(0, 0)).addSecs(3600 * i).toString("yyyyMMddhhmmss");
                if (!db().insertRecord(record(sn, time)))
                    ++failures;
                if (db().recordList(sn).size() != i + 1 || !db().device(sn))
                    ++failures;
                if (i % 25 == 0 && db().allRecords().isEmpty())
                    ++failures;
            }
        });
        threads.last()->start();
    }
    for (QThread *thread : threads) {
        thread->wait();
        delete thread;
    }
    QCOMPARE(failures.load(), 0);
    const RecordMap all = db().allRecords();
    for (int t = 0; t < 3; ++t)
        QCOMPARE(all.value(QString("T%1").arg(t)).size(), 150);
}

void TestStorage::unsafeNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("safe");
    QTest::newRow("serial number") << "PC60F_0012a" << true;
    QTest::newRow("check time") << "20260314223005" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("dot") << "." << false;
    QTest::newRow("dot dot") << ".." << false;
    QTest::newRow("parent inside") << "a..b" << false;
    QTest::newRow("slash") << "a/b" << false;
    QTest::newRow("backslash") << "a\\b" << false;
    QTest::newRow("drive") << "C:" << false;
    QTest::newRow("NUL") << QString("ab") + QChar(0) + "c" << false;
    QTest::newRow("newline") << "ab\ncd" << false;
    QTest::newRow("too long") << QString(65, 'x') << false;
    QTest::newRow("longest allowed") << QString(64, 'x') << true;
}

void TestStorage::unsafeNames()
{
    QFETCH(QString, name);
    QFETCH(bool, safe);
    QCOMPARE(DataDirectory::isSafeName(name), safe);
    const DataDirectory layout("/data");
    QCOMPARE(layout.recordPath(name, "20260314223005").has_value(), safe);
    QCOMPARE(layout.deviceDir(name).has_value(), safe);
    QVERIFY(!layout.recordPath("SN1", name).has_value() || name == "20260314223005");
}

void TestStorage::moveLosesNothing()
{
    db().close();
    QTemporaryDir from, to;
    auto put = [](const QString &path, const QByteArray &bytes) {
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    };
    QVERIFY(put(from.filePath("SN1/20260301223000"), "night one"));
    QVERIFY(put(from.filePath("SN1/20260302223000"), "night two"));
    QVERIFY(put(from.filePath("SN2/20260301223000"), "other recorder"));
    QVERIFY(put(from.filePath("SN3/20260301223000"), "third recorder"));
    // The destination already holds a night of SN1 under the same name, and a
    // plain file where SN3's folder would go: neither can take our files.
    QVERIFY(put(to.filePath("SN1/20260302223000"), "theirs"));
    QVERIFY(put(to.filePath("SN3"), "in the way"));

    QVERIFY(!MoveFileThread::moveTree(from.path(), to.path()));
    auto read = [](const QString &path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    };
    QCOMPARE(read(to.filePath("SN1/20260301223000")), QByteArray("night one"));
    QCOMPARE(read(to.filePath("SN1/20260302223000")), QByteArray("theirs"));
    QCOMPARE(read(from.filePath("SN1/20260302223000")), QByteArray("night two"));
    QVERIFY(!QFileInfo::exists(from.filePath("SN1/20260301223000")));
    QCOMPARE(read(to.filePath("SN2/20260301223000")), QByteArray("other recorder"));
    QVERIFY(!QFileInfo::exists(from.filePath("SN2")));
    QCOMPARE(read(from.filePath("SN3/20260301223000")), QByteArray("third recorder"));
    QCOMPARE(read(to.filePath("SN3")), QByteArray("in the way"));
}

void TestStorage::moveRelocatesDatabaseAndRecordings()
{
    QVERIFY(db().insertOrUpdateDevice(device("SN1")));
    QVERIFY(db().insertRecord(record("SN1", "20260301223000")));
    const QString source = m_dir->filePath("DATA");
    QDir().mkpath(source + "/SN1");
    QFile night(source + "/SN1/20260301223000");
    QVERIFY(night.open(QIODevice::WriteOnly));
    night.write("bytes");
    night.close();

    // Another file system where there is one, so the copy path is taken too.
    QString base = QDir::tempPath();
    struct stat a, b;
    if (stat("/dev/shm", &a) == 0 && stat(qPrintable(base), &b) == 0 && a.st_dev != b.st_dev)
        base = "/dev/shm";
    QTemporaryDir target(base + "/nocturnix-move-XXXXXX");
    const QString destination = target.filePath("NEW");

    // The thread reopens from the configured directory; point it there first.
    AppConfig::instance().setDataDir(destination);
    MoveFileThread mover;
    mover.setSource(source);
    mover.setDestination(destination);
    QSignalSpy finished(&mover, &MoveFileThread::moveFinish);
    mover.start();
    QVERIFY(mover.wait(10000));
    QCOMPARE(finished.count(), 1);

    QVERIFY(db().isOpen());
    QCOMPARE(db().dataDir(), destination);
    QCOMPARE(db().recordList("SN1"), QStringList({"20260301223000"}));
    QVERIFY(QFileInfo::exists(destination + "/SN1/20260301223000"));
    QVERIFY(!QFileInfo::exists(source + "/db_o2.db"));
    QVERIFY(!QFileInfo::exists(source + "/SN1"));
}

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication app(argc, argv);
    TestStorage t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_storage.moc"
