#pragma once

#include <QByteArray>

#include <optional>

// The link encryption after a key exchange: AES-128-ECB with PKCS#7 padding.
// Padding is ours, not the library's, because a decrypted block whose tail
// is not valid padding must come back whole rather than fail.

constexpr int linkKeySize = 16;

// None when the key is not 16 bytes or the cipher cannot be set up.
std::optional<QByteArray> aesEncrypt(const QByteArray &plain, const QByteArray &key);
// None when the key is not 16 bytes, the input is not whole blocks, or the
// cipher cannot be set up. Valid padding is removed, anything else is kept.
std::optional<QByteArray> aesDecrypt(const QByteArray &cipher, const QByteArray &key);

// XOR with the key repeated over the bytes; an empty key leaves them alone.
void xorMask(QByteArray &bytes, const QByteArray &key);
