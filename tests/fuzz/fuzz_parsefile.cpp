// Feeds arbitrary bytes to the recording parser. The first byte picks the
// branch code, so the old format's per-recorder paths are reached too.
#include <QByteArray>
#include <QDir>
#include <QString>

#include <cstdint>
#include <cstdlib>

#include "oxidatacontroller.h"

namespace {
void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Log entries of rejected inputs go to a scratch home, not the user's.
    const QString home = QDir::tempPath() + QStringLiteral("/nocturnix-fuzz-home");
    QDir().mkpath(home);
    qputenv("HOME", home.toUtf8());
    qInstallMessageHandler(quiet);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    static const QString branches[] = {
        QStringLiteral("2B010000"), QStringLiteral("22010100"), QStringLiteral("50010000"), QString()};
    const QString &branch = branches[data[0] % 4];
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), int(size - 1));

    OxiDataController night;
    night.parseBytes(bytes, branch, QStringLiteral("fuzz"));
    // Touch every decoded point so a bad length shows up under ASan.
    unsigned sum = 0;
    for (const OxiPoint &p : night.points)
        sum += p.spo2 + p.pulse + p.motion + p.flags;
    return sum == 0xFFFFFFFFu ? 1 : 0;
}
