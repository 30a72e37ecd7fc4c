#pragma once

#include <QString>
#include <QStringList>

// `nocturnix-tool sync`: one login and one synchronisation of a data
// directory with the cloud account, through the window's own SyncHelper.
class SyncCommand
{
public:
    enum { ExitLoginFailed = 3 };

    static QString usage();
    int run(const QStringList &args);
};
