#pragma once

#include <QObject>
#include <QTest>

class TestSyncTool : public QObject
{
    Q_OBJECT

private slots:
    void exitsByOutcome_data();
    void exitsByOutcome();
};
