#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "appconfig.h"
#include "commcontroller.h"
#include "downloadfixture.h"
#include "recorddatabase.h"

using SimRecorder::Bridge;

class TestDownload : public QObject
{
    Q_OBJECT

private:
    FakeClock m_clock;
    QTemporaryDir m_home;
    std::unique_ptr<QTemporaryDir> m_data;
    std::unique_ptr<CommController> m_controller;
    std::unique_ptr<ControllerLog> m_log;
    QDateTime m_now = QDateTime(QDate(2026, 3, 15), QTime(7, 45, 12));

    CommController &controller()
    {
        if (m_controller)
            return *m_controller;
        m_controller = std::make_unique<CommController>();
        m_controller->setLinkClock(m_clock);
        m_controller->setInterval(200);
        m_controller->setNow([this] { return m_now; });
        m_log = std::make_unique<ControllerLog>();
        ControllerLog *log = m_log.get();
        connect(m_controller.get(), &DeviceController::updateDownloadProgressBar, log, &ControllerLog::onProgress);
        connect(m_controller.get(), &DeviceController::fileDownloadSuccess, log, &ControllerLog::onStored);
        connect(m_controller.get(), &DeviceController::fileStoreProblem, log, &ControllerLog::onProblem);
        connect(m_controller.get(), &DeviceController::pingResult, log, &ControllerLog::onPing);
        connect(m_controller.get(), &DeviceController::downloadEnd, log, &ControllerLog::onEnd);
        return *m_controller;
    }

    // The window's road: a queued request to the device thread, the results
    // coming back queued.
    int downloadOnDeviceThread()
    {
        const int before = m_log ? m_log->ends.size() : 0;
        QMetaObject::invokeMethod(&controller(), "startDownload", Qt::QueuedConnection);
        if (!QTest::qWaitFor([&] { return m_log->ends.size() > before; }, 20000))
            return -1;
        return m_log->ends.last();
    }

    int downloadHere()
    {
        controller().startDownload();
        return m_log->ends.isEmpty() ? -1 : m_log->ends.last();
    }

    QString pathOf(const QString &sn, const QString &name) const { return m_data->path() + "/" + sn + "/" + name; }

    static SimRecorder::Config recorderWith(int framing, bool aes, const QMap<QString, QByteArray> &files)
    {
        SimRecorder::Config c = recorder(Bridge::Own, framing, aes);
        c.serialNumber = QStringLiteral("SN0042");
        c.branchCode = framing == 1 ? QStringLiteral("2B010000") : QStringLiteral("2D010001");
        c.files = files;
        c.chunkSize = 128;
        return c;
    }

private slots:
    void initTestCase()
    {
        SimRecorder::setClock([this] { return m_clock.nowMs(); }, [this](int ms) { m_clock.sleepMs(ms); });
    }

    void init()
    {
        m_data = std::make_unique<QTemporaryDir>();
        QVERIFY(RecordDatabase::instance().openAt(m_data->path()));
    }

    void cleanup()
    {
        m_controller.reset();
        m_log.reset();
        RecordDatabase::instance().close();
        m_data.reset();
    }

    void storesEveryNightWhole_data();
    void storesEveryNightWhole();
    void progressCountsHundredthsOfFiles();
    void nameListedTwiceIsFetchedOnce();
    void tombstonesAreAskedPerRecorder_data();
    void tombstonesAreAskedPerRecorder();
    void legacyCheckSkipsUnfinishedNights_data();
    void legacyCheckSkipsUnfinishedNights();
    void refusedInsertLeavesNoFile();
    void unreadableNightKeepsFileAndRow();
    void refusedRecorderLeavesNoTrace();
    void noRecorder();
    void clockIsSetOnlyForANewRecorder_data();
    void clockIsSetOnlyForANewRecorder();
    void settingsOperations_data();
    void settingsOperations();
};

void TestDownload::storesEveryNightWhole_data()
{
    QTest::addColumn<int>("framing");
    QTest::addColumn<bool>("aes");
    QTest::newRow("legacy, plain") << 1 << false;
    QTest::newRow("legacy, encrypted") << 1 << true;
    QTest::newRow("current, plain") << 2 << false;
    QTest::newRow("current, encrypted") << 2 << true;
}

