#pragma once

#include <QByteArray>

// CRC-8, polynomial 0x07, initial value 0, no reflection, no final XOR:
// the checksum of both packet framings.
quint8 crc8(const char *data, int length);
quint8 crc8(const QByteArray &bytes);
