#include "fakehidapi.h"

#include <hidapi.h>

#include <cstring>
#include <list>

struct hid_device_
{
    FakeHid::Device *device;
};

namespace {

std::list<FakeHid::Device> plugged;
int handles = 0;

} // namespace

namespace FakeHid {

void reset()
{
    plugged.clear();
    handles = 0;
}

Device &plug(unsigned short vendorId, unsigned short productId)
{
    plugged.push_back(Device());
    plugged.back().vendorId = vendorId;
    plugged.back().productId = productId;
    return plugged.back();
}

int openHandles()
{
    return handles;
}

QByteArray report(const QByteArray &payload, int size, int lengthByte)
{
    QByteArray bytes(1, char(lengthByte < 0 ? payload.size() : lengthByte));
    bytes.append(payload);
    bytes.append(QByteArray(qMax(0, size - bytes.size()), '\0'));
    return bytes.left(size);
}

} // namespace FakeHid

extern "C" {

hid_device *HID_API_EXPORT hid_open(unsigned short vendor_id, unsigned short product_id,
                                    const wchar_t *)
{
    for (FakeHid::Device &device : plugged) {
        if (device.vendorId == vendor_id && device.productId == product_id) {
            ++device.opens;
            ++handles;
            return new hid_device_{&device};
        }
    }
    return nullptr;
}

void HID_API_EXPORT hid_close(hid_device *dev)
{
    if (!dev)
        return;
    --handles;
    delete dev;
}

int HID_API_EXPORT hid_write(hid_device *dev, const unsigned char *data, size_t length)
{
    if (dev->device->failWrites)
        return -1;
    dev->device->written.append(QByteArray(reinterpret_cast<const char *>(data), int(length)));
    return int(length);
}

int HID_API_EXPORT hid_read_timeout(hid_device *dev, unsigned char *data, size_t length,
                                    int milliseconds)
{
    dev->device->lastReadTimeoutMs = milliseconds;
    if (dev->device->failReads)
        return -1;
    if (dev->device->input.isEmpty())
        return 0;
    const QByteArray next = dev->device->input.takeFirst();
    const int count = qMin(int(length), next.size());
    std::memcpy(data, next.constData(), size_t(count));
    return count;
}

int HID_API_EXPORT hid_send_feature_report(hid_device *dev, const unsigned char *data,
                                           size_t length)
{
    dev->device->features.append(QByteArray(reinterpret_cast<const char *>(data), int(length)));
    return int(length);
}

} // extern "C"
