#include <QTest>

#include "commpkg.h"
#include "crc8.h"
#include "hidbase.h"
#include "keyexchange.h"
#include "legacypkg.h"
#include "linkcipher.h"

namespace {

// A link that moves no bytes, for the per-link state of the key exchange.
class IdleLink : public HidBase
{
};

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

// A current-framing reply as the recorder sends it.
QByteArray makeCurrentReply(quint8 command, const QByteArray &payload)
{
    QByteArray bytes = CommPkg::build(command, payload);
    bytes[3] = 1;
    bytes[bytes.size() - 1] = char(crc8(bytes.left(bytes.size() - 1)));
    return bytes;
}

// A legacy reply with the given status.
QByteArray makeLegacyReply(quint8 status, const QByteArray &payload)
{
    QByteArray bytes = LegacyPkg::build(0, payload);
    bytes[0] = char(LegacyPkg::replyHeader);
    bytes[1] = char(status);
    bytes[bytes.size() - 1] = char(crc8(bytes.left(bytes.size() - 1)));
    return bytes;
}

const QByteArray testMask = hex("0f1e2d3c4b5a69788796a5b4c3d2e1f0");
const QByteArray fipsKey = hex("000102030405060708090a0b0c0d0e0f");

} // namespace

Q_DECLARE_METATYPE(LegacyPkg::Result)

class TestFraming : public QObject
{
    Q_OBJECT

private slots:
    void crcVectors_data();
    void crcVectors();
    void requestsSerialise_data();
    void requestsSerialise();
    void oversizedPayloadIsNotFramed();
    void currentReplyIsFound_data();
    void currentReplyIsFound();
    void currentReplyIsNotFound_data();
    void currentReplyIsNotFound();
    void currentReplySplitAcrossReads();
    void legacyReply_data();
    void legacyReply();
    void aesMatchesKnownAnswer();
    void aesRoundTrip_data();
    void aesRoundTrip();
    void aesRefuses_data();
    void aesRefuses();
    void aesPaddingThatIsNotPaddingStays_data();
    void aesPaddingThatIsNotPaddingStays();
    void xorMaskRepeatsKey();
    void maskParsing_data();
    void maskParsing();
    void challengeCarriesMaskAndTime();
    void keyExchangeRequests_data();
    void keyExchangeRequests();
    void keyReplyChecks_data();
    void keyReplyChecks();
    void keyExchangeSwitchesLink();
};

void TestFraming::crcVectors_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("crc");
    QTest::newRow("check value") << QByteArray("123456789") << 0xF4;
    QTest::newRow("nothing") << QByteArray() << 0x00;
    QTest::newRow("one bit") << hex("01") << 0x07;
    QTest::newRow("all ones") << hex("ff") << 0xF3;
}

void TestFraming::crcVectors()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, crc);
    QCOMPARE(int(crc8(bytes)), crc);
}

void TestFraming::requestsSerialise_data()
{
    QTest::addColumn<QByteArray>("built");
    QTest::addColumn<QByteArray>("wire");
    QTest::newRow("current ping") << CommPkg::build(0xE0, {}) << hex("a5e01f0000000022");
    QTest::newRow("legacy ping") << LegacyPkg::build(0x15) << hex("aa15ea000000008d");
    QByteArray chunkRead = hex("aa12ed0201020001 02");
    chunkRead.append(char(crc8(chunkRead)));
    QTest::newRow("legacy argument and payload, little-endian")
        << LegacyPkg::build(0x12, hex("0102"), 0x0102) << chunkRead;
    QByteArray withPayload = hex("a530cf0000030001 02 03");
    withPayload.append(char(crc8(withPayload)));
    QTest::newRow("current with payload") << CommPkg::build(0x30, hex("010203")) << withPayload;
}

void TestFraming::requestsSerialise()
{
    QFETCH(QByteArray, built);
    QFETCH(QByteArray, wire);
    QCOMPARE(built.toHex(' '), wire.toHex(' '));
}

void TestFraming::oversizedPayloadIsNotFramed()
{
    const QByteArray tooLong(CommPkg::maxPayload + 1, 'x');
    QVERIFY(CommPkg::build(0x30, tooLong).isEmpty());
    QVERIFY(LegacyPkg::build(0x30, tooLong).isEmpty());
    QCOMPARE(CommPkg::build(0x30, QByteArray(CommPkg::maxPayload, 'x')).size(),
             CommPkg::maxPayload + CommPkg::overhead);
}

