#pragma once

#include <QByteArray>
#include <QString>

// Byte layout of the two recording file formats. All fields little-endian.
namespace RecordingFormat {

// Old format: 40-byte header, then samples to the end of the file.
constexpr int oldHeaderSize = 40;
constexpr int oldVersion = 0;
constexpr int oldYear = 2;
constexpr int oldMonth = 4;
constexpr int oldDay = 5;
constexpr int oldHour = 6;
constexpr int oldMinute = 7;
constexpr int oldSecond = 8;
constexpr int oldFileSize = 9;
constexpr int oldDuration = 13;
constexpr int oldSpo2Avg = 17;
constexpr int oldSpo2Min = 18;
constexpr int oldDrops3 = 19;
constexpr int oldDrops4 = 20;
constexpr int oldFew90 = 22;
constexpr int oldO2Score = 25;
// Old recordings are capped at ten hours, except the three-byte recorder's.
constexpr int maxOldDuration = 36000;

// New format: 10-byte header, samples, 48-byte trailer.
constexpr int newHeaderSize = 10;
constexpr int newFileKind = 8;
constexpr int trailerSize = 48;
constexpr int minNewFileSize = newHeaderSize + trailerSize;
constexpr quint32 magic = 0xDA5A1248;
constexpr int kindWithSummary = 4;
constexpr int kindZeroMarker = 7;  // the no-value marker is 0, not 0xFF

// Offsets inside the trailer.
constexpr int trailerChecksum = 0;
constexpr int trailerMagic = 4;
constexpr int trailerStart = 8;
constexpr int trailerPointCount = 12;
constexpr int trailerInterval = 16;
constexpr int trailerLayout = 17;
constexpr int trailerSpo2Avg = 34;
constexpr int trailerSpo2Min = 35;
constexpr int trailerDrops3 = 36;
constexpr int trailerDrops4 = 37;
constexpr int trailerFew90 = 39;   // unaligned
constexpr int trailerO2Score = 42;
constexpr int trailerPulseAvg = 47;

// Byte-wise reads: several fields are unaligned. The caller checks the bounds.
inline quint16 readU16(const QByteArray &bytes, int at)
{
    const auto *b = reinterpret_cast<const quint8 *>(bytes.constData()) + at;
    return quint16(b[0] | (b[1] << 8));
}

inline quint32 readU32(const QByteArray &bytes, int at)
{
    const auto *b = reinterpret_cast<const quint8 *>(bytes.constData()) + at;
    return quint32(b[0]) | (quint32(b[1]) << 8) | (quint32(b[2]) << 16) | (quint32(b[3]) << 24);
}

// The one old-format recorder that stores three-byte samples.
inline bool isThreeByteOldFormat(const QString &branchCode)
{
    return branchCode == QLatin1String("22010100");
}

// Old-format recorders that sample every second whatever their version byte says.
inline bool isOneSecondOldFormat(const QString &branchCode)
{
    return branchCode == QLatin1String("50010001") || branchCode == QLatin1String("50010000");
}

} // namespace RecordingFormat
