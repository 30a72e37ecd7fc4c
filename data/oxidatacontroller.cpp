#include "oxidatacontroller.h"

#include <QFile>
#include <QLoggingCategory>

#include <climits>
#include <cstring>

#include "dropanalysis.h"
#include "loghelper.h"
#include "recordingformat.h"

Q_LOGGING_CATEGORY(lcData, "nocturnix.data")

namespace {

using namespace RecordingFormat;

void appLog(const QString &message)
{
    LogHelper::instance()->write(message);
}

// Band index of an SpO2 value in the seven-band set.
int spo2Band7(int spo2)
{
    if (spo2 >= 95) return 0;
    if (spo2 >= 90) return 1;
    if (spo2 >= 85) return 2;
    if (spo2 >= 80) return 3;
    if (spo2 >= 75) return 4;
    if (spo2 >= 70) return 5;
    return 6;
}

int spo2Band3(int spo2)
{
    if (spo2 >= 95) return 0;
    if (spo2 >= 90) return 1;
    return 2;
}

int pulseBand3(int pulse)
{
    if (pulse > 120) return 0;
    if (pulse >= 50) return 1;
    return 2;
}

float oldSamplingRate(int version, const QString &branchCode)
{
    if (isOneSecondOldFormat(branchCode))
        return 1.0f;
    switch (version) {
    case 2: return 0.5f;
    case 5: return 0.5f;
    case 6: return 1.0f;
    default: return 0.25f;
    }
}

OxiPoint pointFromGroup(quint8 spo2, quint8 pulse, quint8 motionAndFlags, quint8 marker)
{
    OxiPoint point;
    point.spo2 = spo2 == marker ? OxiPoint::noSpo2 : spo2;
    point.pulse = pulse == marker ? OxiPoint::noPulse : pulse;
    point.motion = motionAndFlags & 0x3F;
    point.flags = motionAndFlags & 0xC0;
    return point;
}

// What the counts of one raw byte value say about a channel.
struct ValueSummary
{
    int valid = 0;
    qint64 sum = 0;
    int min = INT_MAX;  // starting values stay when nothing is valid
    int max = -1;
    int bands7[7] = {};
    int bands3[3] = {};
    int pulseBands[3] = {};
};

struct ValueHistogram
{
    int counts[256] = {};

    ValueSummary summarise(quint8 marker) const
    {
        ValueSummary s;
        for (int v = 0; v < 256; ++v) {
            const int n = counts[v];
            if (n == 0 || v == marker)
                continue;
            s.valid += n;
            s.sum += qint64(v) * n;
            s.min = qMin(s.min, v);
            s.max = v;
            s.bands7[spo2Band7(v)] += n;
            s.bands3[spo2Band3(v)] += n;
            s.pulseBands[pulseBand3(v)] += n;
        }
        return s;
    }
};

template<int BytesPerSample>
void decodeSamples(const quint8 *in, int count, quint8 marker, OxiPoint *out,
                   ValueHistogram &spo2Counts, ValueHistogram &pulseCounts)
{
    for (int i = 0; i < count; ++i, in += BytesPerSample) {
        const quint8 s = in[0];
        const quint8 p = in[1];
        ++spo2Counts.counts[s];
        ++pulseCounts.counts[p];
        OxiPoint &point = out[i];
        point.spo2 = s == marker ? OxiPoint::noSpo2 : s;
        point.pulse = p == marker ? OxiPoint::noPulse : p;
        const quint8 m = BytesPerSample == 3 ? in[2] : 0;
        point.motion = m & 0x3F;
        point.flags = m & 0xC0;
    }
}

} // namespace

OxiDataController::OxiDataController(QObject *parent)
    : QObject(parent)
{
}

OxiDataController::OxiDataController(const QString &path, const QString &branchCode, QObject *parent)
    : QObject(parent)
{
    parseFile(path, branchCode);
}

