#pragma once

#include <QObject>
#include <QTemporaryDir>

class TestCsvExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void headerPerBranchGroup_data();
    void headerPerBranchGroup();
    void sampleLines_data();
    void sampleLines();
    void timesDoNotDriftAtOddRates();
    void refusesUnusableRate();
    void unwritableTargetLeavesNothing();
    void toolWritesTheSameBytes();

private:
    QTemporaryDir m_dir;
};
