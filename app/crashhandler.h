#pragma once

#include <QString>

// Reports a fatal fault: writes a dump file named by the local time
// ("yyyyMMddhhmmss.dmp") and shows the crash box, then ends the process.
class CrashHandler
{
public:
    // The box's title is not translated: it must read the same in every
    // report a supporter is sent.
    static constexpr const char *boxTitle = "Software crash";
    static constexpr const char *savedText = "crash dump file already saved in ";
    static constexpr const char *notSavedText = "crash dump file could not be saved in ";

    // The dump goes to dumpDir, or to fallbackDir when dumpDir is not
    // writable (an installed program's directory usually is not). On Linux
    // boxProgram is started with the box text as its only argument (an
    // empty path shows no box); Windows shows the system's box and ignores
    // it. Call it again to change the places.
    static bool install(const QString &dumpDir, const QString &fallbackDir, const QString &boxProgram);
};
