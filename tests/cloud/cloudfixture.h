#pragma once

#include <QDeadlineTimer>
#include <QSignalSpy>
#include <QTest>

#include <memory>

#include "buildconfig.h"
#include "fakecloudserver.h"
#include "synchelper.h"

// Answers come from the sync thread, sometimes before the test starts
// waiting (an abort needs no reply from the server); QSignalSpy::wait()
// would miss those and wait for a second one.
inline bool waitForSignal(QSignalSpy &spy, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (spy.isEmpty() && !deadline.hasExpired())
        QTest::qWait(10);
    return !spy.isEmpty();
}

// A local service with one account and a client pointed at it, with
// time-outs short enough that a test waits a fraction of a second.
struct CloudFixture
{
    // The build's salt, so that nocturnix-tool signs the way the server checks.
    static constexpr const char *salt = NOCTURNIX_SIGN_SALT;
    static constexpr const char *email = "night owl@example.org";
    static constexpr const char *password = "p&ss=w rd%";
    static constexpr int userId = 31;

    FakeCloudServer server{QString::fromLatin1(salt)};
    std::unique_ptr<SyncHelper> helper;

    explicit CloudFixture(CloudTimeouts timeouts = {1500, 1500})
    {
        server.addAccount(QString::fromLatin1(email), QString::fromLatin1(password), userId, {42, 7, 19});
        if (!server.listen())
            qFatal("local server does not listen");
        helper = std::make_unique<SyncHelper>(server.apiUrl(), timeouts, QString::fromLatin1(salt));
    }

    QList<QVariant> login(const QString &user = QString::fromLatin1(email),
                          const QString &pwd = QString::fromLatin1(password))
    {
        QSignalSpy spy(helper.get(), &SyncHelper::loginReturn);
        emit helper->goLogin(user, pwd);
        if (!waitForSignal(spy, 10000))
            return {};
        return spy.takeFirst();
    }

    // The value of endDownload, or nothing when it never came.
    std::optional<bool> sync()
    {
        QSignalSpy spy(helper.get(), &SyncHelper::endDownload);
        emit helper->sync();
        if (!waitForSignal(spy, 60000))
            return std::nullopt;
        return spy.takeFirst().at(0).toBool();
    }
};
