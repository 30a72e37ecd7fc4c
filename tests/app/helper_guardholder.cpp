// Holds the single-instance guard of the key in argv[1] until its standard
// input closes. Prints "running" or "refused" (exit code 3).
#include "singleinstanceguard.h"

#include <cstdio>
#include <unistd.h>

int main(int argc, char *argv[])
{
    if (argc < 2)
        return 2;
    SingleInstanceGuard guard(QString::fromLocal8Bit(argv[1]));
    if (!guard.tryToRun()) {
        std::puts("refused");
        return 3;
    }
    std::puts("running");
    std::fflush(stdout);
    char byte;
    while (read(STDIN_FILENO, &byte, 1) > 0) {
    }
    guard.release();
    return 0;
}
