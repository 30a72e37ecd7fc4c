#pragma once

#include <QByteArray>

// The legacy framing. Request:
//   AA | command | complement | argument u16 LE | length u16 LE | payload | crc8
// Reply, always taken as the whole received buffer:
//   55 | status (0 = accepted) | ignored | ignored u16 | length u16 LE | payload | crc8
class LegacyPkg
{
public:
    static constexpr quint8 requestHeader = 0xAA;
    static constexpr quint8 replyHeader = 0x55;
    static constexpr int overhead = 8;
    static constexpr int maxPayload = 0xFFFF;

    enum class Result { Ok, TooShort, SizeError, CrcError, Refused };

    struct Reply
    {
        Result result = Result::TooShort;
        quint8 status = 0;
        QByteArray payload;

        bool isOk() const { return result == Result::Ok; }
    };

    // `argument` is the chunk index of the read command, else 0. Empty when
    // the payload is too long for the length field.
    static QByteArray build(quint8 command, quint8 complement, quint16 argument,
                            const QByteArray &payload);
    // The common case: the complement is the command's bitwise NOT.
    static QByteArray build(quint8 command, const QByteArray &payload = {}, quint16 argument = 0);
    static Reply parse(const QByteArray &received);
};
