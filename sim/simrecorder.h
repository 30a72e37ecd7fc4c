#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>

#define SIM_EXPORT __attribute__((visibility("default")))

// A recorder behind the hidapi functions the transports call. Tests
// configure it in-process; preloaded into a program it takes its setup from
// NOCTURNIX_SIM_* environment variables (see README.md). Not thread-safe:
// one device operation at a time, as in the program.
namespace SimRecorder {

enum class Bridge { Own, CH9326, Holtek };

struct Config
{
    bool plugged = true;
    bool locked = false;             // listed by hid_enumerate, refused by hid_open: no permission
    Bridge bridge = Bridge::Own;
    int framing = 2;                 // 1 = legacy, 2 = current
    bool aes = false;                // answers the key exchange
    QByteArray mask = QByteArray(16, '\0');
    QByteArray linkKey = QByteArray::fromHex("00112233445566778899aabbccddeeff");
    QString serialNumber = QStringLiteral("SIM00001");
    QString branchCode = QStringLiteral("2B010000");
    QMap<QString, QByteArray> files; // file name -> recording bytes
    QStringList listedNames;         // the file list as reported; empty: the names of files
    QMap<QString, QString> parameters; // extra keys of the legacy information text
    QByteArray configPayload = QByteArray(40, '\0');
    int chunkSize = 256;

    // Faults.
    int noiseBytes = 0;          // noise in front of every reply
    bool splitReplies = false;   // each reply comes in two reads with an empty read between
    bool silent = false;         // never answers
    QSet<int> refused;           // commands refused (legacy status 1; current: no answer)
    int unplugAfterChunk = -1;   // unplugged once this many chunks were served
    int badCipherFromChunk = -1; // encrypted chunk replies from this one on lose a byte
    int emptyChunkAt = -1;       // this chunk comes back empty
    int fileListCountDelta = 0;  // added to the count byte of the file list
    int replyDelayMs = 0;        // before the first report of a reply
    int reportGapMs = 0;         // before each report
};

struct State
{
    int opens = 0;
    int requests = 0;
    int chunksServed = 0;
    int keyExchanges = 0;
    int factoryResets = 0;
    int endReads = 0;
    QDateTime clock;
    QList<QByteArray> setParams;   // 8-byte payloads of command 0x01
    QList<QString> paramTexts;     // texts of command 0x16
};

SIM_EXPORT void configure(const Config &config);
SIM_EXPORT Config &config();
SIM_EXPORT const State &state();
// Pulls the cable: open handles fail from now on.
SIM_EXPORT void unplug();
// Tests run the recorder on their own clock: `now` in milliseconds, `sleep`
// advancing it. By default the wall clock and a real sleep.
SIM_EXPORT void setClock(std::function<qint64()> now, std::function<void(int)> sleep);
// The configuration the environment variables describe.
SIM_EXPORT Config configFromEnvironment();

} // namespace SimRecorder
