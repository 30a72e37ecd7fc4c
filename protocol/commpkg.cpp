#include "commpkg.h"

#include "crc8.h"

namespace {

constexpr quint8 replyMarker = 1;

QByteArray headerBytes(quint8 command, quint8 marker, quint8 reserved, int length)
{
    QByteArray bytes(7, '\0');
    bytes[0] = char(CommPkg::header);
    bytes[1] = char(command);
    bytes[2] = char(~command);
    bytes[3] = char(marker);
    bytes[4] = char(reserved);
    bytes[5] = char(length & 0xFF);
    bytes[6] = char((length >> 8) & 0xFF);
    return bytes;
}

quint8 at(const QByteArray &bytes, int index)
{
    return quint8(bytes.at(index));
}

} // namespace

quint8 CommPkg::computeCrc() const
{
    return crc8(headerBytes(command, marker, reserved, payload.size()) + payload);
}

QByteArray CommPkg::serialize() const
{
    if (payload.size() > maxPayload)
        return {};
    QByteArray bytes = headerBytes(command, marker, reserved, payload.size()) + payload;
    bytes.append(char(crc8(bytes)));
    return bytes;
}

QByteArray CommPkg::build(quint8 command, const QByteArray &payload)
{
    CommPkg request;
    request.command = command;
    request.payload = payload;
    return request.serialize();
}

std::optional<CommPkg> CommPkg::parse(const QByteArray &received)
{
    int start = received.indexOf(char(header));
    while (start >= 0) {
        const int available = received.size() - start;
        if (available < overhead)
            return std::nullopt;
        const quint8 command = at(received, start + 1);
        const bool framed = at(received, start + 2) == quint8(~command)
            && at(received, start + 3) == replyMarker;
        if (framed) {
            const int length = at(received, start + 5) | (at(received, start + 6) << 8);
            if (available < length + overhead)
                return std::nullopt;
            CommPkg reply;
            reply.command = command;
            reply.marker = replyMarker;
            reply.reserved = at(received, start + 4);
            reply.payload = received.mid(start + 7, length);
            reply.crc = at(received, start + 7 + length);
            if (reply.crc == reply.computeCrc())
                return reply;
        }
        // This 0xA5 was noise; look for the next one.
        start = received.indexOf(char(header), start + 1);
    }
    return std::nullopt;
}
