#include "demogenerator.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "branchcodes.h"
#include "deviceinfo.h"
#include "patientinfo.h"
#include "recorddatabase.h"
#include "recordingstore.h"

namespace {

DeviceInfo deviceOf(const DemoRecorder &r)
{
    DeviceInfo d;
    d.setSerialNumber(r.sn);
    d.setBranchCode(r.branchCode);
    d.setModelName(BranchCodes::modelName(r.branchCode));
    d.setSoftwareVersion(r.softwareVersion);
    d.setBootloaderVersion(r.bootloaderVersion);
    d.setFileVersion(QStringLiteral("3"));
    return d;
}

void describe(const DemoWearer &w, PatientInfo &p)
{
    p.reset();
    p.setName(w.name);
    p.setUserId(w.userId);
    p.setSex(w.sex);
    p.setBirthday(w.birthday);
    p.setHeight(w.height);
    p.setWeight(w.weight);
    p.setPhysician(w.physician);
    p.setUnit(PatientInfo::Metric);
    p.setEmpty(false);
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

DemoFormat formatOfNight(const DemoRecorder &r, int night)
{
    if (night < r.earlyNights || r.laterFormats.isEmpty())
        return r.earlyFormat;
    return r.laterFormats[(night - r.earlyNights) % r.laterFormats.size()];
}

} // namespace

DemoGenerator::DemoGenerator(quint32 seed)
    : m_seed(seed)
{
}

int DemoGenerator::daysUntil(const QDate &end)
{
    // Unshifted, the last night of the default seed starts on 8 February 2026.
    return int(QDate(2026, 2, 9).daysTo(end));
}

QVector<DemoRecorder> DemoGenerator::recorders()
{
    DemoRecorder ring;
    ring.sn = QStringLiteral("OU2201004517");
    ring.branchCode = QStringLiteral("22010100");
    ring.softwareVersion = QStringLiteral("1.4.2");
    ring.bootloaderVersion = QStringLiteral("1.0.3");
    ring.sleeper.spo2Baseline = 95;
    ring.sleeper.pulseBaseline = 58;
    ring.sleeper.eventsPerHour = 11;
    ring.sleeper.deepestDrop = 11;
    ring.nights = 48;
    ring.firstNight = QDate(2025, 10, 14);
    ring.bedHour = 23;
    ring.minHours = 6;
    ring.maxHours = 8;
    ring.earlyFormat = DemoFormat::OldThreeByte;
    ring.wearer = {QStringLiteral("Ingrid Halvorsen"), QStringLiteral("P-10417"), 1, QDate(1961, 4, 12), 167, 78,
                   QStringLiteral("Dr. Ruth Abara"),
                   {QString(), QStringLiteral("Late dinner."), QStringLiteral("A glass of wine in the evening."),
                    QStringLiteral("Slept on her back most of the night."), QStringLiteral("Blocked nose.")}};
    ring.patientEvery = 2;

    DemoRecorder wrist;
    wrist.sn = QStringLiteral("OM2B01007733");
    wrist.branchCode = QStringLiteral("2B010000");
    wrist.softwareVersion = QStringLiteral("2.1.0");
    wrist.bootloaderVersion = QStringLiteral("1.2");
    wrist.sleeper.spo2Baseline = 96;
    wrist.sleeper.pulseBaseline = 66;
    wrist.sleeper.pulseSpread = 8;
    wrist.sleeper.eventsPerHour = 4;
    wrist.sleeper.deepestDrop = 7;
    wrist.sleeper.turnsPerHour = 3;
    wrist.nights = 36;
    wrist.firstNight = QDate(2025, 10, 22);
    wrist.minHours = 6;
    wrist.maxHours = 9;
    // Nine nights from before the firmware update, then the new format.
    wrist.earlyNights = 9;
    wrist.earlyFormat = DemoFormat::OldFiveByte;
    wrist.laterFormats = {DemoFormat::NewWithSummary, DemoFormat::NewWithSummary, DemoFormat::NewPlain};
    wrist.wearer = {QStringLiteral("Tomas Brandt"), QStringLiteral("P-10502"), 0, QDate(1954, 11, 3), 181, 94,
                    QStringLiteral("Dr. Marc Castell"),
                    {QString(), QStringLiteral("Woke up twice."), QStringLiteral("Cold, coughing."),
                     QStringLiteral("New pillow.")}};
    wrist.patientEvery = 3;

    // A pulse-only baby monitor: the SpO2 channel stays empty.
    DemoRecorder baby;
    baby.sn = QStringLiteral("LS2701000298");
    baby.branchCode = QStringLiteral("27010005");
    baby.softwareVersion = QStringLiteral("1.0.7");
    baby.bootloaderVersion = QStringLiteral("1.0");
    baby.sleeper.measuresSpo2 = false;
    baby.sleeper.pulseBaseline = 118;
    baby.sleeper.pulseSpread = 14;
    baby.sleeper.eventsPerHour = 0;
    baby.sleeper.turnsPerHour = 6;
    baby.sleeper.pulseLow = 80;
    baby.sleeper.pulseHigh = 150;
    baby.nights = 28;
    baby.firstNight = QDate(2025, 11, 20);
    baby.interval = 2;
    baby.bedHour = 19;
    baby.minHours = 9;
    baby.maxHours = 11;
    baby.earlyFormat = DemoFormat::NewZeroMarker;
    baby.wearer = {QStringLiteral("Mila Brandt"), QStringLiteral("P-20931"), 1, QDate(2025, 6, 20), 66, 7.4,
                   QStringLiteral("Dr. Sofia Ivanova"),
                   {QString(), QStringLiteral("Teething."), QStringLiteral("Woke for a feed at 2 am."),
                    QStringLiteral("After the vaccination.")}};
    baby.patientEvery = 4;

    return {ring, wrist, baby};
}

bool DemoGenerator::generate(const QString &dataDir)
{
    m_outcomes.clear();
    m_error.clear();
    if (!RecordDatabase::instance().openAt(dataDir)) {
        m_error = QStringLiteral("cannot open the record database in %1").arg(dataDir);
        return false;
    }
    // The nights are written here first and then imported like any file.
    QTemporaryDir staging;
    if (!staging.isValid()) {
        m_error = QStringLiteral("cannot create a temporary directory: %1").arg(staging.errorString());
        return false;
    }
    const QVector<DemoRecorder> list = recorders();
    bool ok = true;
    for (int i = 0; i < list.size(); ++i) {
        m_outcomes.append(generate(list[i], m_seed + 7919u * quint32(i), staging.path()));
        ok = ok && m_outcomes.last().failures.isEmpty();
    }
    return ok;
}

DemoGenerator::RecorderOutcome DemoGenerator::generate(const DemoRecorder &r, quint32 seed, const QString &staging)
{
    RecordDatabase &db = RecordDatabase::instance();
    RecorderOutcome outcome;
    outcome.sn = r.sn;
    outcome.modelName = BranchCodes::modelName(r.branchCode);

    // As a download would have stored it, versions included; the import keeps it.
    if (!db.device(r.sn) && !db.insertOrUpdateDevice(deviceOf(r)))
        outcome.failures << QStringLiteral("device row not written");
    PatientInfo wearer;
    describe(r.wearer, wearer);
    if (!db.saveSearchPatient(wearer))
        outcome.failures << QStringLiteral("patient %1 not written").arg(r.wearer.name);

    const QString dir = staging + QLatin1Char('/') + r.sn;
    QDir().mkpath(dir);
    NightSynthesizer synthesizer(r.sleeper, seed);
    QRandomGenerator &rng = synthesizer.random();
    QDate date = r.firstNight.addDays(m_shiftDays);
    RecordingStore store(db);
    for (int i = 0; i < r.nights; ++i, date = date.addDays(rng.bounded(1, 6))) {
        // UTC only to keep daylight saving out: recorder clocks have none.
        const QDateTime start = QDateTime(date, QTime(r.bedHour, 0), Qt::UTC).addSecs(rng.bounded(-40 * 60, 100 * 60));
        const int seconds = rng.bounded(r.minHours * 3600, r.maxHours * 3600 + 1);
        // Most nights are ordinary; one in six is much worse.
        const double severity = rng.bounded(6) == 0 ? 1.8 + rng.generateDouble() : 0.5 + rng.generateDouble();
        const QVector<OxiPoint> points = synthesizer.night(seconds, r.interval, severity);
        // Drawn for every night, stored or not, so a second run meets the same nights.
        const QString remark = r.wearer.remarks.value(int(rng.bounded(qMax(1, r.wearer.remarks.size()))));

        const QString checkTime = start.toString(QStringLiteral("yyyyMMddhhmmss"));
        const QString path = dir + QLatin1Char('/') + checkTime;
        if (!writeFile(path, DemoRecording::encode(points, formatOfNight(r, i), start, r.interval))) {
            outcome.failures << checkTime + QStringLiteral(": cannot write ") + path;
            continue;
        }
        const RecordingStore::StoreResult result = store.importFile(r.sn, r.branchCode, path);
        QFile::remove(path);
        if (RecordingStore::isDeliberateSkip(result)) {
            ++outcome.skipped;
            continue;
        }
        if (!RecordingStore::isStored(result)) {
            outcome.failures << checkTime + QStringLiteral(": ") + RecordingStore::text(result);
            continue;
        }
        ++outcome.stored;
        if (r.patientEvery > 0 && i % r.patientEvery == 0) {
            PatientInfo patient;
            patient.copyFrom(wearer);
            patient.setRemarks(remark);
            if (!db.savePatientOfRecord(r.sn + checkTime, patient))
                outcome.failures << checkTime + QStringLiteral(": patient details not written");
        }
    }
    return outcome;
}
