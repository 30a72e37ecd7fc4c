// Parse, statistics and drop detection of a ten-hour night at a 1-s
// interval, against reading the same file into memory, in one run.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

#include "oxidatacontroller.h"
#include "recordingwriter.h"

namespace {

QByteArray tenHourNight()
{
    // SpO2 and pulse wander slowly, as they do in a sleeping person: a step of
    // one point every few seconds, and now and then a desaturation.
    QRandomGenerator rng(7);
    QVector<RawSample> samples;
    int spo2 = 96;
    int pulse = 60;
    while (samples.size() < 36000) {
        for (int i = int(rng.bounded(60, 600)); i > 0; --i) {
            if (rng.bounded(8) == 0)
                spo2 = qBound(94, spo2 + (rng.bounded(2) ? 1 : -1), 98);
            if (rng.bounded(4) == 0)
                pulse = qBound(50, pulse + (rng.bounded(2) ? 1 : -1), 75);
            samples.append({spo2, pulse, int(rng.bounded(0, 4))});
        }
        const int depth = int(rng.bounded(3, 9));
        for (int i = 1; i <= 12; ++i)
            samples.append({spo2 - depth * i / 12, pulse + 4, 2});
        for (int i = 0; i < 8; ++i)
            samples.append({spo2 - depth, pulse + 6, 1});
    }
    samples.resize(36000);
    return RecordingWriter::newFormat().kind(1).interval(1).layout(1).samples(samples).bytes();
}

template<typename F>
double medianNanoseconds(int rounds, F work)
{
    QVector<qint64> times;
    QElapsedTimer timer;
    for (int i = 0; i < rounds; ++i) {
        timer.start();
        work();
        times.append(timer.nsecsElapsed());
    }
    std::sort(times.begin(), times.end());
    return double(times[rounds / 2]);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    qputenv("HOME", dir.path().toUtf8());
    const QString path = dir.filePath("night");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(tenHourNight());
    file.close();

    const int rounds = 300;
    qint64 sink = 0;
    const double read = medianNanoseconds(rounds, [&] {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        sink += f.readAll().size();
    });
    int drops = 0;
    const double parse = medianNanoseconds(rounds, [&] {
        OxiDataController night;
        night.parseFile(path, QStringLiteral("2B010000"));
        drops = night.drops3;
    });

    std::printf("file: %lld bytes, 36000 samples at 1 s, %d drops of 3 points\n", QFileInfo(path).size(), drops);
    std::printf("read into memory : %9.1f us (median of %d)\n", read / 1000, rounds);
    std::printf("parse + statistics + drops: %9.1f us (median of %d)\n", parse / 1000, rounds);
    std::printf("ratio parse / read: %.2f (sink %lld)\n", parse / read, sink);
    return 0;
}
