// Feeds arbitrary bytes to what a recorder's reply goes through: both
// framings' parsers and both device-information parsers. The first byte
// picks the parser, so each keeps its own corpus entries apart.
#include <QByteArray>
#include <QString>

#include <cstdint>

#include "commpkg.h"
#include "deviceinfo.h"
#include "legacypkg.h"

namespace {
void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qInstallMessageHandler(quiet);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), int(size - 1));
    unsigned sum = 0;
    switch (data[0] % 4) {
    case 0:
        if (const std::optional<CommPkg> reply = CommPkg::parse(bytes))
            sum += quint8(reply->payload.isEmpty() ? 0 : reply->payload.back()) + reply->computeCrc();
        break;
    case 1: {
        const LegacyPkg::Reply reply = LegacyPkg::parse(bytes);
        sum += reply.payload.isEmpty() ? 0 : quint8(reply.payload.back());
        break;
    }
    case 2: {
        DeviceInfo info;
        info.parseInformationText(QString::fromUtf8(bytes));
        sum += info.serialNumber().size() + info.fileList().size() + info.modelName().size();
        break;
    }
    default: {
        DeviceInfo info;
        info.parseInformationRecord(bytes);
        sum += info.serialNumber().size() + info.softwareVersion().size() + info.branchCode().size();
        break;
    }
    }
    return sum == 0xFFFFFFFFu ? 1 : 0;
}
