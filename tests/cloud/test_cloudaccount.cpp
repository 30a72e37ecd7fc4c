#include "test_cloudaccount.h"

#include <QElapsedTimer>

#include "buildconfig.h"
#include "cloudfixture.h"

using Fault = FakeCloudServer::Fault;
Q_DECLARE_METATYPE(FakeCloudServer::Fault)

void TestCloudAccount::logsInWithSignedRequests()
{
    CloudFixture f;
    QVERIFY(!f.helper->isLoggedIn());
    const QList<QVariant> result = f.login();
    QCOMPARE(result, (QList<QVariant>{true, QString(), 200}));
    QVERIFY(f.helper->isLoggedIn());
    QCOMPARE(f.helper->userEmail(), QString::fromLatin1(CloudFixture::email));
    QCOMPARE(f.server.refusals(), QStringList());

    // The account name travels escaped and arrives intact.
    const auto lookups = f.server.requests("/node/user/node/get");
    QCOMPARE(lookups.size(), 1);
    QCOMPARE(lookups[0].query.value("email"), QString::fromLatin1(CloudFixture::email));
    QVERIFY(lookups[0].headers.value("authorization").isEmpty());
    const auto members = f.server.requests("/v1/member/getExtend");
    QCOMPARE(members.size(), 1);
    QCOMPARE(members[0].query, (QMap<QString, QString>{{"userId", "31"}, {"pageIndex", "1"}, {"pageSize", "100"}}));

    f.helper->clearUserData();
    QVERIFY(!f.helper->isLoggedIn());
    QVERIFY(f.helper->userEmail().isEmpty());
}

void TestCloudAccount::reportsLoginFailures_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("faultPath");
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    const QString good = QString::fromLatin1(CloudFixture::password);
    QTest::newRow("wrong password") << "guess" << "" << Fault::Http500 << 802 << "wrong password";
    QTest::newRow("node lookup code not 200") << good << "/node/" << Fault::BadCode << 500 << "0.200.500";
    QTest::newRow("node lookup without data") << good << "/node/" << Fault::MissingData << 200 << "0.200.200";
    QTest::newRow("node lookup not JSON") << good << "/node/" << Fault::Malformed << 0 << "";
    QTest::newRow("login HTTP 500") << good << "/login/new" << Fault::Http500 << 0 << "401.500.n";
    QTest::newRow("login times out") << good << "/login/new" << Fault::Timeout << 0 << "5.n.n";
    QTest::newRow("login without token") << good << "/login/new" << Fault::MissingData << 200 << "Unknown err";
    QTest::newRow("member lookup fails") << good << "/v1/member" << Fault::Http500 << 0 << "Unknown err";
    QTest::newRow("member lookup without data") << good << "/v1/member" << Fault::MissingData << 200 << "Unknown err";
}

void TestCloudAccount::reportsLoginFailures()
{
    QFETCH(QString, password);
    QFETCH(QString, faultPath);
    QFETCH(Fault, fault);
    QFETCH(int, code);
    QFETCH(QString, text);
    CloudFixture f({300, 300});
    if (!faultPath.isEmpty())
        f.server.addFault(faultPath, fault);
    const QList<QVariant> result = f.login(QString::fromLatin1(CloudFixture::email), password);
    QCOMPARE(result, (QList<QVariant>{false, text, code}));
    QVERIFY(!f.helper->isLoggedIn());
    QCOMPARE(f.server.refusals(), QStringList());
    // The object stays usable: the next attempt succeeds.
    QCOMPARE(f.login().value(0).toBool(), true);
}

void TestCloudAccount::turnsAwayLoginWhileBusy()
{
    CloudFixture f({400, 400});
    f.server.addFault("/node/", Fault::Timeout);
    QSignalSpy spy(f.helper.get(), &SyncHelper::loginReturn);
    emit f.helper->goLogin(QString::fromLatin1(CloudFixture::email), QString::fromLatin1(CloudFixture::password));
    emit f.helper->goLogin(QString::fromLatin1(CloudFixture::email), QString::fromLatin1(CloudFixture::password));
    QVERIFY(waitForSignal(spy, 3000));
    QTest::qWait(300);
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.at(0).at(0).toBool(), false);
}

void TestCloudAccount::abortEndsTheRequestInFlight()
{
    CloudFixture f({8000, 5000});
    f.server.addFault("/login/new", Fault::Timeout);
    QSignalSpy spy(f.helper.get(), &SyncHelper::loginReturn);
    QElapsedTimer clock;
    clock.start();
    emit f.helper->goLogin(QString::fromLatin1(CloudFixture::email), QString::fromLatin1(CloudFixture::password));
    QTRY_COMPARE_WITH_TIMEOUT(f.server.requests("/login/new").size(), 1, 3000);
    f.helper->abortRequest();
    // Well inside the 8 s time-out even on a loaded machine: only the abort can end it this soon.
    QVERIFY(waitForSignal(spy, 6000));
    QVERIFY(clock.elapsed() < 7000);
    QCOMPARE(spy.at(0).at(0).toBool(), false);
}

void TestCloudAccount::sendsResetLink_data()
{
    QTest::addColumn<QString>("email");
    QTest::addColumn<bool>("isOK");
    QTest::addColumn<QString>("text");
    QTest::newRow("known account") << QString::fromLatin1(CloudFixture::email) << true << "";
    QTest::newRow("unknown account") << "nobody@example.org" << false << "account does not exist";
}

void TestCloudAccount::sendsResetLink()
{
    QFETCH(QString, email);
    QFETCH(bool, isOK);
    QFETCH(QString, text);
    CloudFixture f;
    QSignalSpy spy(f.helper.get(), &SyncHelper::sigSendResetPwLinkRst);
    emit f.helper->sigSendRestPwLink(email);
    QVERIFY(waitForSignal(spy, 3000));
    QCOMPARE(spy.at(0), (QList<QVariant>{isOK, text}));
    QCOMPARE(f.server.requests("/send/reset/password/url").value(0).query.value("email"), email);
    QCOMPARE(f.server.refusals(), QStringList());
}

void TestCloudAccount::checksVersion_data()
{
    QTest::addColumn<QString>("latest");
    QTest::addColumn<bool>("isBroken");
    QTest::addColumn<QList<QVariant>>("result");
    const QString url = QStringLiteral("https://downloads.example.org/setup.exe");
    QTest::newRow("newer version") << "9.9.9" << false << QList<QVariant>{true, true, "9.9.9", url};
    QTest::newRow("up to date") << "" << false << QList<QVariant>{true, false, NOCTURNIX_VERSION, ""};
    QTest::newRow("server error") << "9.9.9" << true << QList<QVariant>{false, false, "", ""};
}

void TestCloudAccount::checksVersion()
{
    QFETCH(QString, latest);
    QFETCH(bool, isBroken);
    QFETCH(QList<QVariant>, result);
    CloudFixture f({300, 300});
    f.server.setLatestVersion(latest, QStringLiteral("https://downloads.example.org/setup.exe"));
    if (isBroken)
        f.server.addFault("/oxygen/", Fault::Http500);
    QSignalSpy spy(f.helper.get(), &SyncHelper::sigCheckAppVerUpdateRst);
    emit f.helper->sigCheckAppVerUpdate();
    QVERIFY(waitForSignal(spy, 3000));
    QCOMPARE(spy.at(0), result);
    QVERIFY(f.server.requests("/oxygen/pc/upgrade/version/get").value(0).headers.value("authorization").isEmpty());
}
