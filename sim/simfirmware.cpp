#include "simfirmware.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <openssl/evp.h>

// Written apart from protocol/ on purpose: a simulator that borrowed the
// program's CRC and cipher would agree with their faults.

namespace {

quint8 crc8(const QByteArray &bytes)
{
    quint8 crc = 0;
    for (char c : bytes) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x80) ? quint8((crc << 1) ^ 0x07) : quint8(crc << 1);
    }
    return crc;
}

QByteArray aes(const QByteArray &input, const QByteArray &key, bool encrypt)
{
    EVP_CIPHER_CTX *ctx = EVP_CIPHER_CTX_new();
    QByteArray out(input.size() + 16, '\0');
    int n = 0;
    int tail = 0;
    EVP_CipherInit_ex(ctx, EVP_aes_128_ecb(), nullptr, reinterpret_cast<const unsigned char *>(key.constData()),
                      nullptr, encrypt ? 1 : 0);
    // PKCS#7 both ways: OpenSSL's own padding matches the recorder's.
    const bool ok = EVP_CipherUpdate(ctx, reinterpret_cast<unsigned char *>(out.data()), &n,
                                     reinterpret_cast<const unsigned char *>(input.constData()), input.size())
        && EVP_CipherFinal_ex(ctx, reinterpret_cast<unsigned char *>(out.data()) + n, &tail);
    EVP_CIPHER_CTX_free(ctx);
    return ok ? out.left(n + tail) : QByteArray();
}

void mask(QByteArray &bytes, const QByteArray &key)
{
    for (int i = 0; i < bytes.size() && !key.isEmpty(); ++i)
        bytes[i] = char(bytes.at(i) ^ key.at(i % key.size()));
}

QByteArray u32(quint32 v)
{
    QByteArray b;
    for (int s = 0; s < 32; s += 8)
        b.append(char((v >> s) & 0xFF));
    return b;
}

quint32 readU32(const QByteArray &b, int at)
{
    quint32 v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | quint8(b.at(at + i));
    return v;
}

QByteArray zeroEnded(const QByteArray &field)
{
    const int end = field.indexOf('\0');
    return end >= 0 ? field.left(end) : field;
}

// Commands whose request payload is encrypted on an AES link.
bool isEncryptedRequest(bool legacy, quint8 command)
{
    if (legacy)
        return command == 0x03 || command == 0x16;
    return command == 0xF2 || command == 0xF3 || command == 0x01 || command == 0xEC;
}

} // namespace

SimFirmware::SimFirmware(SimRecorder::Config &config, SimRecorder::State &state)
    : m_config(config)
    , m_state(state)
{
}

void SimFirmware::reset()
{
    m_inbox.clear();
    m_key.clear();
    m_reading.clear();
}

QByteArray SimFirmware::receive(const QByteArray &bytes)
{
    m_inbox.append(bytes);
    QByteArray replies;
    Request request;
    while (takeRequest(request))
        replies.append(answer(request));
    return replies;
}

bool SimFirmware::takeRequest(Request &request)
{
    for (;;) {
        int start = 0;
        while (start < m_inbox.size() && quint8(m_inbox.at(start)) != 0xAA && quint8(m_inbox.at(start)) != 0xA5)
            ++start;
        m_inbox.remove(0, start);
        if (m_inbox.size() < 8)
            return false;
        const int length = quint8(m_inbox.at(5)) | (quint8(m_inbox.at(6)) << 8);
        if (m_inbox.size() < length + 8)
            return false;
        const QByteArray packet = m_inbox.left(length + 8);
        const bool legacy = quint8(packet.at(0)) == 0xAA;
        const quint8 command = quint8(packet.at(1));
        const bool framed = crc8(packet.left(length + 7)) == quint8(packet.at(length + 7))
            && (legacy || (quint8(packet.at(2)) == quint8(~command) && packet.at(3) == 0));
        if (!framed) {
            m_inbox.remove(0, 1);
            continue;
        }
        m_inbox.remove(0, length + 8);
        request.legacy = legacy;
        request.command = command;
        request.argument = quint16(quint8(packet.at(3)) | (quint8(packet.at(4)) << 8));
        request.payload = packet.mid(7, length);
        return true;
    }
}

