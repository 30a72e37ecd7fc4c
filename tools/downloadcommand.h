#pragma once

#include <QStringList>

// `nocturnix-tool download --data-dir DIR`: the window's Download button,
// headless, through the same controller. Progress on stderr, the end
// message on stdout, the end code as exit status.
class DownloadCommand
{
public:
    static QString usage();
    int run(const QStringList &args);
};
