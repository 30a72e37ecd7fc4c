#pragma once

#include <QDateTime>
#include <QVariant>

#include "checkinfo.h"
#include "deviceinfo.h"

class PatientInfo;
class QSqlQuery;
class QSqlRecord;

// How the record database's rows map to the program's types, and the text
// forms values keep in the file.
namespace RecordRows {

// "yyyy-MM-dd hh:mm:ss.000" with English digits; NULL for an unknown start.
QVariant startText(const QDateTime &start);
QDateTime startFromText(const QVariant &value);
// Rounded as the stored text forms round them.
double storedRate(float rate);
double storedMeasure(double value);

// Column positions of a tb_check result, looked up once per query: a lookup
// by name rebuilds the record description at every call.
struct CheckColumns
{
    explicit CheckColumns(const QSqlRecord &record);
    int flowid, checktime, sn, resourceID, deviceID, duration, startDateTime, secPerPoint;
    int spo2Max, spo2Avg, spo2Min, hrMax, hrAvg, hrMin, o2Score, few90Duration, drops3, drops4, note, remarks;
};

CheckInfo checkFromRow(const QSqlQuery &q, const CheckColumns &columns, bool withCloudIds);
DeviceInfoPtr deviceFromRow(const QSqlQuery &q);
void fillPatient(const QSqlQuery &q, PatientInfo &p);
void bindPatient(QSqlQuery &q, const PatientInfo &p);

} // namespace RecordRows
