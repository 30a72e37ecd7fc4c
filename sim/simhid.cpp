// The hidapi functions the transports call, answered by SimFirmware through
// the report layout of the configured bridge:
//   own HID interface: output 65 bytes  00 | n (0..63) | payload; input 64 bytes  n | payload
//   CH9326 and Holtek: output 33 bytes  00 | n (0..31) | payload; input 32 bytes  n | payload
#include <hidapi.h>

#include <QDateTime>
#include <QThread>

#include <deque>

#include "simfirmware.h"

namespace {

struct Report
{
    QByteArray bytes;     // empty: one read that finds nothing (a split reply's gap)
    qint64 readyAt = 0;   // recorder time at which it can be read
};

struct Recorder
{
    SimRecorder::Config config = SimRecorder::configFromEnvironment();
    SimRecorder::State state;
    SimFirmware firmware{config, state};
    std::deque<Report> pending;
    int openHandles = 0;
    bool pulled = false;
    std::function<qint64()> now = [] { return QDateTime::currentMSecsSinceEpoch(); };
    std::function<void(int)> sleep = [](int ms) {
        if (ms > 0)
            QThread::msleep(static_cast<unsigned long>(ms));
    };
};

Recorder &recorder()
{
    static Recorder r;
    return r;
}

// One handle value for every open: the program opens one bridge at a time.
hid_device *handle()
{
    return reinterpret_cast<hid_device *>(&recorder());
}

bool matches(unsigned short vendorId, unsigned short productId)
{
    const SimRecorder::Config &c = recorder().config;
    switch (c.bridge) {
    case SimRecorder::Bridge::Own:
        return vendorId == 0x1915 && productId == (c.framing == 1 ? 0xF33D : 0xF33C);
    case SimRecorder::Bridge::CH9326:
        return vendorId == 0x1A86 && productId == 0xE010;
    case SimRecorder::Bridge::Holtek:
        return vendorId == 0x04D9 && productId == 0xB564;
    }
    return false;
}

int inputRoom()
{
    return recorder().config.bridge == SimRecorder::Bridge::Own ? 63 : 31;
}

void queueReply(const QByteArray &reply)
{
    Recorder &r = recorder();
    const SimRecorder::Config &c = r.config;
    QByteArray bytes = reply;
    for (int i = 0; i < c.noiseBytes; ++i)
        bytes.prepend(char(i % 3 == 1 ? 0xA5 : 0x5A));
    QList<QByteArray> parts{bytes};
    if (c.splitReplies && bytes.size() > 1)
        parts = {bytes.left(bytes.size() / 2), bytes.mid(bytes.size() / 2)};
    qint64 at = r.now() + c.replyDelayMs;
    for (int p = 0; p < parts.size(); ++p) {
        if (p > 0)
            r.pending.push_back({QByteArray(), at});
        for (int offset = 0; offset < parts[p].size(); offset += inputRoom()) {
            at += c.reportGapMs;
            r.pending.push_back({parts[p].mid(offset, inputRoom()), at});
        }
    }
}

bool isGone()
{
    const Recorder &r = recorder();
    return r.pulled || !r.config.plugged;
}

} // namespace

extern "C" {

SIM_EXPORT hid_device *hid_open(unsigned short vendor_id, unsigned short product_id, const wchar_t *)
{
    Recorder &r = recorder();
    if (isGone() || !matches(vendor_id, product_id) || r.config.locked)
        return nullptr;
    ++r.openHandles;
    ++r.state.opens;
    return handle();
}

// The simulated recorder is listed like a hidraw node: present whether or
// not this user may open it.
SIM_EXPORT struct hid_device_info *hid_enumerate(unsigned short vendor_id, unsigned short product_id)
{
    if (isGone() || !matches(vendor_id, product_id))
        return nullptr;
    auto *info = new hid_device_info{};
    static char path[] = "/dev/hidraw-sim";
    info->path = path;
    info->vendor_id = vendor_id;
    info->product_id = product_id;
    return info;
}

SIM_EXPORT hid_device *hid_open_path(const char *)
{
    Recorder &r = recorder();
    if (isGone() || r.config.locked)
        return nullptr;
    ++r.openHandles;
    ++r.state.opens;
    return handle();
}

SIM_EXPORT void hid_free_enumeration(struct hid_device_info *devices)
{
    while (devices) {
        hid_device_info *next = devices->next;
        delete devices;
        devices = next;
    }
}

SIM_EXPORT void hid_close(hid_device *device)
{
    Recorder &r = recorder();
    if (device != handle() || r.openHandles == 0)
        return;
    // Replies nobody read are gone with the handle.
    if (--r.openHandles == 0)
        r.pending.clear();
}

SIM_EXPORT int hid_write(hid_device *device, const unsigned char *data, size_t length)
{
    Recorder &r = recorder();
    if (device != handle() || isGone() || length < 2)
        return -1;
    const int announced = data[1];
    if (announced > int(length) - 2)
        return -1;
    const QByteArray reply = r.firmware.receive(QByteArray(reinterpret_cast<const char *>(data + 2), announced));
    if (!reply.isEmpty())
        queueReply(reply);
    if (r.config.unplugAfterChunk >= 0 && r.state.chunksServed >= r.config.unplugAfterChunk)
        SimRecorder::unplug();
    return int(length);
}

SIM_EXPORT int hid_read_timeout(hid_device *device, unsigned char *data, size_t length, int milliseconds)
{
    Recorder &r = recorder();
    if (device != handle() || isGone())
        return -1;
    const int wait = qMax(0, milliseconds);
    if (r.pending.empty()) {
        r.sleep(wait);
        return 0;
    }
    const Report next = r.pending.front();
    const qint64 until = next.readyAt - r.now();
    if (until > wait) {
        r.sleep(wait);
        return 0;
    }
    r.sleep(int(qMax<qint64>(0, until)));
    r.pending.pop_front();
    if (next.bytes.isEmpty())
        return 0;
    const int size = qMin(int(length), inputRoom() + 1);
    std::fill(data, data + size, 0);
    data[0] = static_cast<unsigned char>(next.bytes.size());
    std::copy(next.bytes.begin(), next.bytes.end(), data + 1);
    return size;
}

SIM_EXPORT int hid_send_feature_report(hid_device *device, const unsigned char *, size_t length)
{
    if (device != handle() || isGone())
        return -1;
    return int(length);
}

} // extern "C"

namespace SimRecorder {

void configure(const Config &config)
{
    Recorder &r = recorder();
    r.config = config;
    r.state = State();
    r.firmware.reset();
    r.pending.clear();
    r.pulled = false;
}

Config &config()
{
    return recorder().config;
}

const State &state()
{
    return recorder().state;
}

void unplug()
{
    Recorder &r = recorder();
    r.pulled = true;
    r.pending.clear();
    r.firmware.reset();
}

void setClock(std::function<qint64()> now, std::function<void(int)> sleep)
{
    recorder().now = std::move(now);
    recorder().sleep = std::move(sleep);
}

} // namespace SimRecorder
