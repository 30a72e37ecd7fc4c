#include "test_app.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {
struct CrashRun {
    int exitCode = -1;
    QProcess::ExitStatus exitStatus = QProcess::CrashExit;
    QDateTime started;
    QDateTime ended;
    QStringList boxArguments;
};

// Runs the helper in dir, where the stub box program leaves its arguments.
CrashRun crash(const QString &mode, const QString &dir, const QString &dumpDir, const QString &fallbackDir)
{
    CrashRun run;
    const QDateTime now = QDateTime::currentDateTime();
    run.started = now.addMSecs(-now.time().msec());
    QProcess helper;
    helper.setWorkingDirectory(dir);
    helper.start(QStringLiteral(CRASH_HELPER), {mode, dumpDir, fallbackDir, QStringLiteral(CRASHBOX_STUB)});
    helper.waitForFinished(30000);
    run.ended = QDateTime::currentDateTime();
    run.exitCode = helper.exitCode();
    run.exitStatus = helper.exitStatus();
    QFile args(QDir(dir).filePath("crashbox-args"));
    if (args.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = args.readAll();
        for (const QByteArray &arg : bytes.left(bytes.size() - 1).split('\0'))
            run.boxArguments << QString::fromLocal8Bit(arg);
    }
    return run;
}

QStringList dumpsIn(const QString &dir)
{
    return QDir(dir).entryList({QStringLiteral("*.dmp")}, QDir::Files);
}
} // namespace

void TestCrashHandler::reportsFault_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("signal");
    QTest::addColumn<QString>("function");
    QTest::addColumn<QString>("faultAddress");

    QTest::newRow("write to a bad address") << "write" << SIGSEGV << "nocturnixTestWriteFault" << "0x1234";
    QTest::newRow("stack overflow") << "overflow" << SIGSEGV << "nocturnixTestRecurse" << QString();
    QTest::newRow("abort") << "abort" << SIGABRT << "abort" << QString();
}

void TestCrashHandler::reportsFault()
{
    QFETCH(QString, mode);
    QFETCH(int, signal);
    QFETCH(QString, function);
    QFETCH(QString, faultAddress);

    QTemporaryDir work;
    const QString dumpDir = work.filePath("program");
    const QString fallbackDir = work.filePath("data");
    QVERIFY(QDir().mkpath(dumpDir) && QDir().mkpath(fallbackDir));

    const CrashRun run = crash(mode, work.path(), dumpDir, fallbackDir);
    QCOMPARE(run.exitStatus, QProcess::NormalExit);
    QCOMPARE(run.exitCode, 128 + signal);

    const QStringList dumps = dumpsIn(dumpDir);
    QCOMPARE(dumps.size(), 1);
    QVERIFY(dumpsIn(fallbackDir).isEmpty());
    const QString name = dumps.first();
    QVERIFY2(QRegularExpression("^\\d{14}\\.dmp$").match(name).hasMatch(), qPrintable(name));
    const QDateTime stamp = QDateTime::fromString(name.left(14), "yyyyMMddhhmmss");
    QVERIFY2(stamp >= run.started && stamp <= run.ended, qPrintable(name));

    QFile dump(QDir(dumpDir).filePath(name));
    QVERIFY(dump.open(QIODevice::ReadOnly));
    const QString report = QString::fromLocal8Bit(dump.readAll());
    const QString signalName = signal == SIGSEGV ? "SIGSEGV" : "SIGABRT";
    QVERIFY2(report.contains(QString("\nsignal: %1 (%2)\n").arg(signal).arg(signalName)), qPrintable(report));
    if (!faultAddress.isEmpty())
        QVERIFY2(report.contains("\nfault address: " + faultAddress + "\n"), qPrintable(report));
    const QRegularExpressionMatch pc = QRegularExpression("\ninstruction address: 0x([0-9a-f]+)\n").match(report);
    QVERIFY2(pc.hasMatch() && pc.captured(1) != "0", qPrintable(report));

    const QStringList frames = report.section("\nbacktrace:\n", 1).split('\n', Qt::SkipEmptyParts);
    QVERIFY2(frames.size() >= 3, qPrintable(report));
    for (const QString &frame : frames)
        QVERIFY2(frame.contains("[0x"), qPrintable(frame));
    QVERIFY2(report.contains("(" + function + "+0x"), qPrintable(report));

    const QString expectedText = QString("error code:%1. address:%2 \r\ncrash dump file already saved in %3")
                                     .arg(signal, 0, 16)
                                     .arg(pc.captured(1), QDir(dumpDir).filePath(name));
    QCOMPARE(run.boxArguments, QStringList{expectedText});
}

void TestCrashHandler::dumpPlace_data()
{
    QTest::addColumn<bool>("fallbackExists");

    QTest::newRow("program directory missing: data directory") << true;
    QTest::newRow("no directory usable: box says so") << false;
}

void TestCrashHandler::dumpPlace()
{
    QFETCH(bool, fallbackExists);

    QTemporaryDir work;
    const QString dumpDir = work.filePath("program");
    const QString fallbackDir = work.filePath("data");
    if (fallbackExists)
        QVERIFY(QDir().mkpath(fallbackDir));

    const CrashRun run = crash("write", work.path(), dumpDir, fallbackDir);
    QCOMPARE(run.exitCode, 128 + SIGSEGV);
    QCOMPARE(run.boxArguments.size(), 1);
    const QString text = run.boxArguments.first();
    if (fallbackExists) {
        const QStringList dumps = dumpsIn(fallbackDir);
        QCOMPARE(dumps.size(), 1);
        QVERIFY2(text.endsWith("crash dump file already saved in " + QDir(fallbackDir).filePath(dumps.first())),
                 qPrintable(text));
    } else {
        const QRegularExpression notSaved("\r\ncrash dump file could not be saved in "
                                          + QRegularExpression::escape(dumpDir) + "/\\d{14}\\.dmp$");
        QVERIFY2(notSaved.match(text).hasMatch(), qPrintable(text));
    }
}
