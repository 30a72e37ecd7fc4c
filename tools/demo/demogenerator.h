#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>

#include "demorecording.h"
#include "nightsynthesizer.h"

// Whose nights they are, as the patient details show it.
struct DemoWearer
{
    QString name;
    QString userId;
    int sex = 0;             // 0 male, 1 female
    QDate birthday;
    double height = -1;      // cm
    double weight = -1;      // kg
    QString physician;
    QStringList remarks;     // drawn for the nights that get details
};

// One demo recorder, its wearer and the formats its nights come in.
struct DemoRecorder
{
    QString sn;
    QString branchCode;
    QString softwareVersion;
    QString bootloaderVersion;
    SleeperProfile sleeper;
    int nights = 30;
    QDate firstNight;
    int interval = 4;                 // seconds per sample
    int bedHour = 22;                 // usual start of the recording
    int minHours = 6, maxHours = 9;   // night length
    // The first earlyNights come in earlyFormat (the firmware before an
    // update), the rest cycle through laterFormats.
    int earlyNights = 0;
    DemoFormat earlyFormat = DemoFormat::NewPlain;
    QVector<DemoFormat> laterFormats;
    DemoWearer wearer;
    // Patient details on every patientEvery-th night; 0: none.
    int patientEvery = 0;
};

// Writes a demo data directory: three recorders of different families with
// a few months of synthetic nights each, imported the way a user would, and
// patient details for some nights. The same seed gives the same directory;
// running it again on that directory stores nothing twice.
class DemoGenerator
{
public:
    struct RecorderOutcome
    {
        QString sn;
        QString modelName;
        int stored = 0;
        int skipped = 0;     // already stored or deleted before
        QStringList failures;
    };

    explicit DemoGenerator(quint32 seed = 20260314);

    // The nights normally fall in the autumn and winter of 2025; moving them
    // by whole days lets a demo end near a chosen date (for example today),
    // so the week and month trends have something to show.
    void shiftDays(int days) { m_shiftDays = days; }
    // The shift after which the demo's last night is the one before the given date.
    static int daysUntil(const QDate &end);

    static QVector<DemoRecorder> recorders();

    // Opens the record database in dataDir (which it leaves open) and fills
    // it. False when the database cannot be opened or a night failed.
    bool generate(const QString &dataDir);
    QVector<RecorderOutcome> outcomes() const { return m_outcomes; }
    QString error() const { return m_error; }

private:
    RecorderOutcome generate(const DemoRecorder &recorder, quint32 seed, const QString &staging);

    quint32 m_seed;
    int m_shiftDays = 0;
    QVector<RecorderOutcome> m_outcomes;
    QString m_error;
};
