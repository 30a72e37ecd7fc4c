#pragma once

#include <QObject>
#include <QProcessEnvironment>
#include <QTemporaryDir>

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void secondCopyRefusedUntilFirstEnds_data();
    void secondCopyRefusedUntilFirstEnds();
    void secondProgramExitsAndKilledFirstDoesNotLockOut();
    void cleanupTestCase();

private:
    QProcessEnvironment isolatedEnvironment() const;
    void removeLeftovers(const QString &key);

    QTemporaryDir m_dir;
    QStringList m_usedKeys;
};

class TestMessageBox : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void buildsButtons_data();
    void buildsButtons();
    void returnsFlagOfClosingButton_data();
    void returnsFlagOfClosingButton();
    void preAnsweredBoxIsNotShown_data();
    void preAnsweredBoxIsNotShown();
    void invisiblePlatformAnswersAsDismissed_data();
    void invisiblePlatformAnswersAsDismissed();
};

class TestCentredScreenRect : public QObject
{
    Q_OBJECT

private slots:
    void fitsAspectIntoCentralRegion_data();
    void fitsAspectIntoCentralRegion();
    void usesPrimaryScreen();
};

class TestTranslation : public QObject
{
    Q_OBJECT

private slots:
    void pathFromLanguage_data();
    void pathFromLanguage();
    void firstStartFollowsLocale_data();
    void firstStartFollowsLocale();
    void chineseTranslationLoads();
};

class TestCrashHandler : public QObject
{
    Q_OBJECT

private slots:
    void reportsFault_data();
    void reportsFault();
    void dumpPlace_data();
    void dumpPlace();
};

class TestLogHelper : public QObject
{
    Q_OBJECT

private slots:
    void entryFormat();
    void sizeAtStart_data();
    void sizeAtStart();
    void concurrentEntriesStayWhole();
    void unopenableFileIsSilent();
};
