#pragma once

#include <QDateTime>
#include <QVariant>

#include "checkinfo.h"
#include "deviceinfo.h"

class PatientInfo;
class QSqlQuery;

// How the record database's rows map to the program's types, and the text
// forms values keep in the file.
namespace RecordRows {

// "yyyy-MM-dd hh:mm:ss.000" with English digits; NULL for an unknown start.
QVariant startText(const QDateTime &start);
QDateTime startFromText(const QVariant &value);
// Rounded as the stored text forms round them.
double storedRate(float rate);
double storedMeasure(double value);

CheckInfo checkFromRow(const QSqlQuery &q, bool withCloudIds);
DeviceInfoPtr deviceFromRow(const QSqlQuery &q);
void fillPatient(const QSqlQuery &q, PatientInfo &p);
void bindPatient(QSqlQuery &q, const PatientInfo &p);

} // namespace RecordRows
