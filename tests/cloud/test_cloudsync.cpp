#include "test_cloudsync.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include "cloudfixture.h"
#include "demogenerator.h"
#include "recorddatabase.h"

using Fault = FakeCloudServer::Fault;
Q_DECLARE_METATYPE(FakeCloudServer::Fault)

namespace {

const QString quotedRemark = QStringLiteral("she said \"wake me\" & left at 5% \\ 'ok' \u00e9\u6c27");

// Relative path -> bytes of every recording file below a data directory.
QMap<QString, QByteArray> recordingFiles(const QString &root)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.endsWith(QLatin1String(".db")))
            continue;
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        files.insert(QDir(root).relativeFilePath(path), file.readAll());
    }
    return files;
}

QStringList rowTexts(const RecordMap &records)
{
    QStringList rows;
    for (const QVector<CheckInfo> &nights : records) {
        for (const CheckInfo &c : nights) {
            rows << QStringList{c.flowid, c.sn, c.checktime, c.resourceID, c.remarks, c.startDateTime.toString(Qt::ISODate),
                                QString::number(c.duration), QString::number(c.spo2Avg), QString::number(c.spo2Min),
                                QString::number(c.hrAvg), QString::number(c.drops3), QString::number(c.drops4),
                                QString::number(c.o2Score), QString::number(c.few90Duration)}.join('|');
        }
    }
    rows.sort();
    return rows;
}

RecordMap syncedRecords(RecordMap records)
{
    records.remove(QStringLiteral("OU2201004517"));   // a model the cloud does not keep
    return records;
}

} // namespace

TestCloudSync::TestCloudSync() = default;
TestCloudSync::~TestCloudSync() = default;

void TestCloudSync::initTestCase()
{
    // Generated once, copied for each test: the demo takes seconds, a copy none.
    m_demo = std::make_unique<QTemporaryDir>();
    DemoGenerator demo;
    QVERIFY(demo.generate(m_demo->path()));
    RecordDatabase::instance().close();
}

void TestCloudSync::openDemo()
{
    QDirIterator it(m_demo->path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        const QString to = m_source + '/' + QDir(m_demo->path()).relativeFilePath(from);
        QVERIFY(QDir().mkpath(QFileInfo(to).path()));
        QVERIFY(QFile::copy(from, to));
    }
    QVERIFY(RecordDatabase::instance().openAt(m_source));
}

void TestCloudSync::init()
{
    m_tmp = std::make_unique<QTemporaryDir>();
    m_source = m_tmp->filePath("source");
    m_target = m_tmp->filePath("target");
    m_cloud = std::make_unique<CloudFixture>(CloudTimeouts{1500, 1500});
    QCOMPARE(m_cloud->login().value(0).toBool(), true);
}

void TestCloudSync::cleanup()
{
    if (m_cloud)
        QCOMPARE(m_cloud->server.refusals(), QStringList());
    m_cloud.reset();
    RecordDatabase::instance().close();
    m_tmp.reset();
}

void TestCloudSync::uploadDemoThenSwitch()
{
    openDemo();
    RecordDatabase &db = RecordDatabase::instance();
    const CheckInfo marked = db.records(QStringLiteral("LS2701000298")).value(3);
    QVERIFY(db.setRecordRemarks(marked.flowid, quotedRemark));
    QCOMPARE(m_cloud->sync(), std::optional<bool>(true));
    openEmpty();
}

void TestCloudSync::openEmpty()
{
    RecordDatabase::instance().close();
    QVERIFY(RecordDatabase::instance().openAt(m_target));
}

