#include "mysingleton.h"

#include "appconfig.h"
#include "buildconfig.h"
#include "datadirectory.h"
#include "oxidatacontroller.h"
#include "patientcontroller.h"
#include "synchelper.h"

MySingleton &MySingleton::instance()
{
    static MySingleton holder;
    return holder;
}

MySingleton::MySingleton()
    : m_patient(new PatientController)
{
}

bool MySingleton::openRecording(const QString &sn, const QString &checkTime, const QString &branchCode)
{
    m_recording.reset();
    m_patient->load(sn, checkTime);
    const auto path = DataDirectory(AppConfig::instance().dataDir()).recordPath(sn, checkTime);
    if (!path)
        return false;
    QSharedPointer<OxiDataController> night(new OxiDataController);
    if (!night->parseFile(*path, branchCode))
        return false;
    m_recording = night;
    return true;
}

void MySingleton::closeRecording()
{
    m_recording.reset();
}

SyncHelper &MySingleton::syncHelper()
{
    if (!m_sync)
        m_sync = new SyncHelper(QStringLiteral(NOCTURNIX_CLOUD_API_URL));
    return *m_sync;
}

void MySingleton::shutdownSync()
{
    if (!m_sync)
        return;
    m_sync->shutdown();
    delete m_sync;
    m_sync = nullptr;
}
