#include "test_app.h"

#include "loghelper.h"

#include <QDateTime>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <thread>
#include <vector>

namespace {
QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QDateTime wholeSecond(const QDateTime &time)
{
    return time.addMSecs(-time.time().msec());
}
} // namespace

void TestLogHelper::entryFormat()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Nocturnix.log");
    const QDateTime before = wholeSecond(QDateTime::currentDateTime());
    {
        LogHelper log(path);
        QVERIFY(log.isOpen());
        log.write(QString::fromUtf8("[ERR] Größe ü 睡眠"));
    }
    const QDateTime after = QDateTime::currentDateTime();

    const QByteArray bytes = readAll(path);
    QVERIFY(bytes.endsWith(QByteArray(" ") + QString::fromUtf8("[ERR] Größe ü 睡眠").toUtf8() + "\r\n"));
    QCOMPARE(bytes.count('\n'), 1);
    const QDateTime stamp = QDateTime::fromString(QString::fromLatin1(bytes.left(19)), "yyyy-MM-dd HH:mm:ss");
    QVERIFY2(stamp.isValid(), bytes.constData());
    QCOMPARE(bytes.at(19), ' ');
    QVERIFY(stamp >= before && stamp <= after);
}

void TestLogHelper::sizeAtStart_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("kept");

    QTest::newRow("exactly 5,242,880 bytes: appended to") << qint64(5242880) << true;
    QTest::newRow("one byte more: started afresh") << qint64(5242881) << false;
}

void TestLogHelper::sizeAtStart()
{
    QFETCH(qint64, size);
    QFETCH(bool, kept);

    QTemporaryDir dir;
    const QString path = dir.filePath("Nocturnix.log");
    QByteArray old(int(size), 'o');
    old.replace(0, 5, "first");
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(old), size);
    }
    {
        LogHelper log(path);
        log.write("next");
    }

    const QByteArray bytes = readAll(path);
    QVERIFY(bytes.endsWith(" next\r\n"));
    const qint64 entrySize = qint64(sizeof("yyyy-MM-dd HH:mm:ss next\r\n") - 1);
    QCOMPARE(qint64(bytes.size()), kept ? size + entrySize : entrySize);
    QCOMPARE(bytes.startsWith("first"), kept);
}

void TestLogHelper::concurrentEntriesStayWhole()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Nocturnix.log");
    constexpr int threadCount = 6;
    constexpr int entriesPerThread = 400;
    const QString filler(300, QLatin1Char('x'));
    {
        LogHelper log(path);
        std::vector<std::thread> threads;
        for (int t = 0; t < threadCount; ++t) {
            threads.emplace_back([&log, &filler, t] {
                for (int i = 0; i < entriesPerThread; ++i)
                    log.write(QStringLiteral("T%1 #%2 %3").arg(t).arg(i).arg(filler));
            });
        }
        for (std::thread &thread : threads)
            thread.join();
    }

    const QByteArray bytes = readAll(path);
    QVERIFY(bytes.endsWith("\r\n"));
    const QStringList lines = QString::fromUtf8(bytes.left(bytes.size() - 2)).split(QStringLiteral("\r\n"));
    const QRegularExpression entry(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d T(\\d) #(\\d+) x{300}$"));
    QSet<QString> seen;
    for (const QString &line : lines) {
        const QRegularExpressionMatch match = entry.match(line);
        QVERIFY2(match.hasMatch(), qPrintable(line.left(80)));
        seen.insert(match.captured(1) + '#' + match.captured(2));
    }
    QCOMPARE(lines.size(), threadCount * entriesPerThread);
    QCOMPARE(seen.size(), threadCount * entriesPerThread);
}

void TestLogHelper::unopenableFileIsSilent()
{
    QTemporaryDir dir;
    LogHelper log(dir.filePath("missing/dir/Nocturnix.log"));
    QVERIFY(!log.isOpen());
    log.write("lost");
    QVERIFY(!QFile::exists(dir.filePath("missing/dir/Nocturnix.log")));
}