void TestCloudSync::restoresSameFilesAndRows()
{
    openDemo();
    RecordDatabase &db = RecordDatabase::instance();
    const CheckInfo marked = db.records(QStringLiteral("LS2701000298")).value(3);
    QVERIFY(db.setRecordRemarks(marked.flowid, quotedRemark));
    QCOMPARE(m_cloud->sync(), std::optional<bool>(true));

    // Uploaded with the summary of the file and the smallest member id; the
    // model the cloud does not keep stays at home without counting as a failure.
    const QVector<QJsonObject> uploaded = m_cloud->server.records(CloudFixture::userId);
    const RecordMap source = syncedRecords(db.allRecords());
    const QStringList sourceRows = rowTexts(source);
    QCOMPARE(uploaded.size(), sourceRows.size());
    for (const QJsonObject &r : uploaded)
        QVERIFY(r.value("deviceSn").toString() != QLatin1String("OU2201004517"));
    QCOMPARE(m_cloud->server.devices(CloudFixture::userId).size(), 2);
    const QJsonObject first = uploaded.first();
    const CheckInfo row = db.record(first.value("deviceSn").toString(), first.value("fileName").toString());
    QCOMPARE(first.value("memberId").toInt(), 7);
    QCOMPARE(first.value("m3PercentOdi").toInt(), row.drops3);
    QCOMPARE(first.value("measureDuration").toInt(), row.duration);
    QCOMPARE(first.value("measureTime").toString(), row.startDateTime.toString("yyyy-MM-dd HH:mm:ss"));
    const QMap<QString, QByteArray> sourceFiles = recordingFiles(m_source);
    const DeviceMap sourceDevices = db.allDevices();

    openEmpty();
    QSignalSpy downloaded(m_cloud->helper.get(), &SyncHelper::recordDownloaded);
    QSignalSpy progress(m_cloud->helper.get(), &SyncHelper::progress);
    QCOMPARE(m_cloud->sync(), std::optional<bool>(true));
    QCOMPARE(downloaded.size(), sourceRows.size());
    QCOMPARE(rowTexts(db.allRecords()), sourceRows);
    QMap<QString, QByteArray> expectedFiles;
    for (auto it = sourceFiles.cbegin(); it != sourceFiles.cend(); ++it) {
        if (!it.key().startsWith(QLatin1String("OU2201004517/")))
            expectedFiles.insert(it.key(), it.value());
    }
    QCOMPARE(recordingFiles(m_target), expectedFiles);
    QCOMPARE(db.record("LS2701000298", marked.checktime).remarks, quotedRemark);
    for (const DeviceInfoPtr &device : db.allDevices()) {
        const DeviceInfoPtr before = sourceDevices.value(device->serialNumber());
        QVERIFY(before);
        QCOMPARE(device->deviceId(), before->deviceId());
        QCOMPARE(device->branchCode(), before->branchCode());
        QCOMPARE(device->modelName(), before->modelName());
        QCOMPARE(device->softwareVersion(), before->softwareVersion());
    }

    // No local night: the record upload loop says nothing; the download
    // loop runs from 0 to total - 1.
    QList<int> currents;
    for (const QList<QVariant> &p : qAsConst(progress)) {
        QVERIFY(!(p.at(0).value<syncType>() == SyncRecords && p.at(3).value<direction>() == DirectionUpload));
        if (p.at(0).value<syncType>() == SyncRecords)
            currents << p.at(1).toInt();
        QCOMPARE(p.at(2).toInt() > p.at(1).toInt(), true);
    }
    QCOMPARE(currents.first(), 0);
    QCOMPARE(currents.last(), sourceRows.size() - 1);

    // A second run fetches nothing twice.
    m_cloud->server.clearRequests();
    downloaded.clear();
    QCOMPARE(m_cloud->sync(), std::optional<bool>(true));
    QCOMPARE(downloaded.size(), 0);
    for (const FakeCloudServer::Request &r : m_cloud->server.requests())
        QVERIFY2(r.method != "GET" && r.path != QLatin1String("/v1/oxygen/upload"), qPrintable(r.path));
}

void TestCloudSync::retriesUploads_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("failures");
    QTest::addColumn<bool>("isSuccess");
    QTest::newRow("device: three failures, fourth attempt") << "/v2/device/binding" << 3 << true;
    QTest::newRow("device: four failures") << "/v2/device/binding" << 4 << false;
    QTest::newRow("record: three failures, fourth attempt") << "/v1/oxygen/upload" << 3 << true;
    QTest::newRow("record: four failures") << "/v1/oxygen/upload" << 4 << false;
}

void TestCloudSync::retriesUploads()
{
    QFETCH(QString, path);
    QFETCH(int, failures);
    QFETCH(bool, isSuccess);
    openDemo();
    m_cloud->server.addFault(path, Fault::Http500, failures);
    QCOMPARE(m_cloud->sync(), std::optional<bool>(isSuccess));
    // A failed upload skips the downloads of its step and every later step.
    const bool listed = !m_cloud->server.requests("/v1/oxygen/list").isEmpty();
    QCOMPARE(listed, isSuccess);
    if (!isSuccess && path.startsWith(QLatin1String("/v2")))
        QVERIFY(m_cloud->server.requests("/v1/oxygen/upload").isEmpty());
    // Nothing stored twice however often it was tried.
    QCOMPARE(m_cloud->server.records(CloudFixture::userId).size(), isSuccess || path.startsWith("/v2") ? (isSuccess ? 64 : 0) : 63);
}

void TestCloudSync::pagesRecordList_data()
{
    QTest::addColumn<int>("pageSize");
    QTest::addColumn<int>("pages");   // what the replies claim; -2 the truth, -1 none
    QTest::addColumn<QList<int>>("asked");
    QTest::addColumn<bool>("isSuccess");
    QTest::newRow("three pages") << 25 << -2 << QList<int>{1, 2, 3} << true;
    QTest::newRow("pages 0 ends after the first") << 25 << 0 << QList<int>{1} << true;
    QTest::newRow("absurd pages end at an empty page") << 25 << 1000000000 << QList<int>{1, 2, 3, 4} << true;
    QTest::newRow("no pages fails the list") << 25 << -1 << QList<int>{1, 1, 1} << false;
}

