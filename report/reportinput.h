#pragma once

#include <QLocale>
#include <QSharedPointer>
#include <QString>

class OxiDataController;
class PatientController;
class PatientInfo;

// Everything one report output reads: the parsed recording, its patient,
// the recorder's branch code and the display settings. The window fills it
// from the open recording and the configuration; the command-line tool and
// the tests fill it themselves. Patients are read at painting time, so an
// edited patient shows on the next repaint.
struct ReportInput
{
    QSharedPointer<const OxiDataController> recording;
    const PatientInfo *patient = nullptr;         // the recording's own details
    const PatientInfo *defaultPatient = nullptr;  // used while the own ones are empty
    QString sn;
    QString checkTime;       // "yyyyMMddhhmmss", also the recording's file name
    QString branchCode;      // of the recorder that made the recording
    int spo2YRange = 4;
    int prYRange = 2;
    int language = 0;        // AppConfig::Language

    // The open recording as the main window has it: branch code from the
    // recorder's database row (empty without one), settings and default
    // patient from the configuration.
    static ReportInput fromOpenRecording(QSharedPointer<const OxiDataController> recording,
                                         const PatientController *patient);

    bool isValid() const { return !recording.isNull(); }
    // The recording's own patient unless marked empty, else the default
    // patient unless empty too, else none.
    const PatientInfo *shownPatient() const;
    bool showsOwnPatient() const;
    QString dateFormat() const;
    QLocale dateLocale() const;
    int duration() const;
};
