#include "datadirectory.h"

#include "loghelper.h"
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
    if (name.isEmpty() || name.size() > maxNameLength)
        return false;
    if (name == QLatin1String(".") || name.contains(QLatin1String("..")))
        return false;
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || c == QLatin1Char('/') || c == QLatin1Char('\\')
            || c == QLatin1Char(':') || c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

bool DataDirectory::isCheckTime(const QString &text)
{
    if (text.size() != 14)
        return false;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

QString DataDirectory::printable(const QString &name)
{
    QString out;
    for (const QChar c : name.left(2 * maxNameLength)) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || c.category() == QChar::Other_Control)
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}
