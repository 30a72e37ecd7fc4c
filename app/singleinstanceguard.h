#pragma once

#include <QSharedMemory>
#include <QString>
#include <QSystemSemaphore>

// Keeps a second copy of the program from running: the first copy holds a
// small named shared-memory segment for its whole run.
class SingleInstanceGuard
{
public:
    explicit SingleInstanceGuard(const QString &key);
    ~SingleInstanceGuard();

    // True when no other copy holds the segment; this one then holds it.
    bool tryToRun();
    void release();

    QString semaphoreKey() const { return m_semaphoreKey; }
    QString sharedMemoryKey() const { return m_sharedMemoryKey; }

private:
    Q_DISABLE_COPY(SingleInstanceGuard)

    const QString m_key;
    const QString m_semaphoreKey;
    const QString m_sharedMemoryKey;
    QSharedMemory m_memory;
    QSystemSemaphore m_semaphore;
};
