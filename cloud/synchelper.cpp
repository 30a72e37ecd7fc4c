#include "synchelper.h"

#include <QAuthenticator>
#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>

#include "buildconfig.h"
#include "cloudaccount.h"
#include "cloudlog.h"
#include "cloudsync.h"
#include "cloudtransport.h"
#include "recorddatabase.h"

SyncHelper::SyncHelper(const QString &apiUrl, const CloudTimeouts &timeouts, const QString &salt)
    : m_timeouts(timeouts)
    , m_salt(salt.isEmpty() ? QStringLiteral(NOCTURNIX_SIGN_SALT) : salt)
{
    m_session.apiUrl = apiUrl;
    m_thread.setObjectName(QStringLiteral("sync"));
    moveToThread(&m_thread);
    m_thread.start(QThread::InheritPriority);
    // Every handler is connected here, before any request can be emitted: a
    // request emitted before init() had run would otherwise go nowhere.
    // Queued requests run in order, so init() comes first.
    connect(this, &SyncHelper::init, this, &SyncHelper::onInit);
    connect(this, &SyncHelper::sigCheckAppVerUpdate, this, &SyncHelper::onCheckVersion);
    connect(this, &SyncHelper::goLogin, this, &SyncHelper::onLogin);
    connect(this, &SyncHelper::sigSendRestPwLink, this, &SyncHelper::onSendResetLink);
    connect(this, &SyncHelper::sync, this, &SyncHelper::onSync);
    connect(this, &SyncHelper::abort, this, [this] {
        if (m_transport)
            m_transport->abortCurrent();
    });
    // The manager was made on the sync thread and goes with it.
    connect(&m_thread, &QThread::finished, this, [this] {
        delete m_transport;
        m_transport = nullptr;
        delete m_manager;
        m_manager = nullptr;
    }, Qt::DirectConnection);
    emit init();
}

SyncHelper::~SyncHelper()
{
    shutdown();
}

void SyncHelper::shutdown()
{
    if (m_stopping.exchange(true))
        return;
    // quit() ends the local loop of the request in flight as well.
    m_thread.quit();
    m_thread.wait();
}

void SyncHelper::onInit()
{
    qRegisterMetaType<syncType>("syncType");
    qRegisterMetaType<direction>("direction");
    m_manager = new QNetworkAccessManager;
    m_transport = new CloudTransport(m_manager, m_salt);
    connect(m_manager, &QNetworkAccessManager::authenticationRequired, this, &SyncHelper::onAuthentication);
}

void SyncHelper::abortRequest()
{
    // Queued to the sync thread, where the local loop of the request delivers it.
    emit abort();
}

CloudSession SyncHelper::sessionCopy() const
{
    QMutexLocker lock(&m_mutex);
    return m_session;
}

bool SyncHelper::isLoggedIn() const
{
    QMutexLocker lock(&m_mutex);
    return m_session.hasUser;
}

QString SyncHelper::userEmail() const
{
    QMutexLocker lock(&m_mutex);
    return m_session.email;
}

QString SyncHelper::userName() const
{
    QMutexLocker lock(&m_mutex);
    return m_session.name;
}

void SyncHelper::clearUserData()
{
    QMutexLocker lock(&m_mutex);
    m_session.clearUser();
    m_authUser.clear();
    m_authPassword.clear();
}

void SyncHelper::onAuthentication(QNetworkReply *, QAuthenticator *authenticator)
{
    QMutexLocker lock(&m_mutex);
    authenticator->setUser(m_authUser);
    authenticator->setPassword(m_authPassword);
}

void SyncHelper::onLogin(const QString &username, const QString &password)
{
    if (m_busy)
        return;
    m_busy = true;
    qCDebug(lcCloud) << "innerLogin";
    {
        QMutexLocker lock(&m_mutex);
        m_session.clearUser();
        m_authUser = username;
        m_authPassword = password;
    }
    CloudSession session = sessionCopy();
    const CloudAccount::Outcome outcome = CloudAccount(*m_transport, session, m_timeouts).login(username, password);
    {
        QMutexLocker lock(&m_mutex);
        m_session = session;
    }
    m_busy = false;
    emit loginReturn(outcome.isSuccess, outcome.text, outcome.code);
}

void SyncHelper::onSync()
{
    qCDebug(lcCloud) << "SyncHelper thread:" << QThread::currentThreadId();
    if (m_busy)
        return;
    m_busy = true;
    emit startSync();
    const CloudSession session = sessionCopy();
    bool isSuccess = false;
    if (!session.hasUser) {
        cloudLog(QStringLiteral("sync refused, nobody signed in"));
    } else if (!RecordDatabase::instance().isOpen()) {
        cloudLog(QStringLiteral("sync refused, no record database"));
    } else {
        CloudSync run(*m_transport, session, RecordDatabase::instance(), m_timeouts);
        connect(&run, &CloudSync::progress, this, &SyncHelper::progress);
        connect(&run, &CloudSync::recordDownloaded, this, &SyncHelper::recordDownloaded);
        isSuccess = run.run() && !m_stopping;
    }
    m_busy = false;
    emit endDownload(isSuccess);
}

void SyncHelper::onSendResetLink(const QString &email)
{
    CloudSession session = sessionCopy();
    const CloudAccount::Outcome outcome = CloudAccount(*m_transport, session, m_timeouts).sendResetLink(email);
    {
        // Only the node address is learnt; the signed-in user stays as it is.
        QMutexLocker lock(&m_mutex);
        if (!m_session.hasUser)
            m_session.nodeAddress = session.nodeAddress;
    }
    emit sigSendResetPwLinkRst(outcome.isSuccess, outcome.text);
}

void SyncHelper::onCheckVersion()
{
    CloudSession session = sessionCopy();
    const CloudAccount::VersionOutcome outcome =
        CloudAccount(*m_transport, session, m_timeouts).checkVersion(QStringLiteral(NOCTURNIX_VERSION));
    emit sigCheckAppVerUpdateRst(outcome.isSuccess, outcome.existsNew, outcome.version, outcome.url);
}
