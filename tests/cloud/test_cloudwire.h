#pragma once

#include <QObject>
#include <QTest>

class TestCloudWire : public QObject
{
    Q_OBJECT

private slots:
    void escapesQueryValues_data();
    void escapesQueryValues();
    void sortsQueryKeysAndLeavesThemUnescaped();
    void signsCompactSortedJson();
    void signCoversStringsAndWholeNumbersOnly();
    void prefixesPlainNodes_data();
    void prefixesPlainNodes();
    void namesFailures_data();
    void namesFailures();
    void parsesReplies_data();
    void parsesReplies();
};
