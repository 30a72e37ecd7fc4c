#include "holtekport.h"

#include <hidapi.h>

#include "devicelog.h"

// Our own layer over hidapi; the bridge appears as a plain HID device
// without numbered reports, so hidapi strips the report id on input.
//   output report (33 bytes, hid_write):      00 | n (0..31) | n payload bytes | zero padding
//   input report (32 bytes from hid_read):    n (0..31) | n payload bytes | padding,
//                                             handed up with report id 00 put back in front
//   feature report (32 bytes, report id 00):  the line configuration of HidClass
// hid_write returns once the report is queued, so a write never times out here.

struct HoltekPort::Impl
{
    hid_device *device = nullptr;
};

HoltekPort::HoltekPort()
    : d(std::make_unique<Impl>())
{
}

HoltekPort::~HoltekPort()
{
    closeHIDDevice();
}

bool HoltekPort::isLoaded() const
{
    return true;
}

bool HoltekPort::openFirstHIDDevice(unsigned short vendorId, unsigned short productId)
{
    if (d->device)
        return true;
    d->device = hid_open(vendorId, productId, nullptr);
    return d->device != nullptr;
}

bool HoltekPort::isOpen() const
{
    return d->device != nullptr;
}

void HoltekPort::closeHIDDevice()
{
    if (!d->device)
        return;
    hid_close(d->device);
    d->device = nullptr;
}

bool HoltekPort::setFeature(const unsigned char *report, int length)
{
    return d->device && hid_send_feature_report(d->device, report, size_t(length)) >= 0;
}

HoltekPort::Wait HoltekPort::writeReport(const unsigned char *report, int)
{
    if (!d->device || hid_write(d->device, report, reportSize) < 0)
        return Wait::Failed;
    return Wait::Signalled;
}

HoltekPort::Wait HoltekPort::readReport(unsigned char *report, int waitMs)
{
    if (!d->device)
        return Wait::Failed;
    report[0] = 0x00;
    const int got = hid_read_timeout(d->device, report + 1, reportSize - 1, waitMs);
    if (got < 0)
        return Wait::Failed;
    if (got == 0)
        return Wait::TimedOut;
    if (report[1] > got - 1) {
        qCWarning(lcDevice) << "holtek report length refused:" << report[1] << "room" << got - 1;
        return Wait::Failed;
    }
    return Wait::Signalled;
}
