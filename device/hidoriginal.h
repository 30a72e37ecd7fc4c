#pragma once

#include "hidbase.h"

struct hid_device_;

// Recorders with their own HID interface. The product id tells the framing
// generation before any packet is exchanged.
class HidOriginal : public HidBase
{
public:
    static constexpr unsigned short vendorId = 0x1915;
    static constexpr unsigned short legacyProductId = 0xF33D;
    static constexpr unsigned short currentProductId = 0xF33C;

    HidOriginal();
    ~HidOriginal() override;

    bool open() override;
    void close() override;
    bool write(const QByteArray &data) override;
    bool read(QByteArray &buffer) override;

private:
    hid_device_ *m_device = nullptr;
};
