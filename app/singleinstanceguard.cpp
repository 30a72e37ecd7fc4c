#include "singleinstanceguard.h"

#include <QDebug>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {
// On Windows the named objects live per desktop session. Unix names are
// machine-wide, so the user id keeps one user's copy (or its leftovers,
// which another user may not remove) from locking every other user out.
QString perUser(const QString &key)
{
#ifdef Q_OS_UNIX
    return key + QLatin1Char('_') + QString::number(::getuid());
#else
    return key;
#endif
}
} // namespace

SingleInstanceGuard::SingleInstanceGuard(const QString &key)
    : m_key(perUser(key))
    , m_semaphoreKey(m_key + QStringLiteral("_sysSemaphoreKey"))
    , m_sharedMemoryKey(m_key + QStringLiteral("_sharedmemKey"))
    , m_memory(m_sharedMemoryKey)
    , m_semaphore(m_semaphoreKey, 1, QSystemSemaphore::Open)
{
    m_semaphore.acquire();
    {
        // A copy that was killed leaves its segment behind on Unix. Attaching
        // and detaching removes a segment nobody else is attached to, while
        // the segment of a running copy stays.
        QSharedMemory leftover(m_sharedMemoryKey);
        leftover.attach();
    }
    m_semaphore.release();
}

SingleInstanceGuard::~SingleInstanceGuard()
{
    release();
}

bool SingleInstanceGuard::tryToRun()
{
    m_semaphore.acquire();
    const bool created = m_memory.create(2);
    const QSharedMemory::SharedMemoryError error = m_memory.error();
    m_semaphore.release();
    if (created || error == QSharedMemory::AlreadyExists)
        return created;
    // Without working shared memory no copy could ever start; telling the
    // user "already running" would be wrong, so this one runs unguarded.
    qWarning().noquote() << "single-instance guard unavailable, running without it:" << m_memory.errorString();
    return true;
}

void SingleInstanceGuard::release()
{
    m_semaphore.acquire();
    if (m_memory.isAttached())
        m_memory.detach();
    m_semaphore.release();
}
