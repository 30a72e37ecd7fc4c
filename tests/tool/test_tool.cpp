#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "recordingwriter.h"

class TestTool : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void infoPrintsTheSummary_data();
    void infoPrintsTheSummary();
    void infoFailsOnBrokenFile();
    void wrongUsage_data();
    void wrongUsage();
    void helpListsCommands();

private:
    struct Result
    {
        int exitCode = -1;
        QByteArray out;
        QByteArray err;
    };
    Result tool(const QStringList &args);
    QString write(const QString &name, const QByteArray &bytes);

    QTemporaryDir m_dir;
};

void TestTool::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

TestTool::Result TestTool::tool(const QStringList &args)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", m_dir.path());  // the tool's application log stays in the scratch directory
    process.setProcessEnvironment(env);
    process.start(NOCTURNIX_TOOL, args);
    if (!process.waitForFinished(30000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

QString TestTool::write(const QString &name, const QByteArray &bytes)
{
    QFile file(m_dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write");
    return file.fileName();
}

void TestTool::infoPrintsTheSummary_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("extraArgs");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("new format")
        << RecordingWriter::newFormat().samples({{97, 60}, {95, 62}, {0xFF, 0xFF}, {89, 130}, {72, 45}}).bytes()
        << QStringList()
        << QByteArray(R"({"fileType":3,"points":5,"startDateTime":"2026-03-14 22:30:05","duration":20,
            "SecPerPoint":0.25,"o2_high":97,"o2_avg":88,"o2_min":72,"hr_max":130,"hr_avg":74,"hr_min":45,
            "o2score":255,"few90_duration":0,"drops_3":0,"drops_4":0,
            "spo2Bands7":[0.5,0,0.25,0,0,0.25,0],"spo2Bands3":[0.5,0,0.5],"prBands3":[0.25,0.5,0.25],
            "validSpo2Time":16,"validPrTime":16})");
    QTest::newRow("old three-byte format with its branch code")
        << RecordingWriter::oldFormat().threeByte().version(6).duration(40000)
               .samples({{96, 70}, {92, 121}}).summary(94, 88, 2, 1, 30, 72, 0).bytes()
        << QStringList{"--branch", "22010100"}
        << QByteArray(R"({"fileType":1,"points":2,"startDateTime":"2026-03-14 22:30:05","duration":40000,
            "SecPerPoint":1,"o2_high":96,"o2_avg":94,"o2_min":88,"hr_max":121,"hr_avg":95,"hr_min":70,
            "o2score":72,"few90_duration":30,"drops_3":2,"drops_4":1,
            "spo2Bands7":[0.5,0.5,0,0,0,0,0],"spo2Bands3":[0.5,0.5,0],"prBands3":[0.5,0.5,0],
            "validSpo2Time":2,"validPrTime":2})");
}

void TestTool::infoPrintsTheSummary()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, extraArgs);
    QFETCH(QByteArray, expected);
    const Result r = tool(QStringList{"info", write("night", bytes)} + extraArgs);
    QCOMPARE(r.exitCode, 0);
    QJsonParseError error;
    const QJsonObject printed = QJsonDocument::fromJson(r.out, &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonObject wanted = QJsonDocument::fromJson(expected).object();
    QVERIFY(!wanted.isEmpty());
    QCOMPARE(printed.keys(), wanted.keys());
    for (const QString &key : wanted.keys())
        QVERIFY2(printed[key] == wanted[key], qPrintable(key));
}

void TestTool::infoFailsOnBrokenFile()
{
    QByteArray bytes = RecordingWriter::newFormat().spo2({97, 96}).bytes();
    bytes[10] = char(bytes[10] + 1);
    const Result r = tool({"info", write("broken", bytes)});
    QCOMPARE(r.exitCode, 1);
    QVERIFY(r.out.isEmpty());
    QVERIFY(r.err.contains("broken"));
}

void TestTool::wrongUsage_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("no command") << QStringList();
    QTest::newRow("unknown command") << QStringList{"frobnicate"};
    QTest::newRow("info without a file") << QStringList{"info"};
    QTest::newRow("info with two files") << QStringList{"info", "a", "b"};
    QTest::newRow("branch without a code") << QStringList{"info", "a", "--branch"};
    QTest::newRow("unknown option") << QStringList{"info", "a", "--fast"};
}

void TestTool::wrongUsage()
{
    QFETCH(QStringList, args);
    const Result r = tool(args);
    QCOMPARE(r.exitCode, 2);
    QVERIFY(r.err.contains("usage:"));
}

void TestTool::helpListsCommands()
{
    const Result r = tool({"--help"});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.out.contains("info FILE"));
}

QTEST_GUILESS_MAIN(TestTool)
#include "test_tool.moc"
