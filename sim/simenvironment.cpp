#include <QDir>
#include <QFile>
#include <QProcessEnvironment>

#include "simrecorder.h"

// Only the simulator reads these; the program itself never looks at the
// environment.
//   NOCTURNIX_SIM_BRIDGE   own | ch9326 | holtek          (own)
//   NOCTURNIX_SIM_FRAMING  1 (legacy) | 2 (current)       (2)
//   NOCTURNIX_SIM_AES      0 | 1                          (0)
//   NOCTURNIX_SIM_MASK     32 hex digits, the link mask   (all zero, the default build's)
//   NOCTURNIX_SIM_SN       serial number                  (SIM00001)
//   NOCTURNIX_SIM_BRANCH   branch code                    (2B010000)
//   NOCTURNIX_SIM_FILES    directory whose files are the recordings (none)
//   NOCTURNIX_SIM_UNPLUGGED 1: no recorder attached
SimRecorder::Config SimRecorder::configFromEnvironment()
{
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const auto value = [&env](const char *name, const QString &fallback) {
        return env.value(QString::fromLatin1(name), fallback);
    };
    Config c;
    const QString bridge = value("NOCTURNIX_SIM_BRIDGE", QStringLiteral("own"));
    c.bridge = bridge == QLatin1String("ch9326") ? Bridge::CH9326
        : bridge == QLatin1String("holtek")      ? Bridge::Holtek
                                                 : Bridge::Own;
    c.framing = value("NOCTURNIX_SIM_FRAMING", QStringLiteral("2")) == QLatin1String("1") ? 1 : 2;
    c.aes = value("NOCTURNIX_SIM_AES", QStringLiteral("0")) == QLatin1String("1");
    const QByteArray mask = QByteArray::fromHex(value("NOCTURNIX_SIM_MASK", QString()).toLatin1());
    if (mask.size() == 16)
        c.mask = mask;
    c.serialNumber = value("NOCTURNIX_SIM_SN", c.serialNumber);
    c.branchCode = value("NOCTURNIX_SIM_BRANCH", c.branchCode);
    c.plugged = value("NOCTURNIX_SIM_UNPLUGGED", QStringLiteral("0")) != QLatin1String("1");
    c.locked = value("NOCTURNIX_SIM_LOCKED", QStringLiteral("0")) == QLatin1String("1");
    const QString files = value("NOCTURNIX_SIM_FILES", QString());
    if (!files.isEmpty()) {
        const QDir dir(files);
        for (const QString &name : dir.entryList(QDir::Files, QDir::Name)) {
            QFile file(dir.filePath(name));
            if (file.open(QIODevice::ReadOnly))
                c.files.insert(name, file.readAll());
        }
    }
    return c;
}
