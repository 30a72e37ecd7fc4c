#include "loghelper.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>

LogHelper::LogHelper(const QString &path, QObject *parent)
    : QObject(parent)
    , m_file(path)
{
    qDebug() << "log file:" << path;
    QIODevice::OpenMode mode = QIODevice::WriteOnly;
    mode |= QFileInfo(path).size() > maxSizeAtStart ? QIODevice::Truncate : QIODevice::Append;
    m_opened = m_file.open(mode);
}

LogHelper::~LogHelper()
{
    m_file.close();
}

QString LogHelper::defaultPath()
{
    return QDir::homePath() + QStringLiteral("/Nocturnix.log");
}

QSharedPointer<LogHelper> LogHelper::instance()
{
    // Function-local static: created once, safely, by whichever thread logs first.
    static const QSharedPointer<LogHelper> logger(new LogHelper(defaultPath()));
    return logger;
}

void LogHelper::write(const QString &message)
{
    if (!m_opened)
        return;
    const QString entry = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
        + QLatin1Char(' ') + message + QStringLiteral("\r\n");
    QMutexLocker lock(&m_mutex);
    m_file.write(entry.toUtf8());
    m_file.flush();
}