QByteArray SimFirmware::answer(const Request &request)
{
    ++m_state.requests;
    // A recorder of the other generation does not understand the packet.
    if (request.legacy != (m_config.framing == 1) || m_config.silent)
        return {};
    if (m_config.refused.contains(request.command)) {
        if (request.legacy)
            return frame(request, false, {});
        return {};
    }
    QByteArray payload = request.payload;
    if (!m_key.isEmpty() && isEncryptedRequest(request.legacy, request.command)) {
        payload = aes(payload, m_key, false);
        if (payload.isNull())
            return request.legacy ? frame(request, false, {}) : QByteArray();
    }
    if (request.command == 0xFF) {
        const QByteArray reply = keyReply(payload);
        return frame(request, true, reply);
    }
    bool ok = true;
    QByteArray reply = request.legacy ? answerLegacy(request, payload, ok) : answerCurrent(request, payload, ok);
    if (!ok && !request.legacy)
        return {};
    const bool isChunk = request.command == (request.legacy ? 0x04 : 0xF3);
    if (!m_key.isEmpty()) {
        reply = aes(reply, m_key, true);
        if (isChunk && m_config.badCipherFromChunk >= 0 && m_state.chunksServed > m_config.badCipherFromChunk)
            reply.chop(1);
    }
    return frame(request, ok, reply);
}

QByteArray SimFirmware::answerLegacy(const Request &request, const QByteArray &payload, bool &ok)
{
    switch (request.command) {
    case 0x15:
        return {};
    case 0x14:
        return informationText();
    case 0x03:
        return startRead(zeroEnded(payload), ok);
    case 0x04:
        return chunk(qint64(request.argument) * m_config.chunkSize, ok);
    case 0x05:
        ++m_state.endReads;
        m_reading.clear();
        return {};
    case 0x18:
        ++m_state.factoryResets;
        return {};
    case 0x16: {
        const QString text = QString::fromLatin1(payload);
        m_state.paramTexts.append(text);
        const QJsonObject object = QJsonDocument::fromJson(payload).object();
        if (object.contains(QLatin1String("SetTIME")))
            m_state.clock = QDateTime::fromString(object.value(QLatin1String("SetTIME")).toString(),
                                                  QStringLiteral("yyyy-MM-dd,hh:mm:ss"));
        return {};
    }
    default:
        ok = false;
        return {};
    }
}

QByteArray SimFirmware::answerCurrent(const Request &request, const QByteArray &payload, bool &ok)
{
    switch (request.command) {
    case 0xE0:
        return {};
    case 0xE1:
        return informationRecord();
    case 0xF1:
        return fileList();
    case 0xF2:
        return startRead(zeroEnded(payload.left(payload.size() - 4)), ok);
    case 0xF3:
        if (payload.size() != 4) {
            ok = false;
            return {};
        }
        return chunk(readU32(payload, 0), ok);
    case 0xF4:
        ++m_state.endReads;
        m_reading.clear();
        return {};
    case 0xE3:
        ++m_state.factoryResets;
        return {};
    case 0x01:
        m_state.setParams.append(payload);
        return {};
    case 0xEC:
        if (payload.size() != 7) {
            ok = false;
            return {};
        }
        m_state.clock = QDateTime(QDate(quint8(payload.at(0)) | (quint8(payload.at(1)) << 8), payload.at(2), payload.at(3)),
                                  QTime(payload.at(4), payload.at(5), payload.at(6)));
        return {};
    case 0x00:
        return m_config.configPayload;
    default:
        ok = false;
        return {};
    }
}

