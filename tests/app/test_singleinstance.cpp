#include "test_app.h"

#include "appshell.h"
#include "singleinstanceguard.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QSystemSemaphore>
#include <QTest>

namespace {
bool waitForLine(QProcess &process, const QByteArray &line)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 10000) {
        if (process.canReadLine())
            return process.readLine().trimmed() == line;
        if (!process.waitForReadyRead(200) && process.state() == QProcess::NotRunning)
            return false;
    }
    return false;
}

bool waitForDirectory(const QString &path)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 10000) {
        if (QFileInfo(path).isDir())
            return true;
        QTest::qWait(50);
    }
    return false;
}
} // namespace

void TestSingleInstance::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // Qt names its System V objects after files in the temporary directory:
    // a private one keeps these processes apart from any real copy running.
    const QString ipcDir = m_dir.filePath("tmp");
    QVERIFY(QDir().mkpath(ipcDir));
    qputenv("TMPDIR", QFile::encodeName(ipcDir));
}

QProcessEnvironment TestSingleInstance::isolatedEnvironment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", m_dir.filePath("home"));
    env.insert("XDG_DATA_HOME", m_dir.filePath("home/share"));
    env.insert("XDG_CONFIG_HOME", m_dir.filePath("home/config"));
    env.insert("XDG_CACHE_HOME", m_dir.filePath("home/cache"));
    env.insert("XDG_RUNTIME_DIR", m_dir.filePath("runtime"));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    return env;
}

void TestSingleInstance::secondCopyRefusedUntilFirstEnds_data()
{
    QTest::addColumn<bool>("killFirst");

    QTest::newRow("first copy closes") << false;
    QTest::newRow("first copy killed, leaving its segment") << true;
}

void TestSingleInstance::secondCopyRefusedUntilFirstEnds()
{
    QFETCH(bool, killFirst);
    const QString key = QStringLiteral("NocturnixTest_%1_%2").arg(QCoreApplication::applicationPid()).arg(killFirst);
    m_usedKeys << key;

    QProcess first;
    first.start(QStringLiteral(GUARD_HOLDER), {key});
    QVERIFY(waitForLine(first, "running"));

    QProcess second;
    second.start(QStringLiteral(GUARD_HOLDER), {key});
    QVERIFY(waitForLine(second, "refused"));
    QVERIFY(second.waitForFinished(5000));
    QCOMPARE(second.exitCode(), 3);
    QCOMPARE(first.state(), QProcess::Running);

    if (killFirst) {
        first.kill();
        QVERIFY(first.waitForFinished(5000));
    } else {
        first.closeWriteChannel();
        QVERIFY(first.waitForFinished(5000));
        QCOMPARE(first.exitCode(), 0);
    }

    QProcess third;
    third.start(QStringLiteral(GUARD_HOLDER), {key});
    QVERIFY(waitForLine(third, "running"));
    third.closeWriteChannel();
    QVERIFY(third.waitForFinished(5000));
    QCOMPARE(third.exitCode(), 0);
}

void TestSingleInstance::secondProgramExitsAndKilledFirstDoesNotLockOut()
{
    m_usedKeys << QString::fromLatin1(AppShell::instanceKey);
    // Created only after the guard let a copy through.
    const QString dataLocation = m_dir.filePath("home/share/Nocturnix");
    QVERIFY(QDir().mkpath(m_dir.filePath("runtime")));
    QFile::setPermissions(m_dir.filePath("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QProcess first;
    first.setProcessEnvironment(isolatedEnvironment());
    first.start(QStringLiteral(NOCTURNIX_PROGRAM), QStringList());
    QVERIFY(waitForDirectory(dataLocation));

    QProcess second;
    second.setProcessEnvironment(isolatedEnvironment());
    second.start(QStringLiteral(NOCTURNIX_PROGRAM), QStringList());
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QVERIFY2(second.readAllStandardError().contains("Nocturnix is already running..."), "no information box");
    QCOMPARE(first.state(), QProcess::Running);

    first.kill();
    QVERIFY(first.waitForFinished(5000));
    QVERIFY(QDir(dataLocation).removeRecursively());

    QProcess third;
    third.setProcessEnvironment(isolatedEnvironment());
    third.start(QStringLiteral(NOCTURNIX_PROGRAM), QStringList());
    QVERIFY2(waitForDirectory(dataLocation), third.readAllStandardError().constData());
    QCOMPARE(third.state(), QProcess::Running);
    third.kill();
    QVERIFY(third.waitForFinished(5000));
}

void TestSingleInstance::removeLeftovers(const QString &key)
{
    QStringList semaphoreKeys;
    {
        // Its construction removes a segment a killed copy left behind.
        SingleInstanceGuard guard(key);
        // The segment has a semaphore of its own, named after the segment's key.
        semaphoreKeys << guard.semaphoreKey() << guard.sharedMemoryKey();
    }
    // A killed copy leaves the semaphores it created; opening in create mode
    // makes this handle their owner, which removes them when it goes.
    for (const QString &semaphoreKey : qAsConst(semaphoreKeys))
        QSystemSemaphore(semaphoreKey, 1, QSystemSemaphore::Create);
}

void TestSingleInstance::cleanupTestCase()
{
    for (const QString &key : qAsConst(m_usedKeys))
        removeLeftovers(key);
    qunsetenv("TMPDIR");
}
