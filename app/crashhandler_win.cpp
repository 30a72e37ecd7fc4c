#include <windows.h>
#include <dbghelp.h>

#include "crashhandler.h"

#include <QDateTime>
#include <QDir>
#include <QLocale>

namespace {

QString dumpDirs[2];

QString dumpFileName()
{
    return QLocale(QLocale::English).toString(QDateTime::currentDateTime(), QStringLiteral("yyyyMMddhhmmss"))
        + QStringLiteral(".dmp");
}

bool writeMiniDump(const QString &path, EXCEPTION_POINTERS *pointers)
{
    const HANDLE file = CreateFileW(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(path).utf16()),
                                    GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    MINIDUMP_EXCEPTION_INFORMATION exception;
    exception.ThreadId = GetCurrentThreadId();
    exception.ExceptionPointers = pointers;
    exception.ClientPointers = TRUE;
    const auto type = MINIDUMP_TYPE(MiniDumpWithDataSegs | MiniDumpWithUnloadedModules | MiniDumpWithProcessThreadData);
    const BOOL written = MiniDumpWriteDump(GetCurrentProcess(), GetCurrentProcessId(), file, type, &exception,
                                           nullptr, nullptr);
    CloseHandle(file);
    return written;
}

LONG WINAPI crashFilter(EXCEPTION_POINTERS *pointers)
{
    const QString name = dumpFileName();
    QString path;
    bool saved = false;
    for (const QString &dir : dumpDirs) {
        if (dir.isEmpty())
            continue;
        const QString candidate = QDir(dir).filePath(name);
        if (path.isEmpty())
            path = candidate;
        if (writeMiniDump(candidate, pointers)) {
            path = candidate;
            saved = true;
            break;
        }
    }

    const EXCEPTION_RECORD *record = pointers->ExceptionRecord;
    const QString text = QStringLiteral("error code:%1. address:%2 \r\n")
                             .arg(quint64(record->ExceptionCode), 0, 16)
                             .arg(quint64(quintptr(record->ExceptionAddress)), 0, 16)
        + QLatin1String(saved ? CrashHandler::savedText : CrashHandler::notSavedText)
        + QDir::toNativeSeparators(path);
    // The system's own box, not a Qt one: the fault may have struck any
    // thread, and widgets may only be made on the GUI thread.
    const QString title = QLatin1String(CrashHandler::boxTitle);
    MessageBoxW(nullptr, reinterpret_cast<LPCWSTR>(text.utf16()), reinterpret_cast<LPCWSTR>(title.utf16()),
                MB_OK | MB_ICONERROR | MB_TASKMODAL);
    // Ends the process without the system's own error report.
    return EXCEPTION_EXECUTE_HANDLER;
}

} // namespace

bool CrashHandler::install(const QString &dumpDir, const QString &fallbackDir, const QString &)
{
    dumpDirs[0] = dumpDir;
    dumpDirs[1] = fallbackDir;
    SetUnhandledExceptionFilter(crashFilter);
    return true;
}
