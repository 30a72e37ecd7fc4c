#pragma once

#include <QObject>

class TestRecordTree : public QObject
{
    Q_OBJECT

private slots:
    void ordersAndCounts();
    void marksOnlyNewRecordings();
    void removalSweepsEmptiedMonthAndRecorder();
    void removingARecorderTakesItsFolder();
    void markOfferedForOneRecordingOnly();
    void remarkKeepsTheRestOfTheRow();
};

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void pingDuringDownloadKeepsButtonsDisabled();
    void clicksWhileBusyAreIgnored();
    void downloadEndMessages_data();
    void downloadEndMessages();
    void connectedNameShowsSpaces();
    void faqAndContactFollowTheBranchCode();
    void selectingRecordingsAndRecorders();
    void downloadedFileIsMarkedAndExpanded();
    void closingStoresGeometry();
};

class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void windowAndReportInTheChosenLanguage_data();
    void windowAndReportInTheChosenLanguage();
};
