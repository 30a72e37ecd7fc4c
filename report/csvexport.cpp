#include "csvexport.h"

#include <QLocale>
#include <QSaveFile>
#include <QTextStream>

#include <cmath>

#include "branchcodes.h"
#include "oxidatacontroller.h"

CsvExport::CsvExport(const OxiDataController &night, const QString &branchCode)
    : m_night(night)
    , m_branchCode(branchCode)
    , m_pulseOnly(BranchCodes::isPulseOnly(branchCode))
{
}

QString CsvExport::headerLine(const QString &branchCode)
{
    if (BranchCodes::isPulseOnly(branchCode))
        return QStringLiteral("Time,Pulse Rate(bpm),Motion,PR Reminder,\n");
    if (BranchCodes::saysOxygenLevel(branchCode))
        return QStringLiteral("Time,Oxygen Level(%),Pulse Rate(bpm),Motion,Oxygen Level Reminder,PR Reminder,\n");
    return QStringLiteral("Time,SpO2(%),Pulse Rate(bpm),Motion,SpO2 Reminder,PR Reminder,\n");
}

QString CsvExport::sampleLine(int index) const
{
    static const QLocale english(QLocale::English);
    const OxiPoint &p = m_night.points.at(index);
    // Each time from the sample's own offset: a step rounded once to whole
    // milliseconds would let the times drift by seconds over a night.
    const qint64 offset = std::llround(index * 1000.0 / double(m_night.samplingRate));
    const QDateTime start(m_night.startDate, m_night.startTime, Qt::LocalTime);
    QString line = english.toString(start.addMSecs(offset), QStringLiteral("\"hh:mm:ssAP MMM d, yyyy\","));
    const int spo2Reminder = p.isSpo2ReminderOn() ? 1 : 0;
    const int pulseReminder = p.isPulseReminderOn() ? 1 : 0;
    if (m_pulseOnly)
        return line + QStringLiteral("%1,%2,%3,\n").arg(p.pulse).arg(p.motion).arg(pulseReminder);
    return line + QStringLiteral("%1,%2,%3,%4,%5,\n").arg(p.spo2).arg(p.pulse).arg(p.motion).arg(spo2Reminder).arg(pulseReminder);
}

bool CsvExport::write(QIODevice *device) const
{
    if (!device || !(m_night.samplingRate > 0))
        return false;
    QTextStream out(device);
    out.setCodec("UTF-8");
    out << headerLine(m_branchCode);
    for (int i = 0; i < m_night.points.size(); ++i)
        out << sampleLine(i);
    out.flush();
    return out.status() == QTextStream::Ok;
}

bool CsvExport::writeTo(const QString &path, QString *error) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (!write(&file)) {
        if (error)
            *error = file.error() != QFileDevice::NoError ? file.errorString()
                                                           : QStringLiteral("the recording has no usable sampling rate");
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}
