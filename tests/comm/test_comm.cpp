#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "commfixture.h"
#include "commpkg.h"
#include "communication.h"
#include "legacypkg.h"

using SimRecorder::Bridge;

Q_DECLARE_METATYPE(SimRecorder::Bridge)

namespace {

QStringList g_log;

void capture(QtMsgType, const QMessageLogContext &, const QString &message)
{
    g_log.append(message);
}

bool logged(const QString &text)
{
    return !g_log.filter(text).isEmpty();
}

const QString night = QStringLiteral("20260314223005");

} // namespace

class TestComm : public QObject
{
    Q_OBJECT

private:
    FakeClock m_clock;
    QTemporaryDir m_home;
    QTemporaryDir *m_data = nullptr;
    std::unique_ptr<Communication> m_comm;

    // A fresh command layer before a recorder configured as `config`.
    Communication &connectTo(const SimRecorder::Config &config)
    {
        SimRecorder::configure(config);
        m_comm = std::make_unique<Communication>();
        m_comm->setClock(m_clock);
        m_comm->setInterval(200);
        m_comm->setDataDirectory(m_data->path());
        return *m_comm;
    }

    QStringList dataFiles() const
    {
        QStringList files;
        QDirIterator it(m_data->path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << it.next();
        return files;
    }

private slots:
    void initTestCase()
    {
        // The application log goes to a scratch home.
        qputenv("HOME", m_home.path().toUtf8());
        SimRecorder::setClock([this] { return m_clock.nowMs(); }, [this](int ms) { m_clock.sleepMs(ms); });
    }

    void init()
    {
        g_log.clear();
        qInstallMessageHandler(capture);
        m_data = new QTemporaryDir;
    }

    void cleanup()
    {
        qInstallMessageHandler(nullptr);
        m_comm.reset();
        delete m_data;
        m_data = nullptr;
    }

    void exchangeOutcomes_data();
    void exchangeOutcomes();
    void patientExchangePollsUntilItsLimit();
    void stopFlagEndsExchangeBeforeSending();

    void openDevice_data();
    void openDevice();
    void openDeviceWithNothingPlugged();
    void recorderWithoutPermissionIsToldApart_data();
    void recorderWithoutPermissionIsToldApart();
    void keyExchangeRunsOncePerBridge();

    void deviceInformation_data();
    void deviceInformation();
    void refusesUnsafeSerialNumber();
    void fileListRefusesWrongCount();
    void fileListDropsUnsafeNames();
    void settingsCommands();

    void downloadsWholeFile_data();
    void downloadsWholeFile();
    void failedDownloadLeavesNoFile_data();
    void failedDownloadLeavesNoFile();
    void stopDuringDownloadLeavesNoFile();
    void checkFileSkipsUnfinishedRecording();
};

void TestComm::exchangeOutcomes_data()
{
    QTest::addColumn<int>("framing");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QString>("logText");
    QTest::addColumn<int>("requests");

    QTest::newRow("current reply split over two reads") << 2 << "split" << int(COMM_OK) << "" << 1;
    QTest::newRow("current reply behind noise") << 2 << "noise" << int(COMM_OK) << "" << 1;
    QTest::newRow("silence ends at the first empty read") << 2 << "silent" << int(COMM_ERR_TIMEOUT)
                                                          << "[ERR RECV TIMEOUT 1]" << 1;
    QTest::newRow("reply trickling past a second") << 2 << "trickle" << int(COMM_ERR_TIMEOUT)
                                                  << "[ERR RECV TIMEOUT 2]" << 1;
    QTest::newRow("legacy refusal is retried, then bad") << 1 << "refuse" << int(COMM_ERR_BAD_PKG)
                                                         << "ask failed:" << 11;
    QTest::newRow("legacy reply behind noise is bad") << 1 << "noise" << int(COMM_ERR_BAD_PKG)
                                                      << "[ERR RECV] bad pkg" << 11;
    QTest::newRow("unplugged recorder refuses the send") << 2 << "unplug" << int(COMM_ERR_SEND)
                                                         << "[ERR SEND]" << 0;
}

void TestComm::exchangeOutcomes()
{
    QFETCH(int, framing);
    QFETCH(QString, fault);
    QFETCH(int, expected);
    QFETCH(QString, logText);
    QFETCH(int, requests);

    SimRecorder::Config config = recorder(Bridge::Own, framing, false);
    Communication &comm = connectTo(config);
    QVERIFY(comm.openDevice());
    SimRecorder::Config &live = SimRecorder::config();
    live.splitReplies = fault == "split";
    live.noiseBytes = fault == "noise" ? 5 : 0;
    live.silent = fault == "silent";
    live.reportGapMs = fault == "trickle" ? 90 : 0;
    if (fault == "refuse")
        live.refused.insert(0x14);
    if (fault == "unplug")
        SimRecorder::unplug();
    if (fault == "trickle")
        live.noiseBytes = 1500;
    const int before = SimRecorder::state().requests;

    const QByteArray request = framing == 1 ? LegacyPkg::build(0x14) : CommPkg::build(0xE1, {});
    QByteArray payload;
    QCOMPARE(comm.sendAndRecv(request, payload, 10, LinkExchange::shortTimeout), expected);
    if (expected == COMM_OK)
        QCOMPARE(payload.size(), 60);
    if (!logText.isEmpty())
        QVERIFY2(logged(logText), qPrintable(g_log.join('\n')));
    QCOMPARE(SimRecorder::state().requests - before, requests);
}

void TestComm::patientExchangePollsUntilItsLimit()
{
    Communication &comm = connectTo(recorder(Bridge::Own, 1, false));
    QVERIFY(comm.openDevice());
    SimRecorder::config().silent = true;
    g_log.clear();
    const qint64 start = m_clock.nowMs();
    QVERIFY(!comm.syncParam(QStringLiteral("{\"SetMotor\":\"20\"}")));
    QVERIFY(m_clock.nowMs() - start >= 5000);
    QVERIFY(m_clock.nowMs() - start < 5600);
    // Each empty read is followed by one poll interval and counted.
    QVERIFY(logged("[RETRY RECV]1"));
    QVERIFY(logged("[RETRY RECV]2"));
    QVERIFY(logged("[ERR RECV TIMEOUT 1]"));
    QVERIFY(logged("sync param failed."));
    QCOMPARE(SimRecorder::state().paramTexts.size(), 0);
}

void TestComm::stopFlagEndsExchangeBeforeSending()
{
    Communication &comm = connectTo(recorder(Bridge::Own, 2, false));
    QVERIFY(comm.openDevice());
    const int before = SimRecorder::state().requests;
    comm.setStop(true);
    QByteArray payload;
    QCOMPARE(comm.sendAndRecv(CommPkg::build(0xE0, {}), payload, 10, 5000), int(COMM_ERR_STOPPED));
    QCOMPARE(SimRecorder::state().requests, before);
    // closeDevice clears the flag for the next operation.
    comm.closeDevice();
    QVERIFY(comm.openDevice());
}

void TestComm::openDevice_data()
{
    QTest::addColumn<Bridge>("bridge");
    QTest::addColumn<int>("framing");
    QTest::addColumn<bool>("aes");
    QTest::addColumn<bool>("wrongMask");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<int>("aesComm");

    QTest::newRow("own HID, legacy, plain") << Bridge::Own << 1 << false << false << true << 0;
    QTest::newRow("own HID, current, AES") << Bridge::Own << 2 << true << false << true << 1;
    QTest::newRow("own HID, legacy, AES") << Bridge::Own << 1 << true << false << true << 1;
    QTest::newRow("CH9326, current, plain: probe finds it") << Bridge::CH9326 << 2 << false << false << true << 0;
    QTest::newRow("CH9326, legacy, AES") << Bridge::CH9326 << 1 << true << false << true << 1;
    QTest::newRow("Holtek, legacy, AES") << Bridge::Holtek << 1 << true << false << true << 1;
    QTest::newRow("Holtek, current, AES") << Bridge::Holtek << 2 << true << false << true << 1;
    QTest::newRow("Holtek, legacy, plain: no probe, legacy ping") << Bridge::Holtek << 1 << false << false << true << 0;
    QTest::newRow("Holtek, current, plain: no probe") << Bridge::Holtek << 2 << false << false << false << -1;
    QTest::newRow("CH9326, key refused by mask: probe, plain") << Bridge::CH9326 << 1 << true << true << true << 0;
    QTest::newRow("Holtek, key refused by mask") << Bridge::Holtek << 2 << true << true << false << -1;
}

void TestComm::openDevice()
{
    QFETCH(Bridge, bridge);
    QFETCH(int, framing);
    QFETCH(bool, aes);
    QFETCH(bool, wrongMask);
    QFETCH(bool, opens);
    QFETCH(int, aesComm);

    SimRecorder::Config config = recorder(bridge, framing, aes);
    if (wrongMask)
        config.mask = QByteArray(16, '\x5C');
    Communication &comm = connectTo(config);
    QCOMPARE(comm.openDevice(), opens);
    if (opens) {
        QCOMPARE(comm.protocolType(), framing);
        QCOMPARE(comm.isAESComm(), aesComm);
        QVERIFY(comm.getDeviceInfo());
        QCOMPARE(comm.deviceInfo()->serialNumber(), config.serialNumber);
    }
    comm.closeDevice();
    QCOMPARE(comm.isAESComm(), -1);
    QCOMPARE(comm.protocolType(), -1);
}

void TestComm::openDeviceWithNothingPlugged()
{
    SimRecorder::Config config;
    config.plugged = false;
    Communication &comm = connectTo(config);
    QVERIFY(!comm.openDevice());
    QCOMPARE(SimRecorder::state().requests, 0);
    comm.closeDevice();
    QCOMPARE(comm.isAESComm(), -1);
}

void TestComm::recorderWithoutPermissionIsToldApart_data()
{
    QTest::addColumn<bool>("plugged");
    QTest::addColumn<bool>("locked");
    QTest::addColumn<bool>("expectLocked");
    QTest::newRow("nothing attached") << false << false << false;
    QTest::newRow("attached, node closed to this user") << true << true << true;
}

void TestComm::recorderWithoutPermissionIsToldApart()
{
    QFETCH(bool, plugged);
    QFETCH(bool, locked);
    SimRecorder::Config config;
    config.plugged = plugged;
    config.locked = locked;
    Communication &comm = connectTo(config);
    QVERIFY(!comm.openDevice());
    QTEST(comm.isRecorderLocked(), "expectLocked");
    QCOMPARE(SimRecorder::state().requests, 0);

    // Once the rule is in place the same recorder opens, and the flag goes.
    SimRecorder::config().locked = false;
    SimRecorder::config().plugged = true;
    QVERIFY(comm.openDevice());
    QVERIFY(!comm.isRecorderLocked());
    comm.closeDevice();
}

void TestComm::keyExchangeRunsOncePerBridge()
{
    Communication &comm = connectTo(recorder(Bridge::CH9326, 2, true));
    QVERIFY(comm.openDevice());
    comm.closeDevice();
    QVERIFY(comm.openDevice());
    QCOMPARE(comm.isAESComm(), 1);
    QCOMPARE(SimRecorder::state().keyExchanges, 1);
    comm.closeDevice();

    // A failure on the bridge makes the next open check again.
    SimRecorder::config().silent = true;
    QVERIFY(!comm.openDevice());
    comm.closeDevice();
    SimRecorder::config().silent = false;
    QVERIFY(comm.openDevice());
    QCOMPARE(SimRecorder::state().keyExchanges, 2);
    QCOMPARE(comm.isAESComm(), 1);
}

void TestComm::deviceInformation_data()
{
    QTest::addColumn<int>("framing");
    QTest::addColumn<bool>("aes");
    QTest::newRow("legacy JSON") << 1 << false;
    QTest::newRow("legacy JSON, AES") << 1 << true;
    QTest::newRow("current record") << 2 << false;
    QTest::newRow("current record, AES") << 2 << true;
}

void TestComm::deviceInformation()
{
    QFETCH(int, framing);
    QFETCH(bool, aes);
    SimRecorder::Config config = recorder(Bridge::Own, framing, aes);
    config.branchCode = QStringLiteral("2B010002");
    config.serialNumber = QStringLiteral("P2B4471");
    config.files.insert(QStringLiteral("20260301220000"), recordingBytes(10));
    config.files.insert(night, recordingBytes(10));
    config.parameters.insert(QStringLiteral("CurOxiThr"), QStringLiteral("88"));
    Communication &comm = connectTo(config);
    QVERIFY(comm.openDevice());
    QVERIFY(comm.getDeviceInfo());
    const ConstDeviceInfoPtr info = comm.deviceInfo();
    QCOMPARE(info->serialNumber(), QStringLiteral("P2B4471"));
    QCOMPARE(info->branchCode(), QStringLiteral("2B010002"));
    QCOMPARE(info->modelName(), QStringLiteral("Pelsin O2 Peak Plus"));
    QStringList files;
    QVERIFY(comm.getFileList(files));
    QCOMPARE(files, QStringList({QStringLiteral("20260301220000"), night}));
    if (framing == 1)
        QCOMPARE(comm.paramStrings().value(0), QStringLiteral("88"));
}

void TestComm::refusesUnsafeSerialNumber()
{
    SimRecorder::Config config = recorder(Bridge::Own, 2, false);
    config.serialNumber = QStringLiteral("../../etc");
    config.files.insert(night, recordingBytes(100));
    Communication &comm = connectTo(config);
    QVERIFY(comm.openDevice());
    QVERIFY(!comm.getDeviceInfo());
    QVERIFY(comm.deviceInfo()->serialNumber().isEmpty());
    QCOMPARE(comm.downloadFile(night, night), int(Communication::DownloadFileError));
    QVERIFY(dataFiles().isEmpty());
    QVERIFY(logged("refused serial number"));
}

void TestComm::fileListRefusesWrongCount()
{
    SimRecorder::Config config = recorder(Bridge::Own, 2, false);
    config.files.insert(night, recordingBytes(10));
    config.fileListCountDelta = 1;
    Communication &comm = connectTo(config);
    QVERIFY(comm.openDevice());
    QStringList files{QStringLiteral("stale")};
    QVERIFY(!comm.getFileList(files));
    QVERIFY(files.isEmpty());
    QVERIFY(logged("file list refused"));
}

void TestComm::fileListDropsUnsafeNames()
{
    SimRecorder::Config config = recorder(Bridge::Own, 1, false);
    config.files.insert(night, recordingBytes(10));
    config.files.insert(QStringLiteral(".."), recordingBytes(10));
    Communication &comm = connectTo(config);
    QVERIFY(comm.openDevice());
    QVERIFY(comm.getDeviceInfo());
    QStringList files;
    QVERIFY(comm.getFileList(files));
    QCOMPARE(files, QStringList{night});
    QVERIFY(logged("refused file name"));
}

void TestComm::settingsCommands()
{
    SimRecorder::Config config = recorder(Bridge::CH9326, 2, true);
    config.branchCode = QStringLiteral("2D010001");
    config.configPayload = recordingBytes(40);
    Communication &comm = connectTo(config);
    QVERIFY(comm.openDevice());
    QVERIFY(comm.getDeviceInfo());
    QVERIFY(comm.setParam(2, 91, 0, 0, 0));
    QCOMPARE(SimRecorder::state().setParams, QList<QByteArray>{QByteArray::fromHex("020000005b000000")});
    const QDateTime when(QDate(2026, 3, 14), QTime(9, 26, 53));
    QVERIFY(comm.setTime(when));
    QCOMPARE(SimRecorder::state().clock, when);
    QVERIFY(comm.getConfig());
    QCOMPARE(comm.configBlockA(), recordingBytes(12));
    QVERIFY(comm.factoryReset());
    QCOMPARE(SimRecorder::state().factoryResets, 1);
    // Legacy-only command on a current recorder: nothing is sent.
    const int before = SimRecorder::state().requests;
    QVERIFY(!comm.syncParam(QStringLiteral("{}")));
    QCOMPARE(SimRecorder::state().requests, before);

    SimRecorder::config().configPayload = recordingBytes(39);
    QVERIFY(!comm.getConfig());
}

void TestComm::downloadsWholeFile_data()
{
    QTest::addColumn<Bridge>("bridge");
    QTest::addColumn<int>("framing");
    QTest::addColumn<bool>("aes");
    QTest::newRow("own HID, legacy") << Bridge::Own << 1 << false;
    QTest::newRow("own HID, current, AES") << Bridge::Own << 2 << true;
    QTest::newRow("CH9326, legacy, AES") << Bridge::CH9326 << 1 << true;
    QTest::newRow("Holtek, current, AES, split replies") << Bridge::Holtek << 2 << true;
}

void TestComm::downloadsWholeFile()
{
    QFETCH(Bridge, bridge);
    QFETCH(int, framing);
    QFETCH(bool, aes);
    SimRecorder::Config config = recorder(bridge, framing, aes);
    const QByteArray bytes = recordingBytes(3001);
    config.files.insert(night, bytes);
    config.splitReplies = bridge == Bridge::Holtek;
    Communication &comm = connectTo(config);
    QSignalSpy progress(&comm, &Communication::downloadProgress);
    QVERIFY(comm.openDevice());
    QVERIFY(comm.getDeviceInfo());
    QCOMPARE(comm.downloadFile(night, night), int(Communication::DownloadOk));

    QFile file(m_data->filePath(config.serialNumber + '/' + night));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);
    QCOMPARE(dataFiles().size(), 1);
    QCOMPARE(progress.first(), QVariantList({0, 0, 3001}));
    QCOMPARE(progress.last(), QVariantList({2, 3001, 3001}));
    QCOMPARE(SimRecorder::state().endReads, 1);
}

