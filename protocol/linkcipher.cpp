#include "linkcipher.h"

#include <openssl/evp.h>

#include <memory>

#include "protocollog.h"

namespace {

constexpr int blockSize = 16;

using CipherContext = std::unique_ptr<EVP_CIPHER_CTX, decltype(&EVP_CIPHER_CTX_free)>;

// Whole blocks in, the same number of bytes out; padding is done by the callers.
std::optional<QByteArray> runBlocks(const QByteArray &input, const QByteArray &key, bool encrypt)
{
    CipherContext context(EVP_CIPHER_CTX_new(), &EVP_CIPHER_CTX_free);
    const auto *keyBytes = reinterpret_cast<const unsigned char *>(key.constData());
    if (!context
        || EVP_CipherInit_ex(context.get(), EVP_aes_128_ecb(), nullptr, keyBytes, nullptr,
                             encrypt ? 1 : 0) != 1
        || EVP_CIPHER_CTX_set_padding(context.get(), 0) != 1) {
        qCWarning(lcProtocol) << "aes key setup failed";
        return std::nullopt;
    }
    QByteArray output(input.size(), '\0');
    auto *out = reinterpret_cast<unsigned char *>(output.data());
    int written = 0;
    int finalWritten = 0;
    if (EVP_CipherUpdate(context.get(), out, &written,
                         reinterpret_cast<const unsigned char *>(input.constData()), input.size()) != 1
        || EVP_CipherFinal_ex(context.get(), out + written, &finalWritten) != 1
        || written + finalWritten != input.size()) {
        qCWarning(lcProtocol) << "aes block run failed";
        return std::nullopt;
    }
    return output;
}

} // namespace

std::optional<QByteArray> aesEncrypt(const QByteArray &plain, const QByteArray &key)
{
    if (key.size() != linkKeySize)
        return std::nullopt;
    const int pad = blockSize - plain.size() % blockSize;
    return runBlocks(plain + QByteArray(pad, char(pad)), key, true);
}

std::optional<QByteArray> aesDecrypt(const QByteArray &cipher, const QByteArray &key)
{
    if (key.size() != linkKeySize || cipher.size() % blockSize != 0)
        return std::nullopt;
    if (cipher.isEmpty())
        return QByteArray();
    std::optional<QByteArray> plain = runBlocks(cipher, key, false);
    if (!plain)
        return std::nullopt;
    const int pad = quint8(plain->back());
    if (pad < 1 || pad > blockSize || pad > plain->size())
        return plain;
    for (int i = plain->size() - pad; i < plain->size(); ++i) {
        if (quint8(plain->at(i)) != pad)
            return plain;
    }
    plain->chop(pad);
    return plain;
}

void xorMask(QByteArray &bytes, const QByteArray &key)
{
    if (key.isEmpty())
        return;
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char(bytes.at(i) ^ key.at(i % key.size()));
}
