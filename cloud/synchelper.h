#pragma once

#include <QMutex>
#include <QObject>
#include <QString>
#include <QThread>

#include <atomic>

#include "cloudsession.h"
#include "synctypes.h"

class CloudTransport;
class QAuthenticator;
class QNetworkAccessManager;
class QNetworkReply;

// The client of the cloud service. It lives on a thread of its own; every
// operation is a signal the object handles there, one at a time, and every
// result comes back as a queued signal. Created by MySingleton, no parent.
class SyncHelper : public QObject
{
    Q_OBJECT

public:
    // apiUrl: base address of the service (the build option in the program,
    // a local server in tests). The thread starts at once.
    explicit SyncHelper(const QString &apiUrl, const CloudTimeouts &timeouts = CloudTimeouts(),
                        const QString &salt = QString());
    ~SyncHelper() override;

    // Ends the thread: the request in flight is cancelled and a running
    // synchronisation ends with endDownload(false). Called by the destructor.
    void shutdown();

    // GUI thread. Cancels the request in flight, which then fails.
    void abortRequest();

    // Any thread: a snapshot of the signed-in account.
    bool isLoggedIn() const;
    QString userEmail() const;
    QString userName() const;
    // Sign-out: forgets user id, name, e-mail and the authentication
    // strings; the token stays until the next login replaces it.
    void clearUserData();

signals:
    void init();
    void sync();
    void abort();
    void goLogin(const QString &username, const QString &password);
    void sigSendRestPwLink(const QString &email);
    void sigCheckAppVerUpdate();
    void loginReturn(bool isSuccess, const QString &msg = QString(), int code = 0);
    void startSync();
    void endDownload(bool isSuccess);
    void recordDownloaded(const QString &sn, const QString &checktime);
    void progress(syncType type, int current, int total, direction o);
    void sigSendResetPwLinkRst(bool isOK, const QString &msg);
    void sigCheckAppVerUpdateRst(bool isOK, bool existNew, const QString &newVer, const QString &newVerUrl);

private:
    void onInit();
    void onLogin(const QString &username, const QString &password);
    void onSync();
    void onSendResetLink(const QString &email);
    void onCheckVersion();
    void onAuthentication(QNetworkReply *reply, QAuthenticator *authenticator);
    CloudSession sessionCopy() const;

    // Sync thread only.
    bool m_busy = false;
    QNetworkAccessManager *m_manager = nullptr;
    CloudTransport *m_transport = nullptr;
    CloudTimeouts m_timeouts;
    QString m_salt;

    // The session is read by the GUI thread too.
    mutable QMutex m_mutex;
    CloudSession m_session;
    QString m_authUser;
    QString m_authPassword;

    std::atomic<bool> m_stopping{false};
    QThread m_thread;
};
