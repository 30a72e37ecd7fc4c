#pragma once

#include <QObject>
#include <QScopedPointer>
#include <QTemporaryDir>

class TestRecordingStore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void importStoresFileAndRows_data();
    void importStoresFileAndRows();
    void storedNightIsLeftAlone();
    void deletedNightStaysDeleted_data();
    void deletedNightStaysDeleted();
    void refusesUnsafeNames_data();
    void refusesUnsafeNames();
    void refusesWhatIsNoRecording_data();
    void refusesWhatIsNoRecording();
    void keepsAStoredRecordersRow();
    void refusesAnotherBranchCode_data();
    void refusesAnotherBranchCode();
    void putsBackAMissingFile();
    void unreadableDownloadIsRepairedLater_data();
    void unreadableDownloadIsRepairedLater();
    void deletedDownloadLeavesNoFile();

private:
    QString source(const QString &name, const QByteArray &bytes);
    QString dataDir() const;
    QString recordPath(const QString &sn, const QString &checkTime) const;
    QStringList snapshot() const;

    QScopedPointer<QTemporaryDir> m_dir;
};

class TestImportTool : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void importReportsEachFile_data();
    void importReportsEachFile();
    void wrongUsage_data();
    void wrongUsage();
    void helpListsImportAndDemo();
    void demoBuildsThreeRecorders();
    void demoIsRepeatable();

private:
    struct Result
    {
        int exitCode = -1;
        QByteArray out;
        QByteArray err;
    };
    Result tool(const QStringList &args);

    QTemporaryDir m_dir;
    QString m_demoDir;     // written once by the tool, read by the demo tests
};
