#pragma once

#include <QDateTime>
#include <QSharedPointer>
#include <QVector>

#include "oxidatacontroller.h"
#include "recordingwriter.h"
#include "reportinput.h"

// Recordings for the report tests, built in a line.
namespace ReportFixture {

inline QDateTime evening() { return QDateTime(QDate(2024, 3, 5), QTime(22, 0, 0)); }

// A new-format night with summary: one sample per second, a gentle wave of
// values, motion in every sample.
inline QSharedPointer<OxiDataController> night(int seconds, const QString &branch = QStringLiteral("2B010000"))
{
    QVector<RawSample> samples;
    samples.reserve(seconds);
    for (int i = 0; i < seconds; ++i)
        samples.append({90 + i / 60 % 8, 55 + i / 30 % 25, i % 64});
    const QByteArray bytes = RecordingWriter::newFormat()
                                 .kind(4)
                                 .interval(1)
                                 .layout(1)
                                 .start(evening())
                                 .samples(samples)
                                 .summary(94, 88, 12, 5, 300, 87, 62)
                                 .bytes();
    QSharedPointer<OxiDataController> n(new OxiDataController);
    n->parseBytes(bytes, branch, QStringLiteral("fixture"));
    return n;
}

inline ReportInput input(const QSharedPointer<const OxiDataController> &recording, const QString &branch)
{
    ReportInput in;
    in.recording = recording;
    in.branchCode = branch;
    in.checkTime = QStringLiteral("20240305220000");
    return in;
}

} // namespace ReportFixture
