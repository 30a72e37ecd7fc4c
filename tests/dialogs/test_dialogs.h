#pragma once

#include <QObject>
#include <QString>
#include <QTemporaryDir>

// Settings back to a fresh installation with this data directory, and its
// database open; message boxes forgotten.
bool resetSettings(const QString &dataDir);

class TestDataDirAccess : public QObject
{
    Q_OBJECT

private slots:
    void comparesAsTheFileSystemDoes_data();
    void comparesAsTheFileSystemDoes();
};

class TestSetDataDirDlg : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void refusesADirectoryThatCannotBeMade();
    void storesTheChoiceAndReportsIt();

private:
    QTemporaryDir *m_dir = nullptr;
};

class TestSettingDlg : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void checksRunInOrder_data();
    void checksRunInOrder();
    void storedValuesShowInTheirUnit_data();
    void storedValuesShowInTheirUnit();
    void imperialEntryIsStoredMetric();
    void languageChangeAsksForRestart_data();
    void languageChangeAsksForRestart();
    void neutralBrandingHidesTheLanguage_data();
    void neutralBrandingHidesTheLanguage();
    void chartRangesUseTheStoredCodes();
    void sameDirectoryClosesWithoutMoving_data();
    void sameDirectoryClosesWithoutMoving();
    void refusedDirectoriesMoveNothing_data();
    void refusedDirectoriesMoveNothing();
    void moveTakesEveryNightAlong();

private:
    QString oldDir() const;
    void storeNights();

    QTemporaryDir *m_dir = nullptr;
};