QByteArray SimFirmware::keyReply(const QByteArray &challenge)
{
    ++m_state.keyExchanges;
    QByteArray plain = challenge;
    mask(plain, m_config.mask);
    QByteArray expected;
    for (int i = 0; i < 16; i += 2)
        expected.append(m_config.mask.at(i));
    expected.append("0000");
    QByteArray reply(4, '\0');
    m_key.clear();
    if (m_config.aes && plain.size() == 16 && plain.left(12) == expected) {
        reply = QByteArray::fromHex("01100000") + m_config.linkKey;
        m_key = m_config.linkKey;
    }
    mask(reply, m_config.mask);
    return reply;
}

QByteArray SimFirmware::informationText() const
{
    QJsonObject object;
    for (auto it = m_config.parameters.constBegin(); it != m_config.parameters.constEnd(); ++it)
        object.insert(it.key(), it.value());
    object.insert(QStringLiteral("SN"), m_config.serialNumber);
    object.insert(QStringLiteral("BranchCode"), m_config.branchCode);
    object.insert(QStringLiteral("BootloaderVer"), QStringLiteral("1.0.2"));
    object.insert(QStringLiteral("SoftwareVer"), QStringLiteral("2.1.7"));
    object.insert(QStringLiteral("FileVer"), QStringLiteral("3"));
    object.insert(QStringLiteral("HardwareVer"), QStringLiteral("B"));
    object.insert(QStringLiteral("FileList"), listedNames().join(QLatin1Char(',')));
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QByteArray SimFirmware::informationRecord() const
{
    QByteArray record(60, '\0');
    record[0] = 'B';
    record.replace(1, 4, u32(0x02010007));
    record.replace(5, 4, u32(0x00010002));
    record.replace(9, 8, m_config.branchCode.toLatin1().leftJustified(8, '\0', true));
    record[17] = 3;
    const QByteArray sn = m_config.serialNumber.toLatin1().left(18);
    record[37] = char(sn.size());
    record.replace(38, sn.size(), sn);
    return record;
}

QStringList SimFirmware::listedNames() const
{
    return m_config.listedNames.isEmpty() ? QStringList(m_config.files.keys()) : m_config.listedNames;
}

QByteArray SimFirmware::fileList() const
{
    const QStringList names = listedNames();
    QByteArray reply(1, char(names.size() + m_config.fileListCountDelta));
    for (const QString &name : names)
        reply.append(name.toLatin1().leftJustified(16, '\0', true));
    return reply;
}

QByteArray SimFirmware::startRead(const QByteArray &name, bool &ok)
{
    const QString key = QString::fromLatin1(name);
    if (!m_config.files.contains(key)) {
        ok = false;
        return {};
    }
    m_reading = name;
    return u32(quint32(m_config.files.value(key).size()));
}

QByteArray SimFirmware::chunk(qint64 offset, bool &ok)
{
    if (m_reading.isEmpty()) {
        ok = false;
        return {};
    }
    const int served = m_state.chunksServed++;
    if (served == m_config.emptyChunkAt)
        return {};
    return m_config.files.value(QString::fromLatin1(m_reading)).mid(int(offset), m_config.chunkSize);
}

QByteArray SimFirmware::frame(const Request &request, bool ok, const QByteArray &payload) const
{
    QByteArray bytes(7, '\0');
    if (request.legacy) {
        bytes[0] = char(0x55);
        bytes[1] = char(ok ? 0 : 1);
        bytes[2] = char(~request.command);
    } else {
        bytes[0] = char(0xA5);
        bytes[1] = char(request.command);
        bytes[2] = char(~request.command);
        bytes[3] = 1;
    }
    bytes[5] = char(payload.size() & 0xFF);
    bytes[6] = char((payload.size() >> 8) & 0xFF);
    bytes.append(payload);
    bytes.append(char(crc8(bytes)));
    return bytes;
}
