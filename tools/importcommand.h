#pragma once

#include <QStringList>

// `nocturnix-tool import --data-dir DIR --sn SN --branch CODE FILE...`:
// stores recording files named by their check time as nights of one
// recorder, one line per file.
class ImportCommand
{
public:
    static QString usage();
    int run(const QStringList &args);
};