void TestDownload::storesEveryNightWhole()
{
    QFETCH(int, framing);
    QFETCH(bool, aes);
    QMap<QString, QByteArray> files;
    for (int hour : {21, 22, 23})
        files.insert(checkTime(hour), night(framing, hour));
    SimRecorder::configure(recorderWith(framing, aes, files));

    QCOMPARE(downloadOnDeviceThread(), int(CommController::Downloaded));
    QCOMPARE(m_log->pings, QVector<bool>{true});
    QCOMPARE(m_log->stored, QStringList(files.keys()));
    RecordDatabase &db = RecordDatabase::instance();
    for (auto it = files.constBegin(); it != files.constEnd(); ++it) {
        QCOMPARE(fileBytes(pathOf("SN0042", it.key())), it.value());
        const CheckInfo row = db.record("SN0042", it.key());
        QCOMPARE(row.flowid, "SN0042" + it.key());
        QVERIFY2(row.startDateTime.isValid(), "stored with its summary");
    }
    QCOMPARE(db.device("SN0042")->branchCode(), SimRecorder::config().branchCode);
    QCOMPARE(AppConfig::instance().branchCode(), SimRecorder::config().branchCode);

    // Everything is stored now: a second run finds nothing new, after the
    // recorder was identified.
    QCOMPARE(downloadOnDeviceThread(), int(CommController::NothingNew));
    QCOMPARE(m_log->pings, (QVector<bool>{true, true}));
}

void TestDownload::progressCountsHundredthsOfFiles()
{
    QMap<QString, QByteArray> files;
    for (int hour : {21, 22, 23})
        files.insert(checkTime(hour), night(2, hour));
    SimRecorder::configure(recorderWith(2, false, files));
    QCOMPARE(downloadHere(), 0);

    QVector<int> second;
    int last = -1;
    for (const ControllerLog::Progress &p : qAsConst(m_log->progress)) {
        QCOMPARE(p.max, 300);
        QVERIFY2(p.value >= last, "progress never goes back");
        last = p.value;
        if (p.fileName == checkTime(22))
            second.append(p.value);
    }
    QCOMPARE(last, 300);
    QVERIFY(second.size() >= 3);
    QCOMPARE(second.at(0), 100);   // started
    QVERIFY(second.at(1) > 100);   // first chunk
    QVERIFY(second.at(1) < 200);
}

void TestDownload::nameListedTwiceIsFetchedOnce()
{
    const QString a = checkTime(21);
    const QString b = checkTime(22);
    SimRecorder::Config c = recorderWith(2, false, {{a, night(2, 21)}, {b, night(2, 22)}});
    c.listedNames = QStringList{a, b, a};
    SimRecorder::configure(c);

    QCOMPARE(downloadHere(), 0);
    QCOMPARE(m_log->stored, (QStringList{a, b}));
    QCOMPARE(m_log->progress.last().max, 200);
    const int chunksPerNight = (night(2, 21).size() + 127) / 128;
    QCOMPARE(SimRecorder::state().chunksServed, 2 * chunksPerNight);
}

void TestDownload::tombstonesAreAskedPerRecorder_data()
{
    QTest::addColumn<QString>("tombstoneSn");
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<int>("end");
    QTest::newRow("deleted night of this recorder stays away") << "SN0042" << QStringList{checkTime(22)}
                                                               << int(CommController::Downloaded);
    QTest::newRow("another recorder's deleted night of the same second")
        << "SN0777" << QStringList{checkTime(21), checkTime(22)} << int(CommController::Downloaded);
}

void TestDownload::tombstonesAreAskedPerRecorder()
{
    QFETCH(QString, tombstoneSn);
    QFETCH(QStringList, stored);
    QFETCH(int, end);
    const QString deleted = checkTime(21);
    QVERIFY(RecordDatabase::instance().addTombstone(tombstoneSn + deleted, deleted, tombstoneSn));
    SimRecorder::configure(recorderWith(2, false, {{deleted, night(2, 21)}, {checkTime(22), night(2, 22)}}));

    QCOMPARE(downloadHere(), end);
    QCOMPARE(m_log->stored, stored);
    QCOMPARE(QFileInfo::exists(pathOf("SN0042", deleted)), stored.contains(deleted));
    // Once it is gone, the recorder's remaining copy never comes back.
    QCOMPARE(downloadHere(), int(CommController::NothingNew));
}

