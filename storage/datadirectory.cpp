#include "datadirectory.h"

#include "loghelper.h"
#include "safename.h"
#include "storagelog.h"

Q_LOGGING_CATEGORY(lcStorage, "nocturnix.storage")

namespace {

void refuse(const char *what, const QString &name)
{
    const QString entry = QStringLiteral("refused %1 name: \"%2\"").arg(QLatin1String(what), DataDirectory::printable(name));
    qCWarning(lcStorage).noquote() << entry;
    LogHelper::instance()->write(entry);
}

} // namespace

DataDirectory::DataDirectory(const QString &root)
    : m_root(root)
{
}

QString DataDirectory::databasePath() const
{
    return m_root + QStringLiteral("/db_o2.db");
}

std::optional<QString> DataDirectory::deviceDir(const QString &sn) const
{
    if (!isSafeName(sn)) {
        refuse("serial number", sn);
        return std::nullopt;
    }
    return m_root + QLatin1Char('/') + sn;
}

std::optional<QString> DataDirectory::recordPath(const QString &sn, const QString &checkTime) const
{
    if (!isSafeName(sn)) {
        refuse("serial number", sn);
        return std::nullopt;
    }
    if (!isCheckTime(checkTime)) {
        refuse("check time", checkTime);
        return std::nullopt;
    }
    return m_root + QLatin1Char('/') + sn + QLatin1Char('/') + checkTime;
}

bool DataDirectory::isSafeName(const QString &name)
{
    return SafeName::isSafeName(name);
}

bool DataDirectory::isCheckTime(const QString &text)
{
    return SafeName::isCheckTime(text);
}

QString DataDirectory::printable(const QString &name)
{
    return SafeName::printable(name);
}
