#pragma once

#include <QDateTime>
#include <QString>
#include <QTemporaryDir>

#include "checkinfo.h"

// A night's summary in a line: start and the plotted values, the rest plain.
struct NightRow
{
    CheckInfo info;

    NightRow(const QString &sn, const QDateTime &start);
    NightRow &avgSpO2(int v) { info.spo2Avg = v; return *this; }
    NightRow &lowestSpO2(int v) { info.spo2Min = v; return *this; }
    NightRow &avgPulse(int v) { info.hrAvg = v; return *this; }
    NightRow &o2Score(int v) { info.o2Score = v; return *this; }
    NightRow &drops4(int v) { info.drops4 = v; return *this; }
    operator CheckInfo() const { return info; }
};

// A fresh record database in a temporary data directory, with one recorder.
class TrendDatabase
{
public:
    TrendDatabase();
    bool isOpen() const { return m_open; }
    bool addRecorder(const QString &sn, const QString &branchCode);
    bool addNight(const CheckInfo &night);

private:
    QTemporaryDir m_dir;
    bool m_open = false;
};
