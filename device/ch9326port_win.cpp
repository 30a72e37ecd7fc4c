#include "ch9326port.h"

#include <QLibrary>

#include <windows.h>

#include "devicelog.h"

// The vendor library is resolved by name, so a machine without it still
// starts and this bridge simply never opens.

namespace {

using DllIntFn = BOOL(WINAPI *)();
using OpenDeviceFn = HANDLE(WINAPI *)(USHORT, USHORT);
using GetBufferLenFn = BOOL(WINAPI *)(HANDLE, USHORT *, USHORT *);
using SetTimeOutFn = BOOL(WINAPI *)(HANDLE, ULONG, ULONG);
using SetRateFn = BOOL(WINAPI *)(HANDLE, UCHAR, UCHAR, UCHAR, UCHAR, UCHAR);
using ReadDataFn = BOOL(WINAPI *)(HANDLE, PVOID, PULONG, HANDLE);
using WriteDataFn = BOOL(WINAPI *)(HANDLE, PVOID, ULONG, HANDLE);
using CloseDeviceFn = BOOL(WINAPI *)(HANDLE);

} // namespace

struct Ch9326Port::Impl
{
    QLibrary library{QStringLiteral("CH9326DLL")};
    DllIntFn dllInt = nullptr;
    OpenDeviceFn openDevice = nullptr;
    GetBufferLenFn getBufferLen = nullptr;
    SetTimeOutFn setTimeOut = nullptr;
    SetRateFn setRate = nullptr;
    ReadDataFn readData = nullptr;
    WriteDataFn writeData = nullptr;
    CloseDeviceFn closeDevice = nullptr;
    HANDLE device = INVALID_HANDLE_VALUE;
    // Manual-reset, initially signalled, as the library's overlapped I/O expects.
    HANDLE event = CreateEventW(nullptr, TRUE, TRUE, nullptr);

    bool isComplete() const
    {
        return openDevice && getBufferLen && setTimeOut && setRate && readData && writeData
            && closeDevice && event;
    }
};

Ch9326Port::Ch9326Port()
    : d(std::make_unique<Impl>())
{
    if (!d->library.load()) {
        qCWarning(lcDevice) << "ch9326 load fail" << d->library.errorString();
        return;
    }
    d->dllInt = reinterpret_cast<DllIntFn>(d->library.resolve("CH9326DllInt"));
    d->openDevice = reinterpret_cast<OpenDeviceFn>(d->library.resolve("CH9326OpenDevice"));
    d->getBufferLen = reinterpret_cast<GetBufferLenFn>(d->library.resolve("CH9326GetBufferLen"));
    d->setTimeOut = reinterpret_cast<SetTimeOutFn>(d->library.resolve("CH9326SetTimeOut"));
    d->setRate = reinterpret_cast<SetRateFn>(d->library.resolve("CH9326SetRate"));
    d->readData = reinterpret_cast<ReadDataFn>(d->library.resolve("CH9326ReadData"));
    d->writeData = reinterpret_cast<WriteDataFn>(d->library.resolve("CH9326WriteData"));
    d->closeDevice = reinterpret_cast<CloseDeviceFn>(d->library.resolve("CH9326CloseDevice"));
    if (d->dllInt)
        d->dllInt();
}

Ch9326Port::~Ch9326Port()
{
    closeDevice();
    if (d->event)
        CloseHandle(d->event);
}

bool Ch9326Port::openDevice(unsigned short vendorId, unsigned short productId)
{
    if (isOpen())
        return true;
    if (!d->isComplete())
        return false;
    d->device = d->openDevice(vendorId, productId);
    return isOpen();
}

bool Ch9326Port::isOpen() const
{
    return d->device != INVALID_HANDLE_VALUE && d->device != nullptr;
}

void Ch9326Port::closeDevice()
{
    if (!isOpen())
        return;
    d->closeDevice(d->device);
    d->device = INVALID_HANDLE_VALUE;
}

bool Ch9326Port::getBufferLen(unsigned short &inputLength, unsigned short &outputLength)
{
    USHORT in = 0;
    USHORT out = 0;
    if (!isOpen() || !d->getBufferLen(d->device, &in, &out))
        return false;
    inputLength = in;
    outputLength = out;
    return true;
}

bool Ch9326Port::setTimeOut(int readMs, int writeMs)
{
    return isOpen() && d->setTimeOut(d->device, ULONG(qMax(0, readMs)), ULONG(qMax(0, writeMs)));
}

bool Ch9326Port::setRate(int rate, int check, int stop, int data, int interval)
{
    return isOpen()
        && d->setRate(d->device, UCHAR(rate), UCHAR(check), UCHAR(stop), UCHAR(data), UCHAR(interval));
}

bool Ch9326Port::readData(unsigned char *buffer, int &length)
{
    length = 0;
    if (!isOpen())
        return false;
    ULONG delivered = readRoom;
    if (!d->readData(d->device, buffer, &delivered, d->event))
        return false;
    if (delivered > ULONG(readRoom)) {
        qCWarning(lcDevice) << "ch9326 read length refused:" << delivered;
        return false;
    }
    length = int(delivered);
    return true;
}

bool Ch9326Port::writeData(const unsigned char *data, int length)
{
    if (!isOpen() || length < 0)
        return false;
    return d->writeData(d->device, const_cast<unsigned char *>(data), ULONG(length), d->event);
}
