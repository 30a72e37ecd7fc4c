#include "recordrows.h"

#include <QLocale>
#include <QSqlQuery>
#include <QSqlRecord>
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

// Fixed-width digits; -1 when any character is not one.
static int digitsAt(const QString &text, int at, int count)
{
    int number = 0;
    for (int i = at; i < at + count; ++i) {
        const int digit = text.at(i).digitValue();
        if (digit < 0 || digit > 9)
            return -1;
        number = number * 10 + digit;
    }
    return number;
}

QDateTime startFromText(const QVariant &value)
{
    if (value.isNull())
        return {};
    // Read by hand: the all-records walk reads thousands of these, and the
    // general format parser costs tens of microseconds each.
    const QString text = value.toString();
    if (text.size() >= 19 && text.at(4) == QLatin1Char('-') && text.at(7) == QLatin1Char('-')
        && text.at(10) == QLatin1Char(' ') && text.at(13) == QLatin1Char(':') && text.at(16) == QLatin1Char(':')) {
        const QDate date(digitsAt(text, 0, 4), digitsAt(text, 5, 2), digitsAt(text, 8, 2));
        const QTime time(digitsAt(text, 11, 2), digitsAt(text, 14, 2), digitsAt(text, 17, 2));
        if (date.isValid() && time.isValid())
            return QDateTime(date, time);
    }
    return QDateTime::fromString(text.left(19), startFormat);
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

CheckColumns::CheckColumns(const QSqlRecord &r)
    : flowid(r.indexOf(QStringLiteral("flowid")))
    , checktime(r.indexOf(QStringLiteral("checktime")))
    , sn(r.indexOf(QStringLiteral("sn")))
    , resourceID(r.indexOf(QStringLiteral("resourceID")))
    , deviceID(r.indexOf(QStringLiteral("deviceID")))
    , duration(r.indexOf(QStringLiteral("duration")))
    , startDateTime(r.indexOf(QStringLiteral("startDateTime")))
    , secPerPoint(r.indexOf(QStringLiteral("SecPerPoint")))
    , spo2Max(r.indexOf(QStringLiteral("o2_high")))
    , spo2Avg(r.indexOf(QStringLiteral("o2_avg")))
    , spo2Min(r.indexOf(QStringLiteral("o2_min")))
    , hrMax(r.indexOf(QStringLiteral("hr_max")))
    , hrAvg(r.indexOf(QStringLiteral("hr_avg")))
    , hrMin(r.indexOf(QStringLiteral("hr_min")))
    , o2Score(r.indexOf(QStringLiteral("o2score")))
    , few90Duration(r.indexOf(QStringLiteral("few90_duration")))
    , drops3(r.indexOf(QStringLiteral("drops_3")))
    , drops4(r.indexOf(QStringLiteral("drops_4")))
    , note(r.indexOf(QStringLiteral("note")))
    , remarks(r.indexOf(QStringLiteral("remarks")))
{
}

CheckInfo checkFromRow(const QSqlQuery &q, const CheckColumns &col, bool withCloudIds)
{
    CheckInfo c;
    c.flowid = q.value(col.flowid).toString();
    c.checktime = q.value(col.checktime).toString();
    c.sn = q.value(col.sn).toString();
    if (withCloudIds) {
        c.resourceID = q.value(col.resourceID).toString();
        c.deviceID = q.value(col.deviceID).toString();
    }
    c.duration = q.value(col.duration).toInt();
    c.startDateTime = startFromText(q.value(col.startDateTime));
    c.secPerPoint = q.value(col.secPerPoint).toFloat();
    c.spo2Max = q.value(col.spo2Max).toInt();
    c.spo2Avg = q.value(col.spo2Avg).toInt();
    c.spo2Min = q.value(col.spo2Min).toInt();
    c.hrMax = q.value(col.hrMax).toInt();
    c.hrAvg = q.value(col.hrAvg).toInt();
    c.hrMin = q.value(col.hrMin).toInt();
    c.o2Score = q.value(col.o2Score).toInt();
    c.few90Duration = q.value(col.few90Duration).toInt();
    c.drops3 = q.value(col.drops3).toInt();
    c.drops4 = q.value(col.drops4).toInt();
    c.note = q.value(col.note).toString();
    c.remarks = q.value(col.remarks).toString();
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
