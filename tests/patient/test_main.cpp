#include <QCoreApplication>
#include <QTest>

#include "test_patient.h"

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);

    int status = 0;
    {
        TestPatientInfo t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestPatientSearchModel t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}
