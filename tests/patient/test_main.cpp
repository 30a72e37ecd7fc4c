#include <QCoreApplication>

#include "test_patient.h"
#include "testmain.h"

int main(int argc, char *argv[])
{
    return runTests<QCoreApplication, TestPatientInfo, TestPatientSearchModel>(argc, argv);
}
