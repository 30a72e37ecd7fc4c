#include "appshell.h"

int main(int argc, char *argv[])
{
    return AppShell::run(argc, argv);
}
