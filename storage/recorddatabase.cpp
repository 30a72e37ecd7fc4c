#include "recorddatabase.h"

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTextStream>

#include "appconfig.h"
#include "datadirectory.h"
#include "deviceinfo.h"
#include "branchcodes.h"
#include "oxidatacontroller.h"
#include "patientinfo.h"
#include "recordrows.h"
#include "storagelog.h"

using namespace RecordRows;

RecordDatabase &RecordDatabase::instance()
{
    // Opened on first use, in the configured data directory.
    static RecordDatabase database;
    static const bool opened = database.open();
    Q_UNUSED(opened);
    return database;
}

QString RecordDatabase::connectionName()
{
    return QStringLiteral("OxvaneConnection");
}

bool RecordDatabase::open()
{
    return openAt(AppConfig::instance().dataDir());
}

bool RecordDatabase::openAt(const QString &dataDir)
{
    Q_INIT_RESOURCE(resources);
    {
        QMutexLocker lock(&m_mutex);
        m_opened = false;
        m_dataDir = dataDir;
        // A connection belongs to the thread that made it; ours is reached
        // through the handle we keep, never looked up by name elsewhere.
        if (!m_db.isValid()) {
            if (QSqlDatabase::contains(connectionName()))
                QSqlDatabase::removeDatabase(connectionName());
            m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName());
        }
        m_db.close();
        m_db.setHostName(QStringLiteral("Oxvane"));
        m_db.setUserName(QStringLiteral("nocturnix"));
        m_db.setPassword(QStringLiteral("nocturnix"));
        // Another process (the command-line tool) may hold the file for a moment.
        m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        QDir().mkpath(dataDir);
        const QString path = DataDirectory(dataDir).databasePath();
        m_db.setDatabaseName(path);
        if (!m_db.open()) {
            qCDebug(lcStorage) << path << "open db failed" << m_db.lastError().text();
            return false;
        }
    }
    runSchemaScript();
    renameHighestSpo2Column();
    repair();
    QMutexLocker lock(&m_mutex);
    m_opened = true;
    return true;
}

void RecordDatabase::close()
{
    QMutexLocker lock(&m_mutex);
    m_opened = false;
    if (m_db.isValid()) {
        m_db.close();
        m_db = QSqlDatabase();
    }
    if (QSqlDatabase::contains(connectionName())) {
        QSqlDatabase::removeDatabase(connectionName());
        qCDebug(lcStorage) << "db remove";
    }
}

bool RecordDatabase::isOpen() const
{
    QMutexLocker lock(&m_mutex);
    return m_opened;
}

QString RecordDatabase::dataDir() const
{
    QMutexLocker lock(&m_mutex);
    return m_dataDir;
}

bool RecordDatabase::exec(QSqlQuery &query, const char *failure)
{
    if (query.exec())
        return true;
    qCDebug(lcStorage) << failure << query.lastError().text() << query.lastQuery();
    return false;
}

void RecordDatabase::runSchemaScript()
{
    QFile script(QStringLiteral(":/ddl/db_sleepreort_ddl.sql"));
    if (!script.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qCDebug(lcStorage) << "schema script missing";
        return;
    }
    const QStringList statements = QTextStream(&script).readAll().split(QLatin1Char(';'));
    QMutexLocker lock(&m_mutex);
    for (const QString &statement : statements) {
        if (statement.trimmed().isEmpty())
            continue;
        // Adding a column that exists already fails, as it should on a current file.
        QSqlQuery query(m_db);
        query.exec(statement);
    }
}

// Files from before the highest SpO2 column had its present name keep it in
// the seventh place of tb_check, between SecPerPoint and o2_avg; there it is
// renamed in place, found by its neighbours rather than by its old name.
void RecordDatabase::renameHighestSpo2Column()
{
    QMutexLocker lock(&m_mutex);
    QSqlQuery info(m_db);
    if (!info.exec(QStringLiteral("pragma table_info(tb_check)")))
        return;
    QStringList columns;
    while (info.next())
        columns.append(info.value(1).toString());
    if (columns.contains(QLatin1String("o2_high")) || columns.size() < 8
        || columns.at(5) != QLatin1String("SecPerPoint") || columns.at(7) != QLatin1String("o2_avg"))
        return;
    // A column name cannot be bound; it comes from the file itself and is quoted.
    QString old = columns.at(6);
    old.replace(QLatin1Char('"'), QLatin1String("\"\""));
    QSqlQuery rename(m_db);
    if (!rename.exec(QStringLiteral("alter table tb_check rename column \"%1\" to o2_high").arg(old)))
        qCDebug(lcStorage) << "highest SpO2 column not renamed" << rename.lastError().text();
}

