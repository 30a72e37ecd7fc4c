#include "crc8.h"

#include <array>

namespace {

constexpr std::array<quint8, 256> makeTable()
{
    std::array<quint8, 256> table{};
    for (int i = 0; i < 256; ++i) {
        quint8 value = quint8(i);
        for (int bit = 0; bit < 8; ++bit)
            value = (value & 0x80) ? quint8((value << 1) ^ 0x07) : quint8(value << 1);
        table[i] = value;
    }
    return table;
}

constexpr std::array<quint8, 256> table = makeTable();

} // namespace

quint8 crc8(const char *data, int length)
{
    quint8 crc = 0;
    for (int i = 0; i < length; ++i)
        crc = table[crc ^ quint8(data[i])];
    return crc;
}

quint8 crc8(const QByteArray &bytes)
{
    return crc8(bytes.constData(), bytes.size());
}