void TestDownload::legacyCheckSkipsUnfinishedNights_data()
{
    QTest::addColumn<bool>("withFinished");
    QTest::addColumn<int>("end");
    QTest::newRow("unfinished beside a finished one") << true << int(CommController::Downloaded);
    QTest::newRow("only an unfinished one") << false << int(CommController::NothingNew);
}

void TestDownload::legacyCheckSkipsUnfinishedNights()
{
    QFETCH(bool, withFinished);
    QFETCH(int, end);
    QByteArray unfinished = night(1, 21);
    unfinished[1] = 1;   // the recorder is still writing it
    QMap<QString, QByteArray> files{{checkTime(21), unfinished}};
    if (withFinished)
        files.insert(checkTime(22), night(1, 22));
    SimRecorder::configure(recorderWith(1, false, files));

    QCOMPARE(downloadHere(), end);
    QCOMPARE(m_log->stored, withFinished ? QStringList{checkTime(22)} : QStringList());
    QVERIFY(!QFileInfo::exists(pathOf("SN0042", checkTime(21))));
}

void TestDownload::refusedInsertLeavesNoFile()
{
    const QString refused = checkTime(21);
    const QString fine = checkTime(22);
    SimRecorder::configure(recorderWith(2, false, {{refused, night(2, 21)}, {fine, night(2, 22)}}));
    QSqlQuery trigger(QSqlDatabase::database(RecordDatabase::connectionName()));
    QVERIFY(trigger.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON tb_check WHEN NEW.checktime = '%1' "
                                        "BEGIN SELECT RAISE(ABORT, 'disk full'); END").arg(refused)));

    // The other night is stored; the run does not pass for a success.
    QCOMPARE(downloadHere(), int(CommController::DownloadFailed));
    QCOMPARE(m_log->stored, QStringList{fine});
    QCOMPARE(m_log->problems, QStringList{refused});
    QVERIFY(!QFileInfo::exists(pathOf("SN0042", refused)));
    QVERIFY(RecordDatabase::instance().record("SN0042", refused).flowid.isEmpty());

    QVERIFY(trigger.exec(QStringLiteral("DROP TRIGGER refuse")));
    QCOMPARE(downloadHere(), int(CommController::Downloaded));
    QCOMPARE(m_log->stored.last(), refused);
    QCOMPARE(fileBytes(pathOf("SN0042", refused)), night(2, 21));
}

void TestDownload::unreadableNightKeepsFileAndRow()
{
    const QString name = checkTime(21);
    const QByteArray garbage(700, '\x7f');
    SimRecorder::configure(recorderWith(2, false, {{name, garbage}}));

    QCOMPARE(downloadHere(), int(CommController::Downloaded));
    QCOMPARE(m_log->problems, QStringList{name});
    QCOMPARE(m_log->stored, QStringList{name});
    QCOMPARE(fileBytes(pathOf("SN0042", name)), garbage);
    QCOMPARE(RecordDatabase::instance().record("SN0042", name).flowid, "SN0042" + name);
}

void TestDownload::refusedRecorderLeavesNoTrace()
{
    SimRecorder::Config c = recorderWith(2, false, {{checkTime(21), night(2, 21)}});
    c.branchCode = QStringLiteral("24010009");
    SimRecorder::configure(c);

    QCOMPARE(controller().pingDevice(), 6);
    QCOMPARE(m_log->pings, QVector<bool>{false});
    QCOMPARE(downloadHere(), int(CommController::DownloadFailed));
    QVERIFY(RecordDatabase::instance().device("SN0042").isNull());
    QVERIFY(!QFileInfo::exists(pathOf("SN0042", checkTime(21))));
    QVERIFY(SimRecorder::state().clock.isNull());
}