void RecordDatabase::repair()
{
    const RecordMap records = allRecords();
    const DataDirectory layout(dataDir());
    for (auto it = records.cbegin(); it != records.cend(); ++it) {
        for (const CheckInfo &old : it.value()) {
            if (old.startDateTime.isValid())
                continue;
            const std::optional<QString> path = layout.recordPath(old.sn, old.checktime);
            if (!path)
                continue;
            OxiDataController night;
            // A file that still cannot be read keeps its row as it is: the
            // repair comes back at the next open, and nothing is overwritten.
            if (!night.parseFile(*path, old.branchCode))
                continue;
            CheckInfo fresh = night.toCheckInfo(old.sn, old.checktime);
            fresh.resourceID = old.resourceID;
            fresh.deviceID = old.deviceID;
            fresh.note = old.note;
            fresh.remarks = old.remarks;
            insertRecord(fresh);
        }
    }

    const DeviceMap devices = allDevices();
    for (const DeviceInfoPtr &stored : devices) {
        if (!stored->modelName().isEmpty())
            continue;
        DeviceInfo rebuilt(*stored);
        if (!stored->informationText().isEmpty())
            rebuilt.setInformationText(stored->informationText());
        if (rebuilt.modelName().isEmpty())
            rebuilt.setModelName(BranchCodes::modelName(rebuilt.branchCode()));
        // Rewriting an unknown model again would only reorder the device list.
        if (!rebuilt.modelName().isEmpty())
            insertOrUpdateDevice(rebuilt);
    }
}

bool RecordDatabase::insertOrUpdateDevice(const DeviceInfo &device)
{
    QMutexLocker lock(&m_mutex);
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral(
        "insert or replace into tb_device (sn, devicename, branchcode, btlversion, appversion, fileversion, "
        "devicejson, deviceID) values (:sn, :name, :branch, :btl, :app, :file, :json, :id)"));
    q.bindValue(QStringLiteral(":sn"), device.serialNumber());
    q.bindValue(QStringLiteral(":name"), device.modelName());
    q.bindValue(QStringLiteral(":branch"), device.branchCode());
    q.bindValue(QStringLiteral(":btl"), device.bootloaderVersion());
    q.bindValue(QStringLiteral(":app"), device.softwareVersion());
    q.bindValue(QStringLiteral(":file"), device.fileVersion());
    q.bindValue(QStringLiteral(":json"), device.informationText());
    q.bindValue(QStringLiteral(":id"), device.deviceId());
    return exec(q, "insert device failed:");
}

bool RecordDatabase::deleteDevice(const QString &sn)
{
    QMutexLocker lock(&m_mutex);
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("delete from tb_device where sn = :sn"));
    q.bindValue(QStringLiteral(":sn"), sn);
    return exec(q, "delete device failed:");
}

DeviceInfoPtr RecordDatabase::device(const QString &sn)
{
    // One connection runs one statement at a time, so get device takes the
    // same lock as everything else; the all-records walk, which holds the
    // lock already, calls the unlocked form.
    QMutexLocker lock(&m_mutex);
    return deviceLocked(sn);
}

DeviceInfoPtr RecordDatabase::deviceLocked(const QString &sn)
{
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("select * from tb_device where sn = :sn"));
    q.bindValue(QStringLiteral(":sn"), sn);
    if (!exec(q, "query single device failed:") || !q.next())
        return {};
    return deviceFromRow(q);
}

QStringList RecordDatabase::deviceSerialList()
{
    QMutexLocker lock(&m_mutex);
    QSqlQuery q(m_db);
    QStringList list;
    if (!q.prepare(QStringLiteral("select sn from tb_device order by rowid desc")) || !exec(q, "query device list failed:"))
        return list;
    while (q.next())
        list << q.value(0).toString();
    return list;
}

