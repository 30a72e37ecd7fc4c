#include "movefilethread.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "datadirectory.h"
#include "loghelper.h"
#include "recorddatabase.h"
#include "storagelog.h"

namespace {

const QString databaseName = QStringLiteral("db_o2.db");

bool sameContent(const QString &a, const QString &b)
{
    QFile fa(a), fb(b);
    if (!fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly) || fa.size() != fb.size())
        return false;
    while (!fa.atEnd()) {
        if (fa.read(1 << 16) != fb.read(1 << 16))
            return false;
    }
    return true;
}

// A copy counts only once it is complete and equal to its source.
bool copyVerified(const QString &from, const QString &to)
{
    if (!QFile::copy(from, to))
        return false;
    if (sameContent(from, to))
        return true;
    QFile::remove(to);
    return false;
}

void keep(const QString &path, const char *why)
{
    const QString entry = QStringLiteral("data move: kept %1 (%2)").arg(path, QLatin1String(why));
    qCDebug(lcStorage).noquote() << entry;
    LogHelper::instance()->write(entry);
}

bool isInside(const QString &inner, const QString &outer)
{
    const QString a = QDir(inner).absolutePath() + QLatin1Char('/');
    const QString b = QDir(outer).absolutePath() + QLatin1Char('/');
    return a.startsWith(b);
}

} // namespace

MoveFileThread::MoveFileThread(QObject *parent)
    : QThread(parent)
{
}

bool MoveFileThread::moveTree(const QString &source, const QString &destination)
{
    // Moving a folder into itself would never end.
    if (isInside(destination, source)) {
        keep(source, "destination lies inside it");
        return false;
    }
    QDir().mkpath(destination);
    bool complete = true;
    const QFileInfoList entries = QDir(source).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        const QString target = destination + QLatin1Char('/') + entry.fileName();
        if (entry.isDir() && !entry.isSymLink()) {
            QDir().mkpath(target);
            const bool moved = moveTree(entry.filePath(), target);
            // Only an emptied folder goes: whatever could not be moved stays with it.
            if (!moved || !QDir(source).rmdir(entry.fileName())) {
                keep(entry.filePath(), "not everything in it could be moved");
                complete = false;
            }
            continue;
        }
        if (QFileInfo::exists(target)) {
            keep(entry.filePath(), "a file of that name is in the destination");
            complete = false;
            continue;
        }
        if (QFile::rename(entry.filePath(), target))
            continue;
        if (!copyVerified(entry.filePath(), target)) {
            keep(entry.filePath(), "copy failed");
            complete = false;
            continue;
        }
        // Across drives the rename fails and the copy is the move.
        if (!QFile::remove(entry.filePath())) {
            keep(entry.filePath(), "copied, but the original could not be removed");
            complete = false;
        }
    }
    return complete;
}

void MoveFileThread::run()
{
    // The database is closed first, so its file moves as a whole and nothing
    // writes to it while it travels.
    RecordDatabase::instance().close();
    moveTree(m_source, m_destination);
    moveDatabase();
    RecordDatabase::instance().open();
    emit moveFinish();
}

bool MoveFileThread::moveDatabase()
{
    const QString from = m_source + QLatin1Char('/') + databaseName;
    const QString to = m_destination + QLatin1Char('/') + databaseName;
    if (!QFileInfo::exists(from))
        return true;
    // The destination brought its own database: ours stays where it was
    // rather than being deleted uncopied.
    if (QFileInfo::exists(to)) {
        keep(from, "the destination has a database of its own");
        return false;
    }
    if (!copyVerified(from, to)) {
        keep(from, "copy failed");
        return false;
    }
    return QFile::remove(from);
}