void TestDownload::noRecorder()
{
    SimRecorder::Config c = recorderWith(2, false, {});
    c.plugged = false;
    SimRecorder::configure(c);
    QCOMPARE(controller().pingDevice(), 1);
    QCOMPARE(downloadHere(), int(CommController::NoRecorder));
    QCOMPARE(m_log->pings, (QVector<bool>{false, false}));
}

void TestDownload::clockIsSetOnlyForANewRecorder_data()
{
    QTest::addColumn<int>("framing");
    QTest::newRow("legacy: SetTIME text") << 1;
    QTest::newRow("current: clock command") << 2;
}

void TestDownload::clockIsSetOnlyForANewRecorder()
{
    QFETCH(int, framing);
    SimRecorder::configure(recorderWith(framing, false, {}));
    QCOMPARE(controller().pingDevice(), 0);
    QCOMPARE(SimRecorder::state().clock, m_now);
    if (framing == 1)
        QCOMPARE(SimRecorder::state().paramTexts, QStringList{"{\"SetTIME\":\"2026-03-15,07:45:12\"}"});

    const QDateTime first = m_now;
    m_now = m_now.addSecs(3600);
    QCOMPARE(controller().pingDevice(), 0);
    QCOMPARE(SimRecorder::state().clock, first);

    // Another recorder plugged in, also when a download identified it first.
    SimRecorder::config().serialNumber = QStringLiteral("SN0099");
    downloadHere();
    QCOMPARE(controller().pingDevice(), 0);
    QCOMPARE(SimRecorder::state().clock, m_now);
}

void TestDownload::settingsOperations_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("branch");
    QTest::addColumn<int>("replySize");
    QTest::addColumn<int>("expected");
    QTest::newRow("block A read") << "getConfig" << "2D010001" << 40 << 0;
    QTest::newRow("block A reply one byte short") << "getConfig" << "2D010001" << 39 << 6;
    QTest::newRow("block B read") << "getConfig" << "2C100000" << 26 << 0;
    QTest::newRow("block B reply one byte short") << "getConfig" << "2C100002" << 25 << 6;
    QTest::newRow("current recorder without settings") << "getConfig" << "21010000" << 40 << 6;
    QTest::newRow("set parameter") << "setParam" << "2D010001" << 40 << 0;
    QTest::newRow("factory reset") << "factoryReset" << "2D010001" << 40 << 0;
    QTest::newRow("parameter text on a current recorder") << "syncParam" << "2D010001" << 40 << 5;
}

void TestDownload::settingsOperations()
{
    QFETCH(QString, operation);
    QFETCH(QString, branch);
    QFETCH(int, replySize);
    QFETCH(int, expected);
    SimRecorder::Config c = recorderWith(2, false, {});
    c.branchCode = branch;
    QByteArray payload(replySize, '\0');
    for (int i = 0; i < replySize; ++i)
        payload[i] = char(i + 1);
    c.configPayload = payload;
    SimRecorder::configure(c);
    QCOMPARE(controller().pingDevice(), 0);

    int result = -1;
    if (operation == "getConfig")
        result = controller().getConfig();
    else if (operation == "setParam")
        result = controller().setParam(2, 91, 0, 0, 0);
    else if (operation == "factoryReset")
        result = controller().factoryReset();
    else
        result = controller().syncParam("{\"SetOxiThr\":\"90\"}", true);
    QCOMPARE(result, expected);

    if (operation == "getConfig" && result == 0) {
        const QByteArray block = controller().usesConfigBlockA() ? controller().configBlockA() : controller().configBlockB();
        const QByteArray want = controller().usesConfigBlockA() ? payload.left(12) : payload.left(9) + payload.mid(17, 1);
        QCOMPARE(block, want);
    }
    if (operation == "setParam")
        QCOMPARE(SimRecorder::state().setParams, QList<QByteArray>{QByteArray::fromHex("020000005b000000")});
    if (operation == "factoryReset")
        QCOMPARE(SimRecorder::state().factoryResets, 1);
}

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication app(argc, argv);
    // Refused key exchanges of plain recorders are expected here.
    QLoggingCategory::setFilterRules(QStringLiteral("nocturnix.*.debug=false\nnocturnix.protocol.warning=false"));
    TestDownload test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_download.moc"