void TestFraming::currentReplyIsFound_data()
{
    QTest::addColumn<QByteArray>("received");
    const QByteArray reply = makeCurrentReply(0xE1, "pong");
    QTest::newRow("alone") << reply;
    QTest::newRow("noise before, bytes behind") << hex("0102") + reply + hex("a5ff");
    QTest::newRow("noise 0xA5 before") << hex("a5a5") + reply;
    QByteArray marker0 = reply;
    marker0[3] = 0;
    QTest::newRow("request echo with marker 0 before") << marker0 + reply;
    QByteArray badCrc = reply;
    badCrc[badCrc.size() - 1] = char(badCrc.back() ^ 1);
    QTest::newRow("corrupt copy before") << badCrc + reply;
}

void TestFraming::currentReplyIsFound()
{
    QFETCH(QByteArray, received);
    const std::optional<CommPkg> reply = CommPkg::parse(received);
    QVERIFY(reply);
    QCOMPARE(int(reply->command), 0xE1);
    QCOMPARE(reply->payload, QByteArray("pong"));
    QCOMPARE(reply->serialize(), makeCurrentReply(0xE1, "pong"));
}

void TestFraming::currentReplyIsNotFound_data()
{
    QTest::addColumn<QByteArray>("received");
    const QByteArray reply = makeCurrentReply(0xE1, "pong");
    QTest::newRow("nothing") << QByteArray();
    QTest::newRow("no header") << hex("0102030405060708090a");
    QTest::newRow("shorter than a header") << reply.left(7);
    QByteArray marker0 = reply;
    marker0[3] = 0;
    QTest::newRow("marker 0") << marker0;
    QByteArray complement = reply;
    complement[2] = char(complement.at(2) ^ 0x10);
    QTest::newRow("wrong complement") << complement;
    QByteArray badCrc = reply;
    badCrc[badCrc.size() - 1] = char(badCrc.back() ^ 1);
    QTest::newRow("wrong crc") << badCrc;
}

void TestFraming::currentReplyIsNotFound()
{
    QFETCH(QByteArray, received);
    QVERIFY(!CommPkg::parse(received));
}

void TestFraming::currentReplySplitAcrossReads()
{
    const QByteArray reply = makeCurrentReply(0x31, "0123456789");
    // Header announcing 10 bytes, only 6 of them here.
    QByteArray buffer = hex("00") + reply.left(7 + 6);
    QVERIFY(!CommPkg::parse(buffer));
    buffer.append(reply.mid(7 + 6));
    const std::optional<CommPkg> parsed = CommPkg::parse(buffer);
    QVERIFY(parsed);
    QCOMPARE(parsed->payload, QByteArray("0123456789"));
}

void TestFraming::legacyReply_data()
{
    QTest::addColumn<QByteArray>("received");
    QTest::addColumn<LegacyPkg::Result>("result");
    QTest::addColumn<QByteArray>("payload");
    const QByteArray good = makeLegacyReply(0, "data");
    QTest::newRow("accepted") << good << LegacyPkg::Result::Ok << QByteArray("data");
    QTest::newRow("accepted, empty") << makeLegacyReply(0, {}) << LegacyPkg::Result::Ok << QByteArray();
    QTest::newRow("one byte behind") << good + hex("00") << LegacyPkg::Result::CrcError << QByteArray();
    // The last payload byte is chosen so that the packet's own CRC is 0.
    QByteArray zeroCrc = makeLegacyReply(0, "dat?");
    zeroCrc[10] = char(crc8(zeroCrc.left(10)));
    zeroCrc[11] = 0;
    QTest::newRow("zero crc, then a zero byte") << zeroCrc + hex("00") << LegacyPkg::Result::CrcError
                                                << QByteArray();
    QTest::newRow("refused") << makeLegacyReply(1, "data") << LegacyPkg::Result::Refused << QByteArray();
    QByteArray header = good;
    header[0] = char(0x56);
    header[header.size() - 1] = char(crc8(header.left(header.size() - 1)));
    QTest::newRow("wrong header") << header << LegacyPkg::Result::CrcError << QByteArray();
    QByteArray flipped = good;
    flipped[8] = char(flipped.at(8) ^ 0x40);
    QTest::newRow("payload corrupt") << flipped << LegacyPkg::Result::CrcError << QByteArray();
    QTest::newRow("cut short") << good.left(good.size() - 1) << LegacyPkg::Result::SizeError
                               << QByteArray();
    QTest::newRow("three bytes") << good.left(3) << LegacyPkg::Result::TooShort << QByteArray();
    QTest::newRow("five bytes, header cut") << good.left(5) << LegacyPkg::Result::TooShort
                                            << QByteArray();
}

