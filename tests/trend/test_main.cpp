#include <QApplication>

#include "test_trend.h"
#include "testmain.h"

int main(int argc, char *argv[])
{
    return runTests<QApplication, TestTrendData, TestTrendWidget>(argc, argv);
}
