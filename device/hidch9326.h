#pragma once

#include "ch9326port.h"
#include "hidbase.h"

// Recorders behind a CH9326 HID-to-UART bridge.
class HidCH9326 : public HidBase
{
public:
    static constexpr unsigned short vendorId = 0x1A86;
    static constexpr unsigned short productId = 0xE010;

    HidCH9326();
    ~HidCH9326() override;

    bool open() override;
    void close() override;
    bool write(const QByteArray &data) override;
    bool read(QByteArray &buffer) override;

private:
    Ch9326Port m_port;
    unsigned short m_inputLength = 0;
    unsigned short m_outputLength = 0;
};
