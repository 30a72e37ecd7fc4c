#include <QCoreApplication>
#include <QTest>

#include "test_protocol.h"

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);

    int status = 0;
    {
        TestDeviceInfo t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestBranchCodes t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}
