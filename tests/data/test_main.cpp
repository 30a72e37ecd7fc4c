#include <QCoreApplication>

#include "test_data.h"
#include "testmain.h"

int main(int argc, char *argv[])
{
    return runTests<QCoreApplication, TestParser, TestDropAnalysis>(argc, argv);
}