void TestCloudSync::pagesRecordList()
{
    QFETCH(int, pageSize);
    QFETCH(int, pages);
    QFETCH(QList<int>, asked);
    QFETCH(bool, isSuccess);
    uploadDemoThenSwitch();
    m_cloud->server.clearRequests();
    m_cloud->server.setMaxPageSize(pageSize);
    if (pages != -2)
        m_cloud->server.overridePages(pages);
    QCOMPARE(m_cloud->sync(), std::optional<bool>(isSuccess));
    QList<int> currents;
    for (const FakeCloudServer::Request &r : m_cloud->server.requests("/v1/oxygen/list")) {
        currents << r.json.value("current").toInt();
        QCOMPARE(r.json.value("size").toInt(), 50);
    }
    QCOMPARE(currents, asked);
}

void TestCloudSync::keepsFetchingWhenOneNightFails_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::newRow("HTTP 500") << Fault::Http500;
    QTest::newRow("time-out") << Fault::Timeout;
}

void TestCloudSync::keepsFetchingWhenOneNightFails()
{
    QFETCH(Fault, fault);
    m_cloud = std::make_unique<CloudFixture>(CloudTimeouts{1500, 250});
    QCOMPARE(m_cloud->login().value(0).toBool(), true);
    uploadDemoThenSwitch();
    const QJsonObject victim = m_cloud->server.records(CloudFixture::userId).value(10);
    const QString path = QUrl(victim.value("originalFileUrl").toString()).path();
    m_cloud->server.addFault(path, fault, -1);
    QSignalSpy downloaded(m_cloud->helper.get(), &SyncHelper::recordDownloaded);
    QCOMPARE(m_cloud->sync(), std::optional<bool>(false));
    QCOMPARE(downloaded.size(), 63);
    QCOMPARE(m_cloud->server.requests(path).size(), 4);
    const QString sn = victim.value("deviceSn").toString();
    const QString checkTime = victim.value("fileName").toString();
    QVERIFY(RecordDatabase::instance().record(sn, checkTime).flowid.isEmpty());
    QVERIFY(!QFileInfo::exists(m_target + '/' + sn + '/' + checkTime));
    QCOMPARE(QDir(m_target + '/' + sn).entryList(QDir::Files).size(),
             RecordDatabase::instance().records(sn).size());
}

void TestCloudSync::refusesHostileNames_data()
{
    QTest::addColumn<QString>("sn");
    QTest::addColumn<QString>("measureTime");
    QTest::newRow("serial climbs up") << "../../outside" << "2024-03-01 22:00:00";
    QTest::newRow("serial with separator") << "LS27/../../x" << "2024-03-01 22:00:00";
    QTest::newRow("time climbs up") << "LS2701000298" << "2024-03-01 22:00:00/../../../x";
    QTest::newRow("time not a time") << "LS2701000298" << "..";
}

void TestCloudSync::refusesHostileNames()
{
    QFETCH(QString, sn);
    QFETCH(QString, measureTime);
    uploadDemoThenSwitch();
    const QJsonObject good = m_cloud->server.records(CloudFixture::userId).first();
    QJsonObject hostile = good;
    hostile.insert("deviceSn", sn);
    hostile.insert("measureTime", measureTime);
    m_cloud->server.addRecord(CloudFixture::userId, hostile, m_cloud->server.file(good.value("originalFileUrl").toString()));
    QSignalSpy downloaded(m_cloud->helper.get(), &SyncHelper::recordDownloaded);
    QCOMPARE(m_cloud->sync(), std::optional<bool>(false));
    QCOMPARE(downloaded.size(), 64);
    QCOMPARE(QDir(m_tmp->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             (QStringList{"source", "target"}));
    QCOMPARE(QDir(m_target).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
             (QStringList{"LS2701000298", "OM2B01007733"}));
    QCOMPARE(recordingFiles(m_target).size(), 64);
}

void TestCloudSync::keepsDeletedNightDeleted()
{
    uploadDemoThenSwitch();
    // Back to the source, where the user deletes one night the cloud still has.
    RecordDatabase::instance().close();
    QVERIFY(RecordDatabase::instance().openAt(m_source));
    const CheckInfo gone = RecordDatabase::instance().records("OM2B01007733").value(2);
    QVERIFY(RecordDatabase::instance().deleteRecord(gone.sn, gone.checktime));
    QFile::remove(m_source + '/' + gone.sn + '/' + gone.checktime);
    m_cloud->server.clearRequests();
    QSignalSpy downloaded(m_cloud->helper.get(), &SyncHelper::recordDownloaded);
    QCOMPARE(m_cloud->sync(), std::optional<bool>(true));
    QCOMPARE(downloaded.size(), 0);
    QVERIFY(RecordDatabase::instance().record(gone.sn, gone.checktime).flowid.isEmpty());
    QVERIFY(!QFileInfo::exists(m_source + '/' + gone.sn + '/' + gone.checktime));
    QVERIFY(m_cloud->server.requests().size() > 0);
    for (const FakeCloudServer::Request &r : m_cloud->server.requests())
        QVERIFY(r.method != "GET");
}
