#include <QApplication>
#include <QTest>

#include "test_csvexport.h"
#include "test_reportoutput.h"
#include "test_reporttexts.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    int failed = 0;
    {
        TestReportTexts t;
        failed += QTest::qExec(&t, argc, argv);
    }
    {
        TestCsvExport t;
        failed += QTest::qExec(&t, argc, argv);
    }
    {
        TestReportOutput t;
        failed += QTest::qExec(&t, argc, argv);
    }
    return failed == 0 ? 0 : 1;
}
