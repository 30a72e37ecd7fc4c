#pragma once

#include <QStringList>

// `nocturnix-tool csv FILE --branch CODE -o OUT.csv`: every sample of one
// recording, byte for byte as the window exports it.
class CsvCommand
{
public:
    static QString usage();
    int run(const QStringList &args);
};
