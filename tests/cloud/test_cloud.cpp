#include <QCoreApplication>
#include <QNetworkProxy>

#include "testmain.h"
#include "test_cloudaccount.h"
#include "test_cloudsync.h"
#include "test_cloudwire.h"
#include "test_synctool.h"

int main(int argc, char *argv[])
{
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    return runTests<QCoreApplication, TestCloudWire, TestCloudAccount, TestCloudSync, TestSyncTool>(argc, argv);
}
