#pragma once

#include <QStringList>

// `nocturnix-tool pdf FILE --branch CODE [--sn SN --data-dir DIR] -o OUT.pdf`:
// the report pages of one recording as the window saves them. With a data
// directory the recording's own patient and the configured chart ranges
// are used.
class PdfCommand
{
public:
    static QString usage();
    int run(const QStringList &args);
};
