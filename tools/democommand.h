#pragma once

#include <QStringList>

// `nocturnix-tool demo --data-dir DIR`: a data directory with three demo
// recorders and a few months of nights each.
class DemoCommand
{
public:
    static QString usage();
    int run(const QStringList &args);
};
