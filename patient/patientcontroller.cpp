#include "patientcontroller.h"

#include "recorddatabase.h"

PatientController::PatientController(QObject *parent)
    : QObject(parent)
{
}

void PatientController::load(const QString &sn, const QString &checkTime)
{
    m_sn = sn;
    m_checkTime = checkTime;
    m_patient.reset();
    RecordDatabase::instance().patientOfRecord(flowid(), m_patient);
}

bool PatientController::save()
{
    if (m_patient.isEmpty())
        return false;
    RecordDatabase &db = RecordDatabase::instance();
    const bool saved = db.savePatientOfRecord(flowid(), m_patient);
    return db.saveSearchPatient(m_patient) && saved;
}
