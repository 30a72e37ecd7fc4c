#include "recordrows.h"

#include <QLocale>
#include <QSqlQuery>
#include <QVariant>

#include "patientinfo.h"

namespace RecordRows {

const QString startFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss");

// Stored as text with a literal ".000", English digits; NULL when unknown so
// that the repair at the next open finds the row.
QVariant startText(const QDateTime &start)
{
    if (!start.isValid())
        return QVariant(QVariant::String);
    return QLocale(QLocale::English).toString(start, startFormat + QStringLiteral(".000"));
}

QDateTime startFromText(const QVariant &value)
{
    if (value.isNull())
        return {};
    return QDateTime::fromString(value.toString().left(19), startFormat);
}

// The numbers as the stored text forms round them: six significant digits for
// the sampling rate, six decimals for height and weight.
double storedRate(float rate)
{
    return QString::number(double(rate), 'g', 6).toDouble();
}

double storedMeasure(double value)
{
    return QString::number(value, 'f', 6).toDouble();
}

CheckInfo checkFromRow(const QSqlQuery &q, bool withCloudIds)
{
    CheckInfo c;
    c.flowid = q.value(QStringLiteral("flowid")).toString();
    c.checktime = q.value(QStringLiteral("checktime")).toString();
    c.sn = q.value(QStringLiteral("sn")).toString();
    if (withCloudIds) {
        c.resourceID = q.value(QStringLiteral("resourceID")).toString();
        c.deviceID = q.value(QStringLiteral("deviceID")).toString();
    }
    c.duration = q.value(QStringLiteral("duration")).toInt();
    c.startDateTime = startFromText(q.value(QStringLiteral("startDateTime")));
    c.secPerPoint = q.value(QStringLiteral("SecPerPoint")).toFloat();
    c.o2Max = q.value(QStringLiteral("o2_max")).toInt();
    c.o2Avg = q.value(QStringLiteral("o2_avg")).toInt();
    c.o2Min = q.value(QStringLiteral("o2_min")).toInt();
    c.hrMax = q.value(QStringLiteral("hr_max")).toInt();
    c.hrAvg = q.value(QStringLiteral("hr_avg")).toInt();
    c.hrMin = q.value(QStringLiteral("hr_min")).toInt();
    c.o2Score = q.value(QStringLiteral("o2score")).toInt();
    c.few90Duration = q.value(QStringLiteral("few90_duration")).toInt();
    c.drops3 = q.value(QStringLiteral("drops_3")).toInt();
    c.drops4 = q.value(QStringLiteral("drops_4")).toInt();
    c.note = q.value(QStringLiteral("note")).toString();
    c.remarks = q.value(QStringLiteral("remarks")).toString();
    return c;
}

DeviceInfoPtr deviceFromRow(const QSqlQuery &q)
{
    DeviceInfoPtr d(new DeviceInfo);
    const QString json = q.value(QStringLiteral("devicejson")).toString();
    if (!json.isEmpty())
        d->setInformationText(json);
    d->setSerialNumber(q.value(QStringLiteral("sn")).toString());
    d->setBranchCode(q.value(QStringLiteral("branchcode")).toString());
    d->setDeviceId(q.value(QStringLiteral("deviceID")).toString());
    d->setModelName(q.value(QStringLiteral("devicename")).toString());
    d->setSoftwareVersion(q.value(QStringLiteral("appversion")).toString());
    d->setBootloaderVersion(q.value(QStringLiteral("btlversion")).toString());
    d->setFileVersion(q.value(QStringLiteral("fileversion")).toString());
    return d;
}

void fillPatient(const QSqlQuery &q, PatientInfo &p)
{
    p.reset();
    p.setName(q.value(QStringLiteral("name")).toString());
    p.setUserId(q.value(QStringLiteral("userid")).toString());
    p.setSex(q.value(QStringLiteral("sex")).toInt());
    p.setBirthdayText(q.value(QStringLiteral("birthday")).toString());
    p.setHeight(q.value(QStringLiteral("height")).toDouble());
    p.setWeight(q.value(QStringLiteral("weight")).toDouble());
    p.setPhysician(q.value(QStringLiteral("physician")).toString());
    p.setRemarks(q.value(QStringLiteral("remarks")).toString());
    p.setUnit(q.value(QStringLiteral("unit")).toInt());
    p.setEmpty(false);
}

void bindPatient(QSqlQuery &q, const PatientInfo &p)
{
    q.bindValue(QStringLiteral(":name"), p.name());
    q.bindValue(QStringLiteral(":userid"), p.userId());
    q.bindValue(QStringLiteral(":sex"), p.sex());
    q.bindValue(QStringLiteral(":birthday"), p.birthdayText());
    q.bindValue(QStringLiteral(":height"), storedMeasure(p.height()));
    q.bindValue(QStringLiteral(":weight"), storedMeasure(p.weight()));
    q.bindValue(QStringLiteral(":physician"), p.physician());
    q.bindValue(QStringLiteral(":remarks"), p.remarks());
    q.bindValue(QStringLiteral(":unit"), p.unit());
}

} // namespace RecordRows
