#include "datadiraccess.h"

#include "datadirectory.h"
#include "messagebox.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#ifdef Q_OS_WIN
extern Q_CORE_EXPORT int qt_ntfs_permission_lookup;
#endif

namespace {
#ifdef Q_OS_WIN
constexpr Qt::CaseSensitivity pathCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity pathCase = Qt::CaseSensitive;
#endif

// The real location of a path that may not exist yet: its deepest existing
// ancestor with links resolved, followed by the rest as written.
QString resolved(const QString &path)
{
    QString existing = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QString rest;
    while (!QFileInfo::exists(existing)) {
        const int cut = existing.lastIndexOf(QLatin1Char('/'));
        if (cut <= 0)
            return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
        rest.prepend(existing.mid(cut));
        existing.truncate(cut);
    }
    return QDir::cleanPath(QFileInfo(existing).canonicalFilePath() + rest);
}

QString asFolder(const QString &path)
{
    const QString real = resolved(path);
    return real.endsWith(QLatin1Char('/')) ? real : real + QLatin1Char('/');
}
} // namespace

DataDirAccess::PermissionScope::PermissionScope()
{
#ifdef Q_OS_WIN
    ++qt_ntfs_permission_lookup;
#endif
}

DataDirAccess::PermissionScope::~PermissionScope()
{
#ifdef Q_OS_WIN
    --qt_ntfs_permission_lookup;
#endif
}

bool DataDirAccess::prepare(const QString &dir)
{
    if (dir.trimmed().isEmpty() || !QDir().mkpath(dir))
        return false;
    const QFileInfo info(dir);
    if (info.isDir() && info.isReadable() && info.isWritable() && info.isExecutable())
        return true;
    qDebug() << "permission denied" << dir;
    return false;
}

void DataDirAccess::reportDenied(QWidget *parent)
{
    MessageBox::critical(parent, QCoreApplication::translate("SetDataDirDlg", "Permission denied"),
                         QCoreApplication::translate(
                             "SetDataDirDlg",
                             "Please relaunch the software with administrator privileges or reselect the directory"),
                         MessageBox::Ok);
}

bool DataDirAccess::isSame(const QString &a, const QString &b)
{
    return resolved(a).compare(resolved(b), pathCase) == 0;
}

bool DataDirAccess::isInside(const QString &inner, const QString &outer)
{
    const QString in = asFolder(inner);
    const QString out = asFolder(outer);
    return in.size() > out.size() && in.startsWith(out, pathCase);
}

bool DataDirAccess::holdsDatabase(const QString &dir)
{
    return QFileInfo::exists(DataDirectory(dir).databasePath());
}

int DataDirAccess::countFiles(const QString &dir)
{
    int count = 0;
    QDirIterator it(dir, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        ++count;
    }
    return count;
}
