#include "trendfixture.h"

#include "deviceinfo.h"
#include "recorddatabase.h"

NightRow::NightRow(const QString &sn, const QDateTime &start)
{
    info.sn = sn;
    info.checktime = start.toString(QStringLiteral("yyyyMMddhhmmss"));
    info.flowid = sn + info.checktime;
    info.startDateTime = start;
    info.duration = 7 * 3600;
    info.secPerPoint = 0.25f;
    info.spo2Max = 99;
    info.spo2Avg = 95;
    info.spo2Min = 88;
    info.hrMax = 90;
    info.hrAvg = 62;
    info.hrMin = 48;
    info.o2Score = 85;
    info.drops3 = 6;
    info.drops4 = 3;
}

TrendDatabase::TrendDatabase()
{
    m_open = m_dir.isValid() && RecordDatabase::instance().openAt(m_dir.path());
}

bool TrendDatabase::addRecorder(const QString &sn, const QString &branchCode)
{
    DeviceInfo d;
    d.setSerialNumber(sn);
    d.setBranchCode(branchCode);
    d.setModelName(QStringLiteral("Test recorder"));
    return RecordDatabase::instance().insertOrUpdateDevice(d);
}

bool TrendDatabase::addNight(const CheckInfo &night)
{
    return RecordDatabase::instance().insertRecord(night);
}
