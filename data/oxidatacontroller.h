#pragma once

#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QTime>
#include <QVector>

#include "checkinfo.h"
#include "oxipoint.h"

// One parsed recording: its samples and its summary. Filled once by
// parseFile() on one thread, then only read; readers use the fields directly.
class OxiDataController : public QObject
{
    Q_OBJECT

public:
    enum FileType { NotParsed = 0, OldFormat = 1, NewWithSummary = 2, NewFormat = 3 };

    // Anything larger is not a recording; refusing it keeps a stray file
    // from eating the memory of the whole machine.
    static constexpr qint64 maxFileSize = 64 * 1024 * 1024;

    explicit OxiDataController(QObject *parent = nullptr);
    // Parses at once; the caller judges success by fileType or points.
    OxiDataController(const QString &path, const QString &branchCode, QObject *parent = nullptr);

    bool parseFile(const QString &path, const QString &branchCode);
    // The same decoding over bytes already in memory; source names the data in log entries.
    bool parseBytes(const QByteArray &bytes, const QString &branchCode, const QString &source);

    CheckInfo toCheckInfo(const QString &sn, const QString &checkTime) const;

    int fileType = NotParsed;
    QVector<OxiPoint> points;
    int duration = 0;          // seconds
    int validSpo2Time = 0;     // seconds
    int validPulseTime = 0;    // seconds
    float samplingRate = 0;    // points per second
    QDate startDate;
    QTime startTime;
    QDateTime startDateTime;
    int spo2Avg = 0;
    int pulseAvg = 0;
    int spo2Max = 0;
    int pulseMax = 0;
    int spo2Min = 0;
    int pulseMin = 0;
    // Shares 0..1 of the valid samples: >=95, 90-94, 85-89, 80-84, 75-79, 70-74, <70.
    double spo2Bands7[7] = {};
    // >=95, 90-94, <90.
    double spo2Bands3[3] = {};
    // >120, 50-120, <50.
    double pulseBands3[3] = {};
    int drops3 = 0;
    int drops4 = 0;
    int few90Duration = 0;     // seconds below 90 %
    int o2Score = 0;           // tenths; 255 = none
    QString branchCode;

private:
    void reset(const QString &branchCode);
    bool parseOld(const QByteArray &bytes, const QString &source);
    bool parseNew(const QByteArray &bytes, const QString &source);
    void computeOldStatistics();
};
