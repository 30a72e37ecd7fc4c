#include "test_synctool.h"

#include <QDir>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include "cloudfixture.h"
#include "recordingwriter.h"

using Fault = FakeCloudServer::Fault;
Q_DECLARE_METATYPE(FakeCloudServer::Fault)

void TestSyncTool::exitsByOutcome_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("faultPath");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("stderrHas");
    QTest::newRow("restore onto a new PC") << CloudFixture::password << "" << 0 << "records downloading 1/1";
    QTest::newRow("wrong password") << "guess" << "" << 3 << "login failed (802): wrong password";
    QTest::newRow("record list broken") << CloudFixture::password << "/v1/oxygen/list" << 1 << "synchronisation failed";
}

void TestSyncTool::exitsByOutcome()
{
    QFETCH(QString, password);
    QFETCH(QString, faultPath);
    QFETCH(int, exitCode);
    QFETCH(QString, stderrHas);
    CloudFixture cloud;
    cloud.server.addDevice(CloudFixture::userId, {{"id", 5}, {"deviceSn", "OM2B01007733"}, {"branchCode", "2B010000"}});
    const QByteArray night = RecordingWriter::newFormat()
                                 .spo2(QVector<int>(900, 95))
                                 .start(QDateTime(QDate(2024, 3, 1), QTime(22, 0)))
                                 .bytes();
    cloud.server.addRecord(CloudFixture::userId,
                           {{"deviceSn", "OM2B01007733"}, {"measureTime", "2024-03-01 22:00:00"}, {"remark", "ok"}}, night);
    if (!faultPath.isEmpty())
        cloud.server.addFault(faultPath, Fault::Http500, -1);

    QTemporaryDir dir;
    const QString data = dir.filePath("new pc");
    QProcess tool;
    tool.start(NOCTURNIX_TOOL, {"sync", "--data-dir", data, "--user", CloudFixture::email, "--password", password,
                                "--api-url", cloud.server.apiUrl()});
    QVERIFY(tool.waitForStarted());
    QTRY_COMPARE_WITH_TIMEOUT(tool.state(), QProcess::NotRunning, 30000);
    const QString errText = QString::fromUtf8(tool.readAllStandardError());
    QVERIFY2(errText.contains(stderrHas), qPrintable(errText));
    QCOMPARE(tool.exitCode(), exitCode);
    QFile stored(data + "/OM2B01007733/20240301220000");
    QCOMPARE(stored.open(QIODevice::ReadOnly) && stored.readAll() == night, exitCode == 0);
}
