#include "keyexchange.h"

#include <cctype>

#include "buildconfig.h"
#include "commpkg.h"
#include "hidbase.h"
#include "legacypkg.h"
#include "linkcipher.h"
#include "protocollog.h"

static_assert(sizeof(NOCTURNIX_LINK_MASK) == 2 * linkKeySize + 1,
              "NOCTURNIX_LINK_MASK must be 32 hex digits");

namespace {

constexpr quint8 keyAccepted = 1;
constexpr int keyReplySize = 4 + linkKeySize;

} // namespace

std::optional<QByteArray> KeyExchange::parseMask(const QByteArray &hex)
{
    if (hex.size() != 2 * linkKeySize)
        return std::nullopt;
    for (char c : hex) {
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
    }
    return QByteArray::fromHex(hex);
}

const QByteArray &KeyExchange::linkMask()
{
    static const QByteArray mask = [] {
        const std::optional<QByteArray> parsed = parseMask(QByteArrayLiteral(NOCTURNIX_LINK_MASK));
        if (!parsed) {
            qCWarning(lcProtocol) << "link mask is not 32 hex digits; key exchange disabled";
            return QByteArray();
        }
        return *parsed;
    }();
    return mask;
}

QByteArray KeyExchange::challenge(quint32 secondsSinceEpoch, const QByteArray &mask)
{
    if (mask.size() != linkKeySize)
        return {};
    QByteArray bytes;
    for (int i = 0; i < linkKeySize; i += 2)
        bytes.append(mask.at(i));
    bytes.append("0000");
    for (int shift = 0; shift < 32; shift += 8)
        bytes.append(char((secondsSinceEpoch >> shift) & 0xFF));
    xorMask(bytes, mask);
    return bytes;
}

QByteArray KeyExchange::request(int protocolType, quint32 secondsSinceEpoch, const QByteArray &mask)
{
    const QByteArray payload = challenge(secondsSinceEpoch, mask);
    if (payload.isEmpty())
        return {};
    if (protocolType == HidBase::legacyFraming)
        return LegacyPkg::build(command, 0x00, 0, payload);
    if (protocolType == HidBase::currentFraming)
        return CommPkg::build(command, payload);
    return {};
}

std::optional<QByteArray> KeyExchange::linkKey(const QByteArray &replyPayload, const QByteArray &mask)
{
    if (mask.size() != linkKeySize || replyPayload.size() < 4)
        return std::nullopt;
    QByteArray plain = replyPayload;
    xorMask(plain, mask);
    if (quint8(plain.at(0)) != keyAccepted || quint8(plain.at(1)) != linkKeySize
        || plain.size() < keyReplySize) {
        qCWarning(lcProtocol) << "key exchange refused:" << plain.left(2).toHex(' ') << plain.size();
        return std::nullopt;
    }
    return plain.mid(4, linkKeySize);
}

void KeyExchange::begin(HidBase &link)
{
    link.setAESComm(false);
}

bool KeyExchange::finish(HidBase &link, const QByteArray &replyPayload, const QByteArray &mask)
{
    const std::optional<QByteArray> key = linkKey(replyPayload, mask);
    if (!key)
        return false;
    link.setAesKey(*key);
    link.setAESComm(true);
    return true;
}
