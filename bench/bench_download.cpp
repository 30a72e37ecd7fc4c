// Download of a 10-hour recording from the simulated recorder, on the real
// clock, through the own-HID transport: once per file format and framing.
// The floor is what the protocol itself waits: every exchange ends with one
// empty read of the transport (100 ms on the own HID interface), so
// exchanges x 100 ms is the least a download can take.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QTextStream>

#include "communication.h"
#include "recordingwriter.h"
#include "simrecorder.h"

namespace {

constexpr int hours = 10;
constexpr int emptyReadMs = 100;

QByteArray night(bool newFormat)
{
    QVector<RawSample> samples;
    const int count = hours * 3600;
    samples.reserve(count);
    for (int i = 0; i < count; ++i)
        samples.append({94 + i % 4, 60 + i % 9, 0});
    RecordingWriter writer = newFormat ? RecordingWriter::newFormat() : RecordingWriter::oldFormat();
    return writer.samples(samples).interval(1).duration(count).bytes();
}

void run(QTextStream &out, bool newFormat, int framing, bool aes)
{
    const QString name = QStringLiteral("20260314223005");
    SimRecorder::Config config;
    config.framing = framing;
    config.aes = aes;
    config.files.insert(name, night(newFormat));
    SimRecorder::configure(config);

    QTemporaryDir dir;
    Communication link;
    link.setInterval(200);
    link.setDataDirectory(dir.path());
    QElapsedTimer timer;
    timer.start();
    const bool opened = link.openDevice() && link.getDeviceInfo();
    const qint64 openMs = timer.restart();
    const int requestsBefore = SimRecorder::state().requests;
    const int result = opened ? link.downloadFile(name, name) : -1;
    const qint64 downloadMs = timer.elapsed();
    link.closeDevice();
    const int exchanges = SimRecorder::state().requests - requestsBefore;
    const qint64 floorMs = qint64(exchanges) * emptyReadMs;
    out << (newFormat ? "new" : "old") << " format, " << (framing == 1 ? "legacy" : "current")
        << (aes ? " + AES" : "") << ": " << config.files.first().size() << " bytes, result " << result
        << ", open " << openMs << " ms, download " << downloadMs << " ms, " << exchanges
        << " exchanges, floor " << floorMs << " ms, above floor " << (downloadMs - floorMs) << " ms ("
        << QString::number(100.0 * (downloadMs - floorMs) / qMax<qint64>(1, downloadMs), 'f', 1) << " %)\n";
    out.flush();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // The byte trace would measure the terminal, not the link.
    QLoggingCategory::setFilterRules(QStringLiteral("nocturnix.*.debug=false"));
    QTextStream out(stdout);
    for (bool newFormat : {false, true}) {
        run(out, newFormat, 1, false);
        run(out, newFormat, 2, true);
    }
    return 0;
}
