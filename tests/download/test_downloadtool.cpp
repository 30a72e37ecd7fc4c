#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "recordingwriter.h"

class TestDownloadTool : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_home;

    struct Run
    {
        int exitCode;
        QString out;
    };

    Run tool(const QStringList &args, const QStringList &simulator)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", m_home.path());
        env.insert("LD_PRELOAD", SIMHID);
        // A sanitizer build insists on coming first; the preloaded stand-in is harmless.
        env.insert("ASAN_OPTIONS", "verify_asan_link_order=0:detect_leaks=0");
        for (const QString &pair : simulator)
            env.insert(pair.section('=', 0, 0), pair.section('=', 1));
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(NOCTURNIX_TOOL, args);
        if (!p.waitForFinished(60000))
            return {-1, QString()};
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()).trimmed()};
    }

private slots:
    void downloadsThenFindsNothingNew_data();
    void downloadsThenFindsNothingNew();
    void setTime_data();
    void setTime();
    void pingNamesTheMissingPermission();
};

void TestDownloadTool::downloadsThenFindsNothingNew_data()
{
    QTest::addColumn<QStringList>("simulator");
    QTest::newRow("current framing, encrypted") << QStringList{"NOCTURNIX_SIM_AES=1", "NOCTURNIX_SIM_BRANCH=2D010001"};
    QTest::newRow("legacy framing") << QStringList{"NOCTURNIX_SIM_FRAMING=1"};
}

void TestDownloadTool::downloadsThenFindsNothingNew()
{
    QFETCH(QStringList, simulator);
    QTemporaryDir nights;
    QTemporaryDir data;
    const QStringList names{"20260314220000", "20260315221500"};
    QMap<QString, QByteArray> bytes;
    for (const QString &name : names) {
        const QDateTime start = QDateTime::fromString(name, "yyyyMMddhhmmss");
        bytes[name] = RecordingWriter::oldFormat().start(start).spo2(QVector<int>(400, 95)).bytes();
        QFile f(nights.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes[name]) == bytes[name].size());
    }
    simulator << "NOCTURNIX_SIM_FILES=" + nights.path() << "NOCTURNIX_SIM_SN=TOOL0001";

    const Run first = tool({"download", "--data-dir", data.path()}, simulator);
    QCOMPARE(first.out, QString("All file downloaded."));
    QCOMPARE(first.exitCode, 0);
    for (const QString &name : names) {
        QFile f(data.filePath("TOOL0001/" + name));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), bytes[name]);
    }
    const Run second = tool({"download", "--data-dir", data.path()}, simulator);
    QCOMPARE(second.out, QString("No data."));
    QCOMPARE(second.exitCode, 5);
    const Run unplugged = tool({"download", "--data-dir", data.path()}, simulator << "NOCTURNIX_SIM_UNPLUGGED=1");
    QCOMPARE(unplugged.exitCode, 1);
}

void TestDownloadTool::pingNamesTheMissingPermission()
{
    const Run locked = tool({"ping"}, {"NOCTURNIX_SIM_LOCKED=1"});
    QCOMPARE(locked.exitCode, 1);
    QVERIFY2(locked.out.contains("70-nocturnix.rules"), qPrintable(locked.out));
    QVERIFY(!locked.out.contains("Can not connect"));
    const Run absent = tool({"ping"}, {"NOCTURNIX_SIM_UNPLUGGED=1"});
    QCOMPARE(absent.exitCode, 1);
    QCOMPARE(absent.out, QString("Can not connect to device."));
}

void TestDownloadTool::setTime_data()
{
    QTest::addColumn<QStringList>("simulator");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("legacy") << QStringList{"NOCTURNIX_SIM_FRAMING=1"} << 0;
    QTest::newRow("current") << QStringList{} << 0;
    QTest::newRow("no recorder") << QStringList{"NOCTURNIX_SIM_UNPLUGGED=1"} << 1;
}

void TestDownloadTool::setTime()
{
    QFETCH(QStringList, simulator);
    QFETCH(int, exitCode);
    QCOMPARE(tool({"set-time"}, simulator).exitCode, exitCode);
}

QTEST_GUILESS_MAIN(TestDownloadTool)
#include "test_downloadtool.moc"
