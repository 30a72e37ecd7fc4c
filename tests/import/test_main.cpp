#include <QCoreApplication>

#include "test_import.h"
#include "testmain.h"

int main(int argc, char *argv[])
{
    return runTests<QCoreApplication, TestRecordingStore, TestImportTool>(argc, argv);
}