void TestFraming::legacyReply()
{
    QFETCH(QByteArray, received);
    QFETCH(LegacyPkg::Result, result);
    QFETCH(QByteArray, payload);
    const LegacyPkg::Reply reply = LegacyPkg::parse(received);
    QCOMPARE(reply.result, result);
    QCOMPARE(reply.payload, payload);
}

void TestFraming::aesMatchesKnownAnswer()
{
    const std::optional<QByteArray> cipher = aesEncrypt(hex("00112233445566778899aabbccddeeff"), fipsKey);
    QVERIFY(cipher);
    QCOMPARE(cipher->size(), 32);
    QCOMPARE(cipher->left(16).toHex(), QByteArray("69c4e0d86a7b0430d8cdb78070b4c55a"));
}

void TestFraming::aesRoundTrip_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("cipherSize");
    QTest::newRow("empty: one padding block") << 0 << 16;
    QTest::newRow("one byte") << 1 << 16;
    QTest::newRow("one short of a block") << 15 << 16;
    QTest::newRow("whole block: padding block added") << 16 << 32;
    QTest::newRow("block and one") << 17 << 32;
    QTest::newRow("two blocks") << 32 << 48;
}

void TestFraming::aesRoundTrip()
{
    QFETCH(int, size);
    QFETCH(int, cipherSize);
    QByteArray plain;
    for (int i = 0; i < size; ++i)
        plain.append(char(0x10 - i % 3));   // tails that look like padding
    const std::optional<QByteArray> cipher = aesEncrypt(plain, fipsKey);
    QVERIFY(cipher);
    QCOMPARE(cipher->size(), cipherSize);
    QCOMPARE(aesDecrypt(*cipher, fipsKey), std::optional<QByteArray>(plain));
}

void TestFraming::aesRefuses_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<bool>("encrypting");
    QTest::newRow("decrypt 20 bytes") << QByteArray(20, 'x') << fipsKey << false;
    QTest::newRow("decrypt with 15-byte key") << QByteArray(16, 'x') << fipsKey.left(15) << false;
    QTest::newRow("encrypt with 15-byte key") << QByteArray(16, 'x') << fipsKey.left(15) << true;
    QTest::newRow("encrypt with 17-byte key") << QByteArray(4, 'x') << fipsKey + "x" << true;
    QTest::newRow("encrypt with no key") << QByteArray(4, 'x') << QByteArray() << true;
}

void TestFraming::aesRefuses()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, key);
    QFETCH(bool, encrypting);
    QVERIFY(!(encrypting ? aesEncrypt(input, key) : aesDecrypt(input, key)));
}

void TestFraming::aesPaddingThatIsNotPaddingStays_data()
{
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<QByteArray>("plain");
    const QByteArray body = "fifteen bytes..";
    QTest::newRow("last byte 0 keeps all") << body + hex("00") << body + hex("00");
    QTest::newRow("last byte 17 keeps all") << body + hex("11") << body + hex("11");
    QTest::newRow("uneven tail keeps all") << body.left(14) + hex("0302") << body.left(14) + hex("0302");
    QTest::newRow("one padding byte goes") << body + hex("01") << body;
    QTest::newRow("full padding block goes") << QByteArray(16, char(16)) << QByteArray();
}

void TestFraming::aesPaddingThatIsNotPaddingStays()
{
    QFETCH(QByteArray, block);
    QFETCH(QByteArray, plain);
    // ECB: the first cipher block is the block on its own, without our padding.
    const QByteArray cipher = aesEncrypt(block, fipsKey)->left(16);
    QCOMPARE(aesDecrypt(cipher, fipsKey), std::optional<QByteArray>(plain));
    QCOMPARE(aesDecrypt({}, fipsKey), std::optional<QByteArray>(QByteArray()));
}

void TestFraming::xorMaskRepeatsKey()
{
    QByteArray bytes = hex("00000000000000ff");
    xorMask(bytes, hex("0102 03"));
    QCOMPARE(bytes.toHex(), QByteArray("01020301020301fd"));
    xorMask(bytes, hex("010203"));
    QCOMPARE(bytes, hex("00000000000000ff"));
    xorMask(bytes, {});
    QCOMPARE(bytes, hex("00000000000000ff"));
}

