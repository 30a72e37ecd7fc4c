#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "test_mainwindow.h"

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    int status = 0;
    {
        TestRecordTree t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestMainWindow t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}
