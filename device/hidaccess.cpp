#include "hidaccess.h"

#include <hidapi.h>

#include "devicelog.h"

namespace {

struct UsbId
{
    unsigned short vendor;
    unsigned short product;
};

// The recorders' own interface in both framings, and the two bridges.
constexpr UsbId recorderIds[] = {{0x1915, 0xF33D}, {0x1915, 0xF33C}, {0x1A86, 0xE010}, {0x04D9, 0xB564}};

} // namespace

bool HidAccess::isRecorderListedButClosed()
{
    bool closed = false;
    for (const UsbId &id : recorderIds) {
        hid_device_info *listed = hid_enumerate(id.vendor, id.product);
        for (hid_device_info *info = listed; info; info = info->next) {
            hid_device *device = hid_open_path(info->path);
            if (device) {
                hid_close(device);
                continue;
            }
            qCWarning(lcDevice).nospace() << "listed but not openable: " << Qt::hex << id.vendor << ':' << id.product
                                          << " at " << info->path;
            closed = true;
        }
        hid_free_enumeration(listed);
    }
    return closed;
}
