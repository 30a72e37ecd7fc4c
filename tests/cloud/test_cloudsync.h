#pragma once

#include <QObject>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

struct CloudFixture;

class TestCloudSync : public QObject
{
    Q_OBJECT

public:
    TestCloudSync();
    ~TestCloudSync() override;

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void restoresSameFilesAndRows();
    void retriesUploads_data();
    void retriesUploads();
    void pagesRecordList_data();
    void pagesRecordList();
    void keepsFetchingWhenOneNightFails_data();
    void keepsFetchingWhenOneNightFails();
    void refusesHostileNames_data();
    void refusesHostileNames();
    void keepsDeletedNightDeleted();

private:
    // Demo nights in the first data directory, uploaded; the database is
    // then opened on an empty second one.
    void uploadDemoThenSwitch();
    void openEmpty();
    void openDemo();

    std::unique_ptr<QTemporaryDir> m_demo;
    std::unique_ptr<QTemporaryDir> m_tmp;
    std::unique_ptr<CloudFixture> m_cloud;
    QString m_source;
    QString m_target;
};
