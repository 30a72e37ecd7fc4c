#include "ch9326port.h"

#include <hidapi.h>

#include <algorithm>
#include <array>

#include "devicelog.h"

// Our own layer over hidapi; the bridge appears as a plain HID device
// without numbered reports.
//   output report (33 bytes, hid_write):  00 | n (1..31) | n payload bytes | zero padding
//   input report (32 bytes, hid_read):    n (0..31) | n payload bytes | padding
//   feature report (6 bytes):             00 | rate | check | stop | data | interval
// A length byte larger than the bytes the report carries is refused.

namespace {

constexpr int outputReportSize = 33;
constexpr int inputReportSize = 32;

} // namespace

struct Ch9326Port::Impl
{
    hid_device *device = nullptr;
    int readTimeoutMs = 30;
};

Ch9326Port::Ch9326Port()
    : d(std::make_unique<Impl>())
{
}

Ch9326Port::~Ch9326Port()
{
    closeDevice();
}

bool Ch9326Port::openDevice(unsigned short vendorId, unsigned short productId)
{
    if (d->device)
        return true;
    d->device = hid_open(vendorId, productId, nullptr);
    return d->device != nullptr;
}

bool Ch9326Port::isOpen() const
{
    return d->device != nullptr;
}

void Ch9326Port::closeDevice()
{
    if (!d->device)
        return;
    hid_close(d->device);
    d->device = nullptr;
}

bool Ch9326Port::getBufferLen(unsigned short &inputLength, unsigned short &outputLength)
{
    if (!d->device)
        return false;
    inputLength = inputReportSize;
    outputLength = outputReportSize;
    return true;
}

bool Ch9326Port::setTimeOut(int readMs, int)
{
    // hid_write blocks until the report is queued; only reads can time out.
    d->readTimeoutMs = std::max(0, readMs);
    return d->device != nullptr;
}

bool Ch9326Port::setRate(int rate, int check, int stop, int data, int interval)
{
    if (!d->device)
        return false;
    const std::array<unsigned char, 6> report{0x00,
                                              static_cast<unsigned char>(rate),
                                              static_cast<unsigned char>(check),
                                              static_cast<unsigned char>(stop),
                                              static_cast<unsigned char>(data),
                                              static_cast<unsigned char>(interval)};
    return hid_send_feature_report(d->device, report.data(), report.size()) >= 0;
}

bool Ch9326Port::readData(unsigned char *buffer, int &length)
{
    length = 0;
    if (!d->device)
        return false;
    std::array<unsigned char, inputReportSize> report{};
    const int got = hid_read_timeout(d->device, report.data(), report.size(), d->readTimeoutMs);
    if (got < 0)
        return false;
    if (got == 0)
        return true;
    const int announced = report[0];
    if (announced > std::min(readRoom, got - 1)) {
        qCWarning(lcDevice) << "ch9326 report length refused:" << announced << "room" << got - 1;
        return false;
    }
    std::copy_n(report.begin() + 1, announced, buffer);
    length = announced;
    return true;
}

bool Ch9326Port::writeData(const unsigned char *data, int length)
{
    if (!d->device || length < 0 || length > outputReportSize - 2)
        return false;
    std::array<unsigned char, outputReportSize> report{};
    report[1] = static_cast<unsigned char>(length);
    std::copy_n(data, length, report.begin() + 2);
    return hid_write(d->device, report.data(), report.size()) >= 0;
}