DeviceMap RecordDatabase::allDevices()
{
    QMutexLocker lock(&m_mutex);
    QSqlQuery q(m_db);
    DeviceMap devices;
    if (!q.prepare(QStringLiteral("select * from tb_device")) || !exec(q, "query local device list failed:"))
        return devices;
    while (q.next()) {
        const DeviceInfoPtr d = deviceFromRow(q);
        devices.insert(d->serialNumber(), d);
    }
    return devices;
}

bool RecordDatabase::insertRecord(const CheckInfo &r)
{
    QMutexLocker lock(&m_mutex);
    QSqlQuery check(m_db);
    check.prepare(QStringLiteral("select flowid from tb_deleted where flowid = :flowid"));
    check.bindValue(QStringLiteral(":flowid"), r.flowid);
    if (!exec(check, "query exist tb_deleted data failed:"))
        return false;
    if (check.next())
        return false;

    QSqlQuery q(m_db);
    q.prepare(QStringLiteral(
        "insert or replace into tb_check (flowid, sn, checktime, duration, startDateTime, SecPerPoint, o2_high, "
        "o2_avg, o2_min, hr_max, hr_avg, hr_min, o2score, few90_duration, drops_3, drops_4, note, remarks, "
        "resourceID, deviceID) values (:flowid, :sn, :checktime, :duration, :start, :rate, :spo2high, :spo2avg, "
        ":spo2min, :hrmax, :hravg, :hrmin, :score, :few90, :drops3, :drops4, :note, :remarks, :resource, :device)"));
    q.bindValue(QStringLiteral(":flowid"), r.flowid);
    q.bindValue(QStringLiteral(":sn"), r.sn);
    q.bindValue(QStringLiteral(":checktime"), r.checktime);
    q.bindValue(QStringLiteral(":duration"), r.duration);
    q.bindValue(QStringLiteral(":start"), startText(r.startDateTime));
    q.bindValue(QStringLiteral(":rate"), storedRate(r.secPerPoint));
    q.bindValue(QStringLiteral(":spo2high"), r.spo2Max);
    q.bindValue(QStringLiteral(":spo2avg"), r.spo2Avg);
    q.bindValue(QStringLiteral(":spo2min"), r.spo2Min);
    q.bindValue(QStringLiteral(":hrmax"), r.hrMax);
    q.bindValue(QStringLiteral(":hravg"), r.hrAvg);
    q.bindValue(QStringLiteral(":hrmin"), r.hrMin);
    q.bindValue(QStringLiteral(":score"), r.o2Score);
    q.bindValue(QStringLiteral(":few90"), r.few90Duration);
    q.bindValue(QStringLiteral(":drops3"), r.drops3);
    q.bindValue(QStringLiteral(":drops4"), r.drops4);
    q.bindValue(QStringLiteral(":note"), r.note);
    q.bindValue(QStringLiteral(":remarks"), r.remarks);
    q.bindValue(QStringLiteral(":resource"), r.resourceID);
    q.bindValue(QStringLiteral(":device"), r.deviceID);
    return exec(q, "insert record failed:");
}

QStringList RecordDatabase::recordList(const QString &sn)
{
    QMutexLocker lock(&m_mutex);
    return recordListLocked(sn);
}

QStringList RecordDatabase::recordListLocked(const QString &sn)
{
    QSqlQuery q(m_db);
    QStringList list;
    q.prepare(QStringLiteral("select checktime from tb_check where sn = :sn order by checktime desc"));
    q.bindValue(QStringLiteral(":sn"), sn);
    if (!exec(q, "query device file list faile:"))
        return list;
    while (q.next())
        list << q.value(0).toString();
    return list;
}

QHash<QString, QString> RecordDatabase::recordRemarks(const QString &sn)
{
    QMutexLocker lock(&m_mutex);
    QSqlQuery q(m_db);
    QHash<QString, QString> remarks;
    q.prepare(QStringLiteral("select checktime, remarks from tb_check where sn = :sn"));
    q.bindValue(QStringLiteral(":sn"), sn);
    if (!exec(q, "query record data failed:"))
        return remarks;
    while (q.next())
        remarks.insert(q.value(0).toString(), q.value(1).toString());
    return remarks;
}

CheckInfo RecordDatabase::record(const QString &sn, const QString &checkTime)
{
    QMutexLocker lock(&m_mutex);
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("select * from tb_check where flowid = :flowid"));
    q.bindValue(QStringLiteral(":flowid"), sn + checkTime);
    if (!exec(q, "query record data failed:") || !q.next())
        return {};
    return checkFromRow(q, CheckColumns(q.record()), false);
}