void OxiDataController::reset(const QString &code)
{
    fileType = NotParsed;
    points.clear();
    duration = validSpo2Time = validPulseTime = 0;
    samplingRate = 0;
    startDate = QDate();
    startTime = QTime();
    startDateTime = QDateTime();
    spo2Avg = pulseAvg = spo2Max = pulseMax = spo2Min = pulseMin = 0;
    std::fill(std::begin(spo2Bands7), std::end(spo2Bands7), 0.0);
    std::fill(std::begin(spo2Bands3), std::end(spo2Bands3), 0.0);
    std::fill(std::begin(pulseBands3), std::end(pulseBands3), 0.0);
    drops3 = drops4 = few90Duration = o2Score = 0;
    branchCode = code;
}

bool OxiDataController::parseFile(const QString &path, const QString &code)
{
    reset(code);
    if (path.isEmpty())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qCDebug(lcData) << "cannot open" << path << file.errorString();
        return false;
    }
    const qint64 size = file.size();
    if (size > maxFileSize) {
        appLog(QStringLiteral("(%1)(%2) file too large, %3").arg(path, code).arg(size));
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.size() != size) {
        qCDebug(lcData) << "short read" << path << bytes.size() << "of" << size;
        return false;
    }
    return parseBytes(bytes, code, path);
}

bool OxiDataController::parseBytes(const QByteArray &bytes, const QString &code, const QString &source)
{
    reset(code);
    const bool isNew = bytes.size() >= minNewFileSize
        && readU32(bytes, bytes.size() - trailerSize + trailerMagic) == magic;
    qCDebug(lcData) << "found file type:" << (isNew ? "new" : "old(or unkonwn)");
    return isNew ? parseNew(bytes, source) : parseOld(bytes, source);
}

bool OxiDataController::parseOld(const QByteArray &bytes, const QString &source)
{
    fileType = OldFormat;
    // A file that cannot hold even the header is not a recording.
    if (bytes.size() < oldHeaderSize) {
        appLog(QStringLiteral("(%1)(%2) file too short, %3").arg(source, branchCode).arg(bytes.size()));
        return false;
    }
    const auto *h = reinterpret_cast<const quint8 *>(bytes.constData());

    if (quint32(bytes.size()) != readU32(bytes, oldFileSize)) {
        qCDebug(lcData) << "parse file, not same file size";
        appLog(QStringLiteral("parse file, not same file size"));
    }

    samplingRate = oldSamplingRate(h[oldVersion], branchCode);
    startDate = QDate(readU16(bytes, oldYear), h[oldMonth], h[oldDay]);
    startTime = QTime(h[oldHour], h[oldMinute], h[oldSecond]);
    startDateTime = QDateTime(startDate, startTime);

    spo2Avg = h[oldSpo2Avg] == 0xFF ? 0 : h[oldSpo2Avg];
    spo2Min = h[oldSpo2Min] == 0xFF ? 0 : h[oldSpo2Min];
    drops3 = h[oldDrops3];
    drops4 = h[oldDrops4];
    few90Duration = readU16(bytes, oldFew90);
    o2Score = h[oldO2Score];

    const bool isThreeByte = isThreeByteOldFormat(branchCode);
    duration = readU16(bytes, oldDuration);
    if (!isThreeByte)
        duration = qMin(duration, maxOldDuration);
    const int expected = int(duration * samplingRate);

    const char *data = bytes.constData() + oldHeaderSize;
    const int dataLength = bytes.size() - oldHeaderSize;
    if (isThreeByte) {
        // These recorders may hold more samples than the u16 duration can
        // promise; every group is kept.
        const int groups = dataLength / 3;
        points.reserve(groups);
        for (int i = 0; i < groups; ++i) {
            const auto *g = reinterpret_cast<const quint8 *>(data + 3 * i);
            points.append(pointFromGroup(g[0], g[1], g[2], 0xFF));
        }
    } else {
        const int count = qMin(expected, dataLength / int(sizeof(OxiPoint)));
        points.resize(count);
        std::memcpy(points.data(), data, size_t(count) * sizeof(OxiPoint));
    }
    computeOldStatistics();
    return true;
}

