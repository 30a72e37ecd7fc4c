#pragma once

// Builds recording files of both formats from sample lists: each test shows
// its case in a line or two, and the demo generator writes its nights with it.

#include <QByteArray>
#include <QDateTime>
#include <QVector>
#include <QtEndian>

struct RawSample
{
    int spo2;
    int pulse;
    int motionAndFlags = 0;
};

class RecordingWriter
{
public:
    enum Format { New, Old };

    static RecordingWriter newFormat() { return RecordingWriter(New); }
    static RecordingWriter oldFormat() { return RecordingWriter(Old); }

    // Samples as the recorder writes them: raw bytes for the new and the old
    // three-byte layout; SpO2, u16 pulse, motion, flags for old five-byte files.
    RecordingWriter &samples(const QVector<RawSample> &s) { m_samples = s; return *this; }
    // The same SpO2 value list with a steady pulse of 60.
    RecordingWriter &spo2(const QVector<int> &values)
    {
        m_samples.clear();
        for (int v : values)
            m_samples.append({v, 60, 0});
        return *this;
    }
    RecordingWriter &start(const QDateTime &wallClock) { m_start = wallClock; return *this; }

    // New format.
    RecordingWriter &kind(int k) { m_kind = k; return *this; }
    RecordingWriter &interval(int seconds) { m_interval = seconds; return *this; }
    RecordingWriter &layout(int l) { m_layout = l; return *this; }
    RecordingWriter &declaredPoints(qint64 n) { m_declared = n; return *this; }
    RecordingWriter &headerBytes(int b0, int b1) { m_b0 = b0; m_b1 = b1; return *this; }
    RecordingWriter &checksumDelta(int d) { m_checksumDelta = d; return *this; }
    RecordingWriter &extraSampleBytes(int n) { m_extraBytes = n; return *this; }
    RecordingWriter &summary(int spo2Avg, int spo2Min, int drops3, int drops4, int few90, int o2Score, int pulseAvg)
    {
        m_summary = {spo2Avg, spo2Min, drops3, drops4, few90, o2Score, pulseAvg};
        return *this;
    }

    // Old format.
    RecordingWriter &version(int v) { m_version = v; return *this; }
    RecordingWriter &duration(int seconds) { m_duration = seconds; return *this; }
    RecordingWriter &threeByte(bool on = true) { m_threeByte = on; return *this; }
    RecordingWriter &fileSizeDelta(int d) { m_fileSizeDelta = d; return *this; }
    RecordingWriter &truncateBy(int n) { m_truncate = n; return *this; }

    QByteArray bytes() const { return m_format == New ? newBytes() : oldBytes(); }

private:
    explicit RecordingWriter(Format f) : m_format(f) {}

    static void putU16(QByteArray &b, int at, quint32 v)
    {
        b[at] = char(v & 0xFF);
        b[at + 1] = char((v >> 8) & 0xFF);
    }
    static void putU32(QByteArray &b, int at, quint32 v)
    {
        for (int i = 0; i < 4; ++i)
            b[at + i] = char((v >> (8 * i)) & 0xFF);
    }

    QByteArray newBytes() const
    {
        QByteArray b(10, '\0');
        b[0] = char(m_b0);
        b[1] = char(m_b1);
        putU16(b, 8, quint32(m_kind));
        for (const RawSample &s : m_samples) {
            b.append(char(s.spo2));
            b.append(char(s.pulse));
            if (m_layout == 1)
                b.append(char(s.motionAndFlags));
        }
        b.append(QByteArray(m_extraBytes, char(0x61)));
        quint32 sum = 0;
        for (char c : b)
            sum += quint8(c);

        QByteArray t(48, '\0');
        putU32(t, 0, sum + quint32(m_checksumDelta));
        putU32(t, 4, 0xDA5A1248);
        const QDateTime wall(m_start.date(), m_start.time(), Qt::UTC);
        putU32(t, 8, quint32(wall.toSecsSinceEpoch()));
        putU32(t, 12, quint32(m_declared >= 0 ? m_declared : m_samples.size()));
        t[16] = char(m_interval);
        t[17] = char(m_layout);
        t[34] = char(m_summary.spo2Avg);
        t[35] = char(m_summary.spo2Min);
        t[36] = char(m_summary.drops3);
        t[37] = char(m_summary.drops4);
        putU16(t, 39, quint32(m_summary.few90));
        t[42] = char(m_summary.o2Score);
        t[47] = char(m_summary.pulseAvg);
        return b + t;
    }

    QByteArray oldBytes() const
    {
        QByteArray b(40, '\0');
        b[0] = char(m_version);
        putU16(b, 2, quint32(m_start.date().year()));
        b[4] = char(m_start.date().month());
        b[5] = char(m_start.date().day());
        b[6] = char(m_start.time().hour());
        b[7] = char(m_start.time().minute());
        b[8] = char(m_start.time().second());
        const int perSample = m_threeByte ? 3 : 5;
        const int size = 40 + perSample * m_samples.size() - m_truncate;
        putU32(b, 9, quint32(size + m_fileSizeDelta));
        const int declaredDuration = m_duration >= 0 ? m_duration : m_samples.size() * 4;
        putU16(b, 13, quint32(declaredDuration));
        b[17] = char(m_summary.spo2Avg);
        b[18] = char(m_summary.spo2Min);
        b[19] = char(m_summary.drops3);
        b[20] = char(m_summary.drops4);
        putU16(b, 22, quint32(m_summary.few90));
        b[25] = char(m_summary.o2Score);
        for (const RawSample &s : m_samples) {
            b.append(char(s.spo2));
            if (m_threeByte) {
                b.append(char(s.pulse));
                b.append(char(s.motionAndFlags));
            } else {
                b.append(char(s.pulse & 0xFF));
                b.append(char((s.pulse >> 8) & 0xFF));
                b.append(char(s.motionAndFlags & 0xFF));
                b.append(char((s.motionAndFlags >> 8) & 0xFF));
            }
        }
        b.chop(m_truncate);
        return b;
    }

    struct Summary
    {
        int spo2Avg = 0, spo2Min = 0, drops3 = 0, drops4 = 0, few90 = 0, o2Score = 0, pulseAvg = 0;
    };

    Format m_format;
    QVector<RawSample> m_samples;
    QDateTime m_start = QDateTime(QDate(2026, 3, 14), QTime(22, 30, 5));
    int m_kind = 1;
    int m_interval = 4;
    int m_layout = 1;
    qint64 m_declared = -1;
    int m_b0 = 1, m_b1 = 3;
    int m_checksumDelta = 0;
    int m_extraBytes = 0;
    Summary m_summary;
    int m_version = 3;
    int m_duration = -1;
    bool m_threeByte = false;
    int m_fileSizeDelta = 0;
    int m_truncate = 0;
};

// A run-length SpO2 series: {{97, 200}, {95, 1}, ...}.
inline QVector<int> spo2Runs(std::initializer_list<std::pair<int, int>> runs)
{
    QVector<int> values;
    for (const auto &run : runs)
        values.append(QVector<int>(run.second, run.first));
    return values;
}
