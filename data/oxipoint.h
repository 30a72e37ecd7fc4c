#pragma once

#include <QtGlobal>

// One sample as the recorders store it: five packed bytes. The old file
// format keeps its samples in exactly this layout, so it is copied in as is.
#pragma pack(push, 1)
struct OxiPoint
{
    static constexpr quint8 noSpo2 = 0xFF;
    static constexpr quint16 noPulse = 0xFFFF;
    static constexpr quint8 spo2ReminderFlag = 0x80;
    static constexpr quint8 pulseReminderFlag = 0x40;

    quint8 spo2 = noSpo2;     // percent
    quint16 pulse = noPulse;  // beats per minute
    quint8 motion = 0;        // 0..63
    quint8 flags = 0;         // reminder bits

    bool hasSpo2() const { return spo2 != noSpo2; }
    bool hasPulse() const { return pulse != noPulse; }
    bool isSpo2ReminderOn() const { return flags & spo2ReminderFlag; }
    bool isPulseReminderOn() const { return flags & pulseReminderFlag; }
};
#pragma pack(pop)

static_assert(sizeof(OxiPoint) == 5, "OxiPoint must keep the recorders' five-byte layout");

Q_DECLARE_TYPEINFO(OxiPoint, Q_PRIMITIVE_TYPE);
