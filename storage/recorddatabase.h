#pragma once

#include <QHash>
#include <QMap>
#include <QMutex>
#include <QSharedPointer>
#include <QSqlDatabase>
#include <QStringList>
#include <QVector>

#include "checkinfo.h"
#include "deviceinfo.h"
#include "patientsearchentry.h"

class PatientInfo;
class QSqlQuery;

using DeviceMap = QMap<QString, DeviceInfoPtr>;
using RecordMap = QMap<QString, QVector<CheckInfo>>;  // sn -> that recorder's records

// The SQLite file "db_o2.db" in the data directory: recorders, record
// summaries, patient details, completion entries and tombstones of deleted
// recordings. One process-wide instance; safe from the GUI, device, sync and
// data-move threads. Every statement runs under one mutex on one
// connection, every value is bound; failures go to the debug output and
// come back as false or an empty result.
class RecordDatabase
{
public:
    static RecordDatabase &instance();

    // Opens "db_o2.db" in the configured data directory, creating the
    // directory and file if needed, upgrading the schema and repairing rows.
    bool open();
    bool openAt(const QString &dataDir);
    void close();
    bool isOpen() const;
    QString dataDir() const;

    bool insertOrUpdateDevice(const DeviceInfo &device);
    bool deleteDevice(const QString &sn);
    DeviceInfoPtr device(const QString &sn);
    QStringList deviceSerialList();   // most recently written first
    DeviceMap allDevices();

    // False, and nothing written, when the recording was deleted before.
    bool insertRecord(const CheckInfo &record);
    QStringList recordList(const QString &sn);   // check times, newest first
    // The remarks of one recorder's nights by check time, in one query.
    QHash<QString, QString> recordRemarks(const QString &sn);
    // Cloud ids stay empty; a missing record has an empty flowid.
    CheckInfo record(const QString &sn, const QString &checkTime);
    // Every record of one recorder, newest first, in one query; the same
    // values as record() gives per check time.
    QVector<CheckInfo> records(const QString &sn);
    RecordMap allRecords();
    // An empty checkTime removes every record of the device. Tombstones keep
    // the recordings from coming back with the next download.
    bool deleteRecord(const QString &sn, const QString &checkTime);
    bool addTombstone(const QString &flowid, const QString &checkTime, const QString &sn);
    // True when this one recording has a tombstone; false also when the query fails.
    bool isDeleted(const QString &flowid);
    QStringList deletedList();   // check times of every device, newest first

    bool savePatientOfRecord(const QString &flowid, const PatientInfo &patient);
    bool deletePatientOfRecord(const QString &flowid);
    // True and the patient filled when the recording has details.
    bool patientOfRecord(const QString &flowid, PatientInfo &patient);
    bool saveSearchPatient(const PatientInfo &patient);
    bool searchPatient(const QString &name, const QString &birthday, PatientInfo &patient);
    PatientSearchList searchPatientList();

    bool setDeviceCloudId(const QString &id, const QString &sn);
    bool setRecordCloudId(const QString &id, const QString &flowid);
    // The user's mark of one recording; nothing else of the row changes.
    bool setRecordRemarks(const QString &flowid, const QString &remarks);
    bool forgetDeviceCloudIds();
    bool forgetRecordCloudIds();

    static QString connectionName();

private:
    RecordDatabase() = default;
    RecordDatabase(const RecordDatabase &) = delete;
    RecordDatabase &operator=(const RecordDatabase &) = delete;

    void runSchemaScript();
    void renameHighestSpo2Column();
    void repair();
    bool exec(QSqlQuery &query, const char *failure);
    DeviceInfoPtr deviceLocked(const QString &sn);
    QStringList recordListLocked(const QString &sn);
    bool addTombstoneLocked(const QString &flowid, const QString &checkTime, const QString &sn);
    bool deletePatientLocked(const QString &flowid);

    mutable QMutex m_mutex;
    QSqlDatabase m_db;
    QString m_dataDir;
    bool m_opened = false;
};
