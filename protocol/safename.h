#pragma once

#include <QString>

// Names that come from a recorder, the cloud or a file and become part of a
// path. Kept below storage so that the command layer can refuse a serial
// number or file name before it touches the disk.
namespace SafeName {

constexpr int maxLength = 64;

// A single path component that cannot leave its directory: not empty, at
// most maxLength characters, no separators, drive colons, "..", NUL or
// other control characters.
bool isSafeName(const QString &name);
// "yyyyMMddhhmmss": exactly 14 digits.
bool isCheckTime(const QString &text);
// The name with control characters shown as \xNN, for log entries.
QString printable(const QString &name);

} // namespace SafeName