void OxiDataController::computeOldStatistics()
{
    qint64 pulseSum = 0;
    int pulseValid = 0;
    int spo2Valid = 0;
    int bands7[7] = {}, bands3[3] = {}, prBands[3] = {};
    int maxSpo2 = -1, maxPulse = -1, minPulse = INT_MAX;

    for (const OxiPoint &p : qAsConst(points)) {
        if (p.pulse <= 300) {
            pulseSum += p.pulse;
            ++pulseValid;
            ++prBands[pulseBand3(p.pulse)];
        }
        if (p.hasPulse()) {
            maxPulse = qMax(maxPulse, int(p.pulse));
            minPulse = qMin(minPulse, int(p.pulse));
        }
        if (p.hasSpo2())
            maxSpo2 = qMax(maxSpo2, int(p.spo2));
        if (p.spo2 <= 100) {
            ++spo2Valid;
            ++bands7[spo2Band7(p.spo2)];
            ++bands3[spo2Band3(p.spo2)];
        }
    }

    // Averaged over the points actually decoded, so that extra samples of
    // three-byte recorders cannot inflate it or make the divisor negative.
    pulseAvg = pulseValid > 0 ? int(pulseSum / pulseValid) : 0;
    spo2Max = maxSpo2 < 0 ? 0 : maxSpo2;
    pulseMax = maxPulse < 0 ? 0 : maxPulse;
    pulseMin = minPulse == INT_MAX ? 0 : minPulse;

    const double secondsPerPoint = 1.0 / double(samplingRate);
    if (spo2Valid > 0) {
        for (int i = 0; i < 7; ++i)
            spo2Bands7[i] = double(bands7[i]) / spo2Valid;
        for (int i = 0; i < 3; ++i)
            spo2Bands3[i] = double(bands3[i]) / spo2Valid;
        validSpo2Time = int(secondsPerPoint * spo2Valid);
    }
    if (pulseValid > 0) {
        for (int i = 0; i < 3; ++i)
            pulseBands3[i] = double(prBands[i]) / pulseValid;
        validPulseTime = int(secondsPerPoint * pulseValid);
    }
}

