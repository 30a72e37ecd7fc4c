#pragma once

#include <QByteArray>

#include <optional>

class HidBase;

// The exchange that switches a link to AES (command 0xFF). The challenge
// and the reply are masked with the link mask shared with the recorders'
// firmware, set at build time (NOCTURNIX_LINK_MASK).
class KeyExchange
{
public:
    static constexpr quint8 command = 0xFF;

    // The build's 16-byte link mask, parsed once; empty if the build option
    // is not 32 hex digits (then every exchange fails).
    static const QByteArray &linkMask();
    // 32 hex digits → 16 bytes, else none.
    static std::optional<QByteArray> parseMask(const QByteArray &hex);

    // The masked 16-byte challenge: the mask's even bytes, "0000", the time
    // in seconds since 1970 UTC (u32 LE). Empty when the mask is not 16 bytes.
    static QByteArray challenge(quint32 secondsSinceEpoch, const QByteArray &mask = linkMask());
    // The framed request for the link's framing generation (HidBase::legacyFraming
    // or currentFraming); empty for an unknown one or a bad mask.
    static QByteArray request(int protocolType, quint32 secondsSinceEpoch,
                              const QByteArray &mask = linkMask());
    // The link key carried by a reply payload, or none when the recorder
    // did not accept the challenge.
    static std::optional<QByteArray> linkKey(const QByteArray &replyPayload,
                                             const QByteArray &mask = linkMask());

    // Replies to the challenge come plain: call before sending it.
    static void begin(HidBase &link);
    // Stores the key and switches the link to AES; false leaves it plain.
    static bool finish(HidBase &link, const QByteArray &replyPayload,
                       const QByteArray &mask = linkMask());
};
