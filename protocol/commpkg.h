#pragma once

#include <QByteArray>

#include <optional>

// One packet of the current framing:
//   A5 | command | ~command | marker | reserved | length u16 LE | payload | crc8
// Requests carry marker 0, replies marker 1. The complement is not kept; it
// follows from the command whenever the packet is serialised.
struct CommPkg
{
    static constexpr quint8 header = 0xA5;
    static constexpr int overhead = 8;
    static constexpr int maxPayload = 0xFFFF;

    quint8 command = 0;
    quint8 marker = 0;
    quint8 reserved = 0;
    QByteArray payload;
    quint8 crc = 0;

    // The wire bytes, or empty when the payload cannot be framed.
    QByteArray serialize() const;
    quint8 computeCrc() const;

    // A request: marker 0, reserved 0. Empty when the payload is too long.
    static QByteArray build(quint8 command, const QByteArray &payload);
    // The first complete valid reply in `received`, skipping noise before it.
    // None while the reply is still incomplete; bytes behind it are ignored.
    static std::optional<CommPkg> parse(const QByteArray &received);
};
