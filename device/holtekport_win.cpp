#include "holtekport.h"

#include <QLibrary>

#include <windows.h>

#include <cstring>

// The vendor library is loaded by name at run time and stays loaded for the
// life of the process; without it this bridge never opens.

namespace {

using SetFeatureFn = BOOL(WINAPI *)(HANDLE, PVOID, ULONG);
using GetFeatureFn = BOOL(WINAPI *)(HANDLE, PVOID, ULONG);
using OpenFirstFn = HANDLE(WINAPI *)(USHORT, USHORT, USHORT, USHORT, USHORT);
using OpenNextFn = HANDLE(WINAPI *)();
using CloseFn = BOOL(WINAPI *)(HANDLE);

QLibrary &holtekLibrary()
{
    static QLibrary library(QStringLiteral("Holtek_HIDApi"));
    return library;
}

// Waits for a pending overlapped operation; one that does not complete in
// time is cancelled and drained so its buffer is never written later.
HoltekPort::Wait finish(HANDLE device, OVERLAPPED &ov, BOOL started, int waitMs)
{
    if (!started && GetLastError() != ERROR_IO_PENDING)
        return HoltekPort::Wait::Failed;
    const DWORD result = WaitForSingleObject(device, DWORD(qMax(0, waitMs)));
    DWORD transferred = 0;
    if (result == WAIT_OBJECT_0)
        return GetOverlappedResult(device, &ov, &transferred, FALSE) ? HoltekPort::Wait::Signalled
                                                                     : HoltekPort::Wait::Failed;
    CancelIo(device);
    GetOverlappedResult(device, &ov, &transferred, TRUE);
    return result == WAIT_TIMEOUT ? HoltekPort::Wait::TimedOut : HoltekPort::Wait::Failed;
}

} // namespace

struct HoltekPort::Impl
{
    SetFeatureFn setFeature = nullptr;
    GetFeatureFn getFeature = nullptr;  // resolved for completeness, never called
    OpenFirstFn openFirst = nullptr;
    OpenNextFn openNext = nullptr;      // resolved for completeness, never called
    CloseFn close = nullptr;
    HANDLE device = nullptr;
    OVERLAPPED readOverlapped{};
};

HoltekPort::HoltekPort()
    : d(std::make_unique<Impl>())
{
    QLibrary &library = holtekLibrary();
    if (!library.isLoaded() && !library.load())
        return;
    d->setFeature = reinterpret_cast<SetFeatureFn>(library.resolve("SetFeature"));
    d->getFeature = reinterpret_cast<GetFeatureFn>(library.resolve("GetFeature"));
    d->openFirst = reinterpret_cast<OpenFirstFn>(library.resolve("OpenFirstHIDDevice"));
    d->openNext = reinterpret_cast<OpenNextFn>(library.resolve("OpenNextHIDDevice"));
    d->close = reinterpret_cast<CloseFn>(library.resolve("CloseHIDDevice"));
}

HoltekPort::~HoltekPort()
{
    closeHIDDevice();
}

bool HoltekPort::isLoaded() const
{
    return d->setFeature && d->openFirst && d->close;
}

bool HoltekPort::openFirstHIDDevice(unsigned short vendorId, unsigned short productId)
{
    if (isOpen())
        return true;
    if (!isLoaded())
        return false;
    HANDLE device = d->openFirst(vendorId, productId, 0, 0, 0);
    d->device = (device == INVALID_HANDLE_VALUE) ? nullptr : device;
    return isOpen();
}

bool HoltekPort::isOpen() const
{
    return d->device != nullptr;
}

void HoltekPort::closeHIDDevice()
{
    if (!isOpen())
        return;
    d->close(d->device);
    d->device = nullptr;
    std::memset(&d->readOverlapped, 0, sizeof d->readOverlapped);
}

bool HoltekPort::setFeature(const unsigned char *report, int length)
{
    return isOpen() && d->setFeature(d->device, const_cast<unsigned char *>(report), ULONG(length));
}

HoltekPort::Wait HoltekPort::writeReport(const unsigned char *report, int waitMs)
{
    if (!isOpen())
        return Wait::Failed;
    OVERLAPPED ov{};
    const BOOL started = WriteFile(d->device, report, reportSize, nullptr, &ov);
    return finish(d->device, ov, started, waitMs);
}

HoltekPort::Wait HoltekPort::readReport(unsigned char *report, int waitMs)
{
    if (!isOpen())
        return Wait::Failed;
    std::memset(&d->readOverlapped, 0, sizeof d->readOverlapped);
    const BOOL started = ReadFile(d->device, report, reportSize, nullptr, &d->readOverlapped);
    return finish(d->device, d->readOverlapped, started, waitMs);
}
