#pragma once

#include <QObject>

#include "patientinfo.h"

// The patient of the recording open in the main window, loaded from and
// saved to the record database.
class PatientController : public QObject
{
    Q_OBJECT

public:
    explicit PatientController(QObject *parent = nullptr);

    PatientInfo *patient() { return &m_patient; }
    const PatientInfo *patient() const { return &m_patient; }
    QString sn() const { return m_sn; }
    QString checkTime() const { return m_checkTime; }
    QString flowid() const { return m_sn + m_checkTime; }

    // A recording without a patient row leaves every field at its initial value.
    void load(const QString &sn, const QString &checkTime);
    // An empty patient is not written.
    bool save();

private:
    QString m_sn;
    QString m_checkTime;
    PatientInfo m_patient;
};
