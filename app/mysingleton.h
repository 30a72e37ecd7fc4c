#pragma once

#include <QSharedPointer>
#include <QString>

class OxiDataController;
class PatientController;
class SyncHelper;

// The recording open in the main window and its patient, shared by the
// report, its outputs and the patient dialog. GUI thread only.
class MySingleton
{
public:
    static MySingleton &instance();

    // Loads the patient details and parses the file; false when the file
    // cannot be read (the previous recording is then gone too).
    bool openRecording(const QString &sn, const QString &checkTime, const QString &branchCode);
    void closeRecording();

    QSharedPointer<const OxiDataController> recording() const { return m_recording; }
    PatientController *patientController() const { return m_patient.data(); }

    // The cloud client, created on first use on the GUI thread; its own thread
    // starts at once. shutdownSync() ends it while the application still runs.
    SyncHelper &syncHelper();
    void shutdownSync();

private:
    MySingleton();

    QSharedPointer<const OxiDataController> m_recording;
    QSharedPointer<PatientController> m_patient;
    SyncHelper *m_sync = nullptr;
};