QVector<CheckInfo> RecordDatabase::records(const QString &sn)
{
    QMutexLocker lock(&m_mutex);
    QSqlQuery q(m_db);
    QVector<CheckInfo> list;
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("select * from tb_check where sn = :sn order by checktime desc"));
    q.bindValue(QStringLiteral(":sn"), sn);
    if (!exec(q, "query device records failed:"))
        return list;
    const CheckColumns columns(q.record());
    while (q.next())
        list.append(checkFromRow(q, columns, false));
    return list;
}

RecordMap RecordDatabase::allRecords()
{
    const QStringList serials = allDevices().keys();
    QMutexLocker lock(&m_mutex);
    RecordMap records;
    for (const QString &sn : serials) {
        // The branch code lives with the device: one lookup per recorder.
        const DeviceInfoPtr device = deviceLocked(sn);
        const QString branch = device ? device->branchCode() : QString();
        QSqlQuery q(m_db);
        q.prepare(QStringLiteral("select * from tb_check where sn = :sn"));
        q.bindValue(QStringLiteral(":sn"), sn);
        if (!exec(q, "query record list failed:"))
            continue;
        QVector<CheckInfo> &list = records[sn];
        const CheckColumns columns(q.record());
        while (q.next()) {
            list.append(checkFromRow(q, columns, true));
            list.last().branchCode = branch;
        }
    }
    return records;
}

bool RecordDatabase::deleteRecord(const QString &sn, const QString &checkTime)
{
    QMutexLocker lock(&m_mutex);
    const QStringList checkTimes = checkTime.isEmpty() ? recordListLocked(sn) : QStringList{checkTime};

    // Tombstones first, all in one transaction: a crash in between must not
    // leave a recording gone from the table but free to come back.
    m_db.transaction();
    bool ok = true;
    for (const QString &time : checkTimes) {
        ok = ok && deletePatientLocked(sn + time);
        ok = ok && addTombstoneLocked(sn + time, time, sn);
    }
    QSqlQuery q(m_db);
    if (checkTime.isEmpty()) {
        q.prepare(QStringLiteral("delete from tb_check where sn = :sn"));
    } else {
        q.prepare(QStringLiteral("delete from tb_check where sn = :sn and checktime = :checktime"));
        q.bindValue(QStringLiteral(":checktime"), checkTime);
    }
    q.bindValue(QStringLiteral(":sn"), sn);
    ok = ok && exec(q, "delete check record failed:");
    if (!ok) {
        m_db.rollback();
        return false;
    }
    return m_db.commit();
}

bool RecordDatabase::addTombstone(const QString &flowid, const QString &checkTime, const QString &sn)
{
    QMutexLocker lock(&m_mutex);
    return addTombstoneLocked(flowid, checkTime, sn);
}

bool RecordDatabase::addTombstoneLocked(const QString &flowid, const QString &checkTime, const QString &sn)
{
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("insert or replace into tb_deleted (flowid, checktime, sn) values (:flowid, :checktime, :sn)"));
    q.bindValue(QStringLiteral(":flowid"), flowid);
    q.bindValue(QStringLiteral(":checktime"), checkTime);
    q.bindValue(QStringLiteral(":sn"), sn);
    return exec(q, "insert record failed:");
}

bool RecordDatabase::isDeleted(const QString &flowid)
{
    QMutexLocker lock(&m_mutex);
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("select flowid from tb_deleted where flowid = :flowid"));
    q.bindValue(QStringLiteral(":flowid"), flowid);
    return exec(q, "query exist tb_deleted data failed:") && q.next();
}

QStringList RecordDatabase::deletedList()
{
    QMutexLocker lock(&m_mutex);
    QSqlQuery q(m_db);
    QStringList list;
    if (!q.prepare(QStringLiteral("select checktime from tb_deleted order by checktime desc"))
        || !exec(q, "query Deleted Record list failed:"))
        return list;
    while (q.next())
        list << q.value(0).toString();
    return list;
}

