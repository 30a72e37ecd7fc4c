#pragma once

#include <QObject>
#include <QTest>

class TestCloudAccount : public QObject
{
    Q_OBJECT

private slots:
    void logsInWithSignedRequests();
    void reportsLoginFailures_data();
    void reportsLoginFailures();
    void turnsAwayLoginWhileBusy();
    void abortEndsTheRequestInFlight();
    void sendsResetLink_data();
    void sendsResetLink();
    void checksVersion_data();
    void checksVersion();
};
