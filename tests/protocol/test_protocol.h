#pragma once

#include <QObject>

#include "deviceinfo.h"

class TestDeviceInfo : public QObject
{
    Q_OBJECT

private slots:
    void textFillsEveryField();
    void textLeavesMissingKeysAlone();
    void textValuesThatAreNotStrings_data();
    void textValuesThatAreNotStrings();
    void fileListDropsEmptyNames_data();
    void fileListDropsEmptyNames();
    void textThatDoesNotParseClears_data();
    void textThatDoesNotParseClears();
    void rebuildFromStorageKeepsColumns();
    void recordFieldOffsets();
    void recordReplacesLegacyFields();
    void recordSerialNumber_data();
    void recordSerialNumber();
    void rejectsRecord_data();
    void rejectsRecord();
    void versionFormatting_data();
    void versionFormatting();
    void travelsInQueuedSignals();
};

class TestBranchCodes : public QObject
{
    Q_OBJECT

private slots:
    void modelName_data();
    void modelName();
    void prefixNumber_data();
    void prefixNumber();
    void groups_data();
    void groups();
};

// Emits a device description the way the device thread will.
class InfoSender : public QObject
{
    Q_OBJECT

signals:
    void deviceIdentified(QSharedPointer<const DeviceInfo> info);
};

// Takes it on the other side, connected by name like the generated forms.
class InfoReceiver : public QObject
{
    Q_OBJECT

public:
    QSharedPointer<const DeviceInfo> received;

public slots:
    void take(QSharedPointer<const DeviceInfo> info) { received = info; }
};