bool RecordDatabase::savePatientOfRecord(const QString &flowid, const PatientInfo &patient)
{
    QMutexLocker lock(&m_mutex);
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral(
        "insert or replace into tb_patientcheck (flowid, name, userid, sex, birthday, height, weight, physician, "
        "remarks, unit) values (:flowid, :name, :userid, :sex, :birthday, :height, :weight, :physician, :remarks, :unit)"));
    q.bindValue(QStringLiteral(":flowid"), flowid);
    bindPatient(q, patient);
    return exec(q, "insert or update patient failed:");
}

bool RecordDatabase::deletePatientOfRecord(const QString &flowid)
{
    QMutexLocker lock(&m_mutex);
    return deletePatientLocked(flowid);
}

bool RecordDatabase::deletePatientLocked(const QString &flowid)
{
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("delete from tb_patientcheck where flowid = :flowid"));
    q.bindValue(QStringLiteral(":flowid"), flowid);
    return exec(q, "delete patient failed:");
}

bool RecordDatabase::patientOfRecord(const QString &flowid, PatientInfo &patient)
{
    QMutexLocker lock(&m_mutex);
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("select * from tb_patientcheck where flowid = :flowid"));
    q.bindValue(QStringLiteral(":flowid"), flowid);
    if (!exec(q, "query patient info failed:") || !q.next())
        return false;
    fillPatient(q, patient);
    return true;
}

bool RecordDatabase::saveSearchPatient(const PatientInfo &patient)
{
    QMutexLocker lock(&m_mutex);
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral(
        "insert or replace into tb_patientsearch (name, userid, sex, birthday, height, weight, physician, remarks, "
        "unit) values (:name, :userid, :sex, :birthday, :height, :weight, :physician, :remarks, :unit)"));
    bindPatient(q, patient);
    return exec(q, "insert or update search patient failed:");
}

bool RecordDatabase::searchPatient(const QString &name, const QString &birthday, PatientInfo &patient)
{
    QMutexLocker lock(&m_mutex);
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("select * from tb_patientsearch where name = :name and birthday = :birthday"));
    q.bindValue(QStringLiteral(":name"), name);
    q.bindValue(QStringLiteral(":birthday"), birthday);
    if (!exec(q, "query single search patient failed:") || !q.next())
        return false;
    fillPatient(q, patient);
    return true;
}

PatientSearchList RecordDatabase::searchPatientList()
{
    QMutexLocker lock(&m_mutex);
    QSqlQuery q(m_db);
    PatientSearchList list;
    if (!q.prepare(QStringLiteral("select name, sex, birthday from tb_patientsearch"))
        || !exec(q, "query search patient list failed:"))
        return list;
    while (q.next())
        list.append({q.value(0).toString(), q.value(1).toInt(), q.value(2).toString()});
    return list;
}

bool RecordDatabase::setDeviceCloudId(const QString &id, const QString &sn)
{
    QMutexLocker lock(&m_mutex);
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("update tb_device set deviceID = :id where sn = :sn"));
    q.bindValue(QStringLiteral(":id"), id);
    q.bindValue(QStringLiteral(":sn"), sn);
    return exec(q, "insert device failed:");
}

bool RecordDatabase::setRecordCloudId(const QString &id, const QString &flowid)
{
    QMutexLocker lock(&m_mutex);
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("update tb_check set resourceID = :id where flowid = :flowid"));
    q.bindValue(QStringLiteral(":id"), id);
    q.bindValue(QStringLiteral(":flowid"), flowid);
    return exec(q, "insert record failed:");
}

bool RecordDatabase::setRecordRemarks(const QString &flowid, const QString &remarks)
{
    QMutexLocker lock(&m_mutex);
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("update tb_check set remarks = :remarks where flowid = :flowid"));
    q.bindValue(QStringLiteral(":remarks"), remarks);
    q.bindValue(QStringLiteral(":flowid"), flowid);
    return exec(q, "insert record failed:") && q.numRowsAffected() == 1;
}

bool RecordDatabase::forgetDeviceCloudIds()
{
    QMutexLocker lock(&m_mutex);
    QSqlQuery q(m_db);
    return q.prepare(QStringLiteral("update tb_device set deviceID = ''")) && exec(q, "insert record failed:");
}

bool RecordDatabase::forgetRecordCloudIds()
{
    QMutexLocker lock(&m_mutex);
    QSqlQuery q(m_db);
    return q.prepare(QStringLiteral("update tb_check set deviceID = '', resourceID = ''"))
        && exec(q, "insert record failed:");
}
