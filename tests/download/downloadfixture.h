#pragma once

#include <QFile>
#include <QObject>
#include <QStringList>
#include <QVector>

#include "../comm/commfixture.h"
#include "recordingwriter.h"

// A night as a recorder of the framing would hold it: old format on legacy
// recorders, new format on current ones; long enough for several chunks.
inline QByteArray night(int framing, int startHour, int samples = 300)
{
    QVector<int> spo2;
    for (int i = 0; i < samples; ++i)
        spo2.append(90 + (i * 7) % 9);
    const QDateTime start(QDate(2026, 3, 14), QTime(startHour, 0, 0));
    if (framing == 1)
        return RecordingWriter::oldFormat().start(start).spo2(spo2).bytes();
    return RecordingWriter::newFormat().kind(4).start(start).spo2(spo2).summary(94, 90, 3, 1, 0, 88, 60).bytes();
}

inline QString checkTime(int startHour)
{
    return QStringLiteral("202603142%1").arg(startHour - 20) + QStringLiteral("0000");
}

inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Collects what the controller reports, on the test's thread whichever
// thread emitted it.
class ControllerLog : public QObject
{
    Q_OBJECT

public:
    struct Progress
    {
        QString fileName;
        int value;
        int max;
    };

    QVector<Progress> progress;
    QStringList stored;
    QStringList problems;
    QVector<bool> pings;
    QVector<int> ends;

public slots:
    void onProgress(QString fileName, int value, int max) { progress.append({fileName, value, max}); }
    void onStored(QString, QString fileName) { stored.append(fileName); }
    void onProblem(QString, QString fileName, QString) { problems.append(fileName); }
    void onPing(bool detected, bool) { pings.append(detected); }
    void onEnd(int code) { ends.append(code); }
};
