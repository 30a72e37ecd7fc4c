#include <QApplication>

#include "test_mainwindow.h"
#include "testmain.h"

int main(int argc, char *argv[])
{
    return runTests<QApplication, TestRecordTree, TestMainWindow, TestLanguages>(argc, argv);
}