void TestComm::failedDownloadLeavesNoFile_data()
{
    QTest::addColumn<int>("framing");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("endReads");

    QTest::newRow("unplugged after two chunks") << 2 << "unplug" << int(Communication::DownloadFailed) << 0;
    QTest::newRow("legacy unplugged after two chunks") << 1 << "unplug" << int(Communication::DownloadFailed) << 0;
    QTest::newRow("chunk that does not decrypt") << 2 << "cipher" << int(Communication::DownloadFailed) << 1;
    QTest::newRow("empty chunk") << 2 << "empty" << int(Communication::DownloadFailed) << 1;
    QTest::newRow("recorder goes silent") << 1 << "silent" << int(Communication::DownloadFailed) << 0;
    QTest::newRow("start refused") << 1 << "refuse" << int(Communication::DownloadStartFailed) << 0;
    QTest::newRow("file name leaves its folder") << 2 << "name" << int(Communication::DownloadFileError) << 0;
}

void TestComm::failedDownloadLeavesNoFile()
{
    QFETCH(int, framing);
    QFETCH(QString, fault);
    QFETCH(int, expected);
    QFETCH(int, endReads);

    SimRecorder::Config config = recorder(Bridge::Own, framing, true);
    config.files.insert(night, recordingBytes(3000));
    config.unplugAfterChunk = fault == "unplug" ? 2 : -1;
    config.badCipherFromChunk = fault == "cipher" ? 1 : -1;
    config.emptyChunkAt = fault == "empty" ? 2 : -1;
    if (fault == "refuse")
        config.refused.insert(0x03);
    Communication &comm = connectTo(config);
    QVERIFY(comm.openDevice());
    QVERIFY(comm.getDeviceInfo());
    if (fault == "silent") {
        connect(&comm, &Communication::downloadProgress, [](int state, int bytes) {
            if (state == 1 && bytes > 300)
                SimRecorder::config().silent = true;
        });
    }
    const QString local = fault == "name" ? QStringLiteral("../20260314223005") : night;
    QCOMPARE(comm.downloadFile(night, local), expected);
    QCOMPARE(dataFiles(), QStringList());
    QCOMPARE(SimRecorder::state().endReads, endReads);
}

