#include <QDir>
#include <QFile>
#include <QTest>

#include "datadiraccess.h"
#include "test_dialogs.h"

void TestDataDirAccess::comparesAsTheFileSystemDoes_data()
{
    QTest::addColumn<QString>("candidate");   // relative to the folder holding DATA
    QTest::addColumn<bool>("same");
    QTest::addColumn<bool>("inside");

    QTest::newRow("the directory itself") << "DATA" << true << false;
    QTest::newRow("with a trailing slash") << "DATA/" << true << false;
    QTest::newRow("through dot-dot") << "DATA/sub/.." << true << false;
    QTest::newRow("a subdirectory") << "DATA/sub" << false << true;
    QTest::newRow("a deeper one not made yet") << "DATA/a/b" << false << true;
    QTest::newRow("a sibling that begins alike") << "DATA2" << false << false;
    QTest::newRow("the parent") << "." << false << false;
    QTest::newRow("a link to the directory") << "link" << true << false;
    QTest::newRow("a subdirectory through a link") << "link/new" << false << true;
}

void TestDataDirAccess::comparesAsTheFileSystemDoes()
{
    QFETCH(QString, candidate);
    QFETCH(bool, same);
    QFETCH(bool, inside);

    QTemporaryDir base;
    const QString data = base.filePath(QStringLiteral("DATA"));
    QVERIFY(QDir().mkpath(data + QStringLiteral("/sub")));
    QVERIFY(QFile::link(data, base.filePath(QStringLiteral("link"))));

    const QString path = base.filePath(candidate);
    QCOMPARE(DataDirAccess::isSame(path, data), same);
    QCOMPARE(DataDirAccess::isInside(path, data), inside);
}
