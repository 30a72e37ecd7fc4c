#include "legacypkg.h"

#include "crc8.h"
#include "protocollog.h"

QByteArray LegacyPkg::build(quint8 command, quint8 complement, quint16 argument,
                            const QByteArray &payload)
{
    if (payload.size() > maxPayload)
        return {};
    QByteArray bytes(7, '\0');
    bytes[0] = char(requestHeader);
    bytes[1] = char(command);
    bytes[2] = char(complement);
    bytes[3] = char(argument & 0xFF);
    bytes[4] = char(argument >> 8);
    bytes[5] = char(payload.size() & 0xFF);
    bytes[6] = char(payload.size() >> 8);
    bytes.append(payload);
    bytes.append(char(crc8(bytes)));
    return bytes;
}

QByteArray LegacyPkg::build(quint8 command, const QByteArray &payload, quint16 argument)
{
    return build(command, quint8(~command), argument, payload);
}

LegacyPkg::Reply LegacyPkg::parse(const QByteArray &received)
{
    Reply reply;
    // Shorter than header and CRC: a reply still arriving, or none at all.
    if (received.size() < overhead)
        return reply;
    const auto byte = [&received](int i) { return quint8(received.at(i)); };
    const int length = byte(5) | (byte(6) << 8);
    const int room = received.size() - overhead;
    if (length > room) {
        qCWarning(lcProtocol) << "pack size error:" << length << room;
        reply.result = Result::SizeError;
        return reply;
    }
    // The reply must be exactly one packet with nothing behind it. The size
    // is checked on its own: a trailing byte would otherwise slip through
    // whenever the packet's own CRC is 0.
    const quint8 crc = byte(7 + length);
    if (received.size() != length + overhead || crc8(received.constData(), 7 + length) != crc
        || byte(0) != replyHeader) {
        qCWarning(lcProtocol) << "crc error:" << received.toHex(' ');
        reply.result = Result::CrcError;
        return reply;
    }
    reply.status = byte(1);
    if (reply.status != 0) {
        qCWarning(lcProtocol) << "ask failed:" << reply.status;
        reply.result = Result::Refused;
        return reply;
    }
    reply.result = Result::Ok;
    reply.payload = received.mid(7, length);
    return reply;
}