bool OxiDataController::parseNew(const QByteArray &bytes, const QString &source)
{
    const auto *file = reinterpret_cast<const quint8 *>(bytes.constData());
    if (file[0] != 1 || file[1] != 3) {
        appLog(QStringLiteral("(%1)(%2) file type err, %3, %4").arg(source, branchCode).arg(file[0]).arg(file[1]));
        return false;
    }
    const int kind = readU16(bytes, newFileKind);
    fileType = kind == kindWithSummary ? NewWithSummary : NewFormat;
    const quint8 marker = kind == kindZeroMarker ? 0 : 0xFF;

    const int trailerAt = bytes.size() - trailerSize;
    const quint8 *trailer = file + trailerAt;
    quint32 sum = 0;
    for (int i = 0; i < trailerAt; ++i)
        sum += file[i];
    const quint32 stored = readU32(bytes, trailerAt + trailerChecksum);
    if (sum != stored) {
        appLog(QStringLiteral("(%1)(%2) file verify err, %3, %4").arg(source, branchCode).arg(sum).arg(stored));
        return false;
    }

    const int interval = trailer[trailerInterval];
    if (interval == 0) {
        // Rate and drop analysis would divide by it.
        appLog(QStringLiteral("(%1)(%2) sampling interval err, %3").arg(source, branchCode).arg(interval));
        return false;
    }
    samplingRate = 1.0f / float(interval);
    const QDateTime wallClock = QDateTime::fromSecsSinceEpoch(readU32(bytes, trailerAt + trailerStart), Qt::UTC);
    startDate = wallClock.date();
    startTime = wallClock.time();
    startDateTime = QDateTime(startDate, startTime);
    const qint64 declared = readU32(bytes, trailerAt + trailerPointCount);
    duration = int(qMin<qint64>(declared * interval, INT_MAX));

    if (kind == kindWithSummary) {
        spo2Avg = trailer[trailerSpo2Avg] == 0xFF ? 0 : trailer[trailerSpo2Avg];
        spo2Min = trailer[trailerSpo2Min] == 0xFF ? 0 : trailer[trailerSpo2Min];
        pulseAvg = trailer[trailerPulseAvg];
        drops3 = trailer[trailerDrops3];
        drops4 = trailer[trailerDrops4];
        few90Duration = readU16(bytes, trailerAt + trailerFew90);
        o2Score = trailer[trailerO2Score];
    } else {
        o2Score = 255;
    }

    int bytesPerSample = 0;
    switch (trailer[trailerLayout]) {
    case 0: bytesPerSample = 2; break;
    case 1: bytesPerSample = 3; break;
    default:
        appLog(QStringLiteral("(%1)(%2) unknown ch type: %3").arg(source, branchCode).arg(trailer[trailerLayout]));
        return false;
    }

    const int dataLength = bytes.size() - minNewFileSize;
    const int count = dataLength / bytesPerSample;
    if (dataLength % bytesPerSample != 0)
        qCDebug(lcData) << "oxi pt size err";

    // One pass writes the points and counts each raw value; every statistic
    // then comes from the 256 counts instead of from the samples.
    ValueHistogram spo2Counts, pulseCounts;
    points.resize(count);
    const quint8 *in = file + newHeaderSize;
    if (bytesPerSample == 3)
        decodeSamples<3>(in, count, marker, points.data(), spo2Counts, pulseCounts);
    else
        decodeSamples<2>(in, count, marker, points.data(), spo2Counts, pulseCounts);

    const ValueSummary spo2 = spo2Counts.summarise(marker);
    const ValueSummary pulse = pulseCounts.summarise(marker);
    if (count > 0) {
        spo2Max = spo2.max;
        pulseMax = pulse.max;
        pulseMin = pulse.min;
    }
    validSpo2Time = spo2.valid * interval;
    validPulseTime = pulse.valid * interval;

    if (kind != kindWithSummary) {
        if (spo2.valid > 0) {
            spo2Min = spo2.min;
            spo2Avg = int(spo2.sum / spo2.valid);
        }
        if (pulse.valid > 0)
            pulseAvg = int(pulse.sum / pulse.valid);
        if (count > 0) {
            const DropAnalysis::Counts drops = DropAnalysis::countDrops(points, interval);
            drops3 = drops.drops3;
            drops4 = drops.drops4;
        }
    }

    if (spo2.valid > 0) {
        for (int i = 0; i < 7; ++i)
            spo2Bands7[i] = double(spo2.bands7[i]) / spo2.valid;
        for (int i = 0; i < 3; ++i)
            spo2Bands3[i] = double(spo2.bands3[i]) / spo2.valid;
    }
    if (pulse.valid > 0) {
        for (int i = 0; i < 3; ++i)
            pulseBands3[i] = double(pulse.pulseBands[i]) / pulse.valid;
    }
    return true;
}

CheckInfo OxiDataController::toCheckInfo(const QString &sn, const QString &checkTime) const
{
    CheckInfo info;
    info.flowid = sn + checkTime;
    info.checktime = checkTime;
    info.sn = sn;
    info.branchCode = branchCode;
    info.duration = duration;
    info.startDateTime = startDateTime;
    info.secPerPoint = samplingRate;
    info.spo2Max = spo2Max;
    info.spo2Avg = spo2Avg;
    info.spo2Min = spo2Min;
    info.hrMax = pulseMax;
    info.hrAvg = pulseAvg;
    info.hrMin = pulseMin;
    info.o2Score = o2Score;
    info.few90Duration = few90Duration;
    info.drops3 = drops3;
    info.drops4 = drops4;
    return info;
}
