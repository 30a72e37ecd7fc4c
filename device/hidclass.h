#pragma once

#include "hidbase.h"
#include "holtekport.h"

// Recorders behind a Holtek HID-to-UART bridge.
class HidClass : public HidBase
{
public:
    static constexpr unsigned short vendorId = 0x04D9;
    static constexpr unsigned short productId = 0xB564;

    HidClass();
    ~HidClass() override;

    bool open() override;
    void close() override;
    bool write(const QByteArray &data) override;
    bool read(QByteArray &buffer) override;

private:
    HoltekPort m_port;
};
