#pragma once

#include <QStringList>

// `nocturnix-tool set-time`: sets the connected recorder's clock to now;
// the exit status is the controller's result code.
class SetTimeCommand
{
public:
    static QString usage();
    int run(const QStringList &args);
};