void TestComm::stopDuringDownloadLeavesNoFile()
{
    SimRecorder::Config config = recorder(Bridge::CH9326, 2, false);
    config.files.insert(night, recordingBytes(3000));
    Communication &comm = connectTo(config);
    QVERIFY(comm.openDevice());
    QVERIFY(comm.getDeviceInfo());
    connect(&comm, &Communication::downloadProgress, [&comm](int state, int bytes) {
        if (state == 1 && bytes >= 512)
            comm.setStop(true);
    });
    QCOMPARE(comm.downloadFile(night, night), int(Communication::DownloadFailed));
    QCOMPARE(dataFiles(), QStringList());
    QCOMPARE(SimRecorder::state().chunksServed, 2);
}

void TestComm::checkFileSkipsUnfinishedRecording()
{
    SimRecorder::Config config = recorder(Bridge::Own, 1, false);
    QByteArray unfinished = recordingBytes(600);
    unfinished[1] = 1;
    QByteArray finished = recordingBytes(600);
    finished[1] = 0;
    config.files.insert(QStringLiteral("20260301220000"), unfinished);
    config.files.insert(night, finished);
    Communication &comm = connectTo(config);
    QVERIFY(comm.openDevice());
    int error = -1;
    QVERIFY(!comm.checkFile(QStringLiteral("20260301220000"), error));
    QCOMPARE(error, 0);
    QVERIFY(comm.checkFile(night, error));
    QVERIFY(!comm.checkFile(QStringLiteral("20260101000000"), error));
    QCOMPARE(error, 4);
    QCOMPARE(SimRecorder::state().endReads, 2);
}

QTEST_GUILESS_MAIN(TestComm)
#include "test_comm.moc"
