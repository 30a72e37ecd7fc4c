#include "reportinput.h"

#include "appconfig.h"
#include "oxidatacontroller.h"
#include "patientcontroller.h"
#include "recorddatabase.h"

ReportInput ReportInput::fromOpenRecording(QSharedPointer<const OxiDataController> recording,
                                           const PatientController *patient)
{
    ReportInput in;
    in.recording = recording;
    AppConfig &config = AppConfig::instance();
    in.defaultPatient = &config.defaultPatient();
    in.spo2YRange = config.spo2YRange();
    in.prYRange = config.prYRange();
    in.language = config.language();
    if (patient) {
        in.patient = patient->patient();
        in.sn = patient->sn();
        in.checkTime = patient->checkTime();
    }
    if (const DeviceInfoPtr device = RecordDatabase::instance().device(in.sn))
        in.branchCode = device->branchCode();
    return in;
}

const PatientInfo *ReportInput::shownPatient() const
{
    if (patient && !patient->isEmpty())
        return patient;
    if (defaultPatient && !defaultPatient->isEmpty())
        return defaultPatient;
    return nullptr;
}

bool ReportInput::showsOwnPatient() const
{
    return patient && shownPatient() == patient;
}

QString ReportInput::dateFormat() const
{
    return AppConfig::dateFormatFor(language);
}

QLocale ReportInput::dateLocale() const
{
    return QLocale(AppConfig::dateLocaleLanguageFor(language));
}

int ReportInput::duration() const
{
    return recording ? recording->duration : 0;
}
