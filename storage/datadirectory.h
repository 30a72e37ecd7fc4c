#pragma once

#include <QString>

#include "safename.h"

#include <optional>

// Layout of the data directory: "db_o2.db" and one subdirectory per
// recorder serial number holding one file per recording, named by its
// check time. Names that come from a recorder, the cloud or a file go
// through isSafeName() before they become part of a path.
class DataDirectory
{
public:
    static constexpr int maxNameLength = SafeName::maxLength;

    explicit DataDirectory(const QString &root);

    QString root() const { return m_root; }
    QString databasePath() const;
    std::optional<QString> deviceDir(const QString &sn) const;
    std::optional<QString> recordPath(const QString &sn, const QString &checkTime) const;

    // A single path component that cannot leave its directory: not empty,
    // at most maxNameLength characters, no separators, drive colons, "..",
    // NUL or other control characters.
    static bool isSafeName(const QString &name);
    // "yyyyMMddhhmmss": exactly 14 digits.
    static bool isCheckTime(const QString &text);
    // The name with control characters shown as \xNN, for log entries.
    static QString printable(const QString &name);

private:
    QString m_root;
};
