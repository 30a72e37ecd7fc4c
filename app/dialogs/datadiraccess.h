#pragma once

#include <QString>

class QWidget;

// Checks the data-directory dialogs make before a directory is used.
class DataDirAccess
{
public:
    // While one lives, permission tests on NTFS reflect the real access
    // rights; Qt skips that lookup by default because it is slow.
    class PermissionScope
    {
    public:
        PermissionScope();
        ~PermissionScope();
        PermissionScope(const PermissionScope &) = delete;
        PermissionScope &operator=(const PermissionScope &) = delete;
    };

    // Creates the directory with every missing level; true when it is then
    // readable, writable and enterable.
    static bool prepare(const QString &dir);
    // The box both dialogs show when prepare() fails.
    static void reportDenied(QWidget *parent);

    // Compared as the file system sees them: "." and "..", a trailing
    // separator and symbolic links do not make a different directory.
    static bool isSame(const QString &a, const QString &b);
    static bool isInside(const QString &inner, const QString &outer);
    static bool holdsDatabase(const QString &dir);

    // Files below the directory, at any depth.
    static int countFiles(const QString &dir);
};
