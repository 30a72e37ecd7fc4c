#include <QCoreApplication>

#include "test_protocol.h"
#include "testmain.h"

int main(int argc, char *argv[])
{
    return runTests<QCoreApplication, TestDeviceInfo, TestBranchCodes>(argc, argv);
}