void TestFraming::maskParsing_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("valid");
    QTest::newRow("32 hex digits") << QByteArray("0F1E2D3C4B5A69788796a5b4c3d2e1f0") << true;
    QTest::newRow("31 digits") << QByteArray("0F1E2D3C4B5A69788796a5b4c3d2e1f") << false;
    QTest::newRow("not hex") << QByteArray("0F1E2D3C4B5A69788796a5b4c3d2e1fg") << false;
    QTest::newRow("spaces") << QByteArray("0F1E2D3C4B5A6978 8796a5b4c3d2e1f") << false;
}

void TestFraming::maskParsing()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, valid);
    const std::optional<QByteArray> mask = KeyExchange::parseMask(text);
    QCOMPARE(bool(mask), valid);
    if (valid)
        QCOMPARE(*mask, testMask);
    QCOMPARE(KeyExchange::linkMask().size(), 16);
}

void TestFraming::challengeCarriesMaskAndTime()
{
    QByteArray challenge = KeyExchange::challenge(0x65A1B2C3, testMask);
    QCOMPARE(challenge.size(), 16);
    xorMask(challenge, testMask);
    QCOMPARE(challenge.toHex(), QByteArray("0f2d4b6987a5c3e1" "30303030" "c3b2a165"));
    QVERIFY(KeyExchange::challenge(0, testMask.left(15)).isEmpty());
}

void TestFraming::keyExchangeRequests_data()
{
    QTest::addColumn<int>("framing");
    QTest::addColumn<QByteArray>("header");
    QTest::newRow("legacy") << HidBase::legacyFraming << hex("aaff0000001000");
    QTest::newRow("current") << HidBase::currentFraming << hex("a5ff0000001000");
}

void TestFraming::keyExchangeRequests()
{
    QFETCH(int, framing);
    QFETCH(QByteArray, header);
    const QByteArray challenge = KeyExchange::challenge(1700000000, testMask);
    const QByteArray request = KeyExchange::request(framing, 1700000000, testMask);
    QCOMPARE(request.left(7).toHex(' '), header.toHex(' '));
    QCOMPARE(request.mid(7, 16), challenge);
    QCOMPARE(request.size(), 24);
    QCOMPARE(int(quint8(request.back())), int(crc8(request.left(23))));
    QVERIFY(KeyExchange::request(3, 1700000000, testMask).isEmpty());
}

void TestFraming::keyReplyChecks_data()
{
    QTest::addColumn<QByteArray>("plainReply");
    QTest::addColumn<bool>("accepted");
    const QByteArray key = hex("a0a1a2a3a4a5a6a7a8a9aaabacadaeaf");
    QTest::newRow("accepted") << hex("01100000") + key << true;
    QTest::newRow("accepted, bytes behind the key") << hex("01100000") + key + "zz" << true;
    QTest::newRow("status 0") << hex("00100000") + key << false;
    QTest::newRow("key length 15") << hex("010f0000") + key << false;
    QTest::newRow("key cut short") << hex("01100000") + key.left(15) << false;
    QTest::newRow("three bytes") << hex("011000") << false;
}

void TestFraming::keyReplyChecks()
{
    QFETCH(QByteArray, plainReply);
    QFETCH(bool, accepted);
    QByteArray reply = plainReply;
    xorMask(reply, testMask);
    const std::optional<QByteArray> key = KeyExchange::linkKey(reply, testMask);
    QCOMPARE(bool(key), accepted);
    if (accepted)
        QCOMPARE(*key, plainReply.mid(4, 16));
}

void TestFraming::keyExchangeSwitchesLink()
{
    const QByteArray key = hex("a0a1a2a3a4a5a6a7a8a9aaabacadaeaf");
    QByteArray reply = hex("01100000") + key;
    xorMask(reply, testMask);

    IdleLink link;
    link.setAESComm(true);
    KeyExchange::begin(link);
    QVERIFY(!link.isAESComm());
    QVERIFY(!KeyExchange::finish(link, reply.left(19), testMask));
    QVERIFY(!link.isAESComm());
    QVERIFY(link.aesKey().isEmpty());

    QVERIFY(KeyExchange::finish(link, reply, testMask));
    QVERIFY(link.isAESComm());
    QCOMPARE(link.aesKey(), key);
    // The key now carries the link's traffic.
    const std::optional<QByteArray> cipher = aesEncrypt("ping", link.aesKey());
    QCOMPARE(aesDecrypt(*cipher, key), std::optional<QByteArray>("ping"));
}

QTEST_GUILESS_MAIN(TestFraming)
#include "test_framing.moc"
