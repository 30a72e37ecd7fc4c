// Installs the crash handler and then crashes the way argv[1] names:
// app_crash_helper write|overflow|abort dumpDir fallbackDir boxProgram
#include "crashhandler.h"

#include <QString>

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" {

__attribute__((noinline)) void nocturnixTestWriteFault()
{
    *reinterpret_cast<volatile int *>(uintptr_t(0x1234)) = 1;
}

__attribute__((noinline)) int nocturnixTestRecurse(int depth)
{
    volatile char pad[4096];
    pad[0] = char(depth);
    if (depth < 0)
        return 0;
    return nocturnixTestRecurse(depth + 1) + pad[0];
}

// abort() never returns, so the caller's frame cannot be told apart in a
// backtrace; the test looks for abort itself.
__attribute__((noinline)) void nocturnixTestAbort()
{
    std::abort();
}

} // extern "C"

int main(int argc, char *argv[])
{
    if (argc < 5)
        return 2;
    if (!CrashHandler::install(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                               QString::fromLocal8Bit(argv[4])))
        return 3;
    if (std::strcmp(argv[1], "write") == 0)
        nocturnixTestWriteFault();
    else if (std::strcmp(argv[1], "overflow") == 0)
        return nocturnixTestRecurse(argc);
    else if (std::strcmp(argv[1], "abort") == 0)
        nocturnixTestAbort();
    return 4;
}
