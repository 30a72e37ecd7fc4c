#pragma once

#include <QDateTime>
#include <QMetaType>
#include <QString>

// The summary of one recording: one row of the record table.
struct CheckInfo
{
    QString flowid;      // sn followed directly by checktime
    QString deviceID;    // cloud identifiers, empty until synchronised
    QString resourceID;
    QString checktime;   // start as "yyyyMMddhhmmss", also the file name
    QString sn;
    QString branchCode;  // not stored with the record; comes from the device row
    int duration = 0;    // seconds
    QDateTime startDateTime;
    float secPerPoint = 0; // despite the column name: points per second
    int spo2Max = 0;
    int spo2Avg = 0;
    int spo2Min = 0;
    int hrMax = 0;
    int hrAvg = 0;
    int hrMin = 0;
    int o2Score = 0;     // tenths; 255 = none
    int few90Duration = 0; // seconds below 90 %
    int drops3 = 0;
    int drops4 = 0;
    QString note;
    QString remarks;
};

Q_DECLARE_METATYPE(CheckInfo)
