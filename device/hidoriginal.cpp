#include "hidoriginal.h"

#include <hidapi.h>

#include <array>

#include "devicelog.h"

namespace {

// Output report: report id 0, payload length, payload, zero padding.
// Input report (no report id from hidapi): payload length, payload.
constexpr int outputReportSize = 65;
constexpr int inputReportSize = 64;
constexpr int payloadRoom = inputReportSize - 1;
// The recorder firmware waits this long itself; the transport time-out is
// for the bridges only.
constexpr int readWaitMs = 100;
// Bounds one read call; the command layer polls again for the rest.
constexpr int maxBytesPerRead = 640;

} // namespace

HidOriginal::HidOriginal() = default;

HidOriginal::~HidOriginal()
{
    close();
}

bool HidOriginal::open()
{
    if (m_device)
        return false;
    m_device = hid_open(vendorId, legacyProductId, nullptr);
    if (m_device) {
        setProtocolType(legacyFraming);
        return true;
    }
    m_device = hid_open(vendorId, currentProductId, nullptr);
    if (m_device) {
        setProtocolType(currentFraming);
        return true;
    }
    return false;
}

void HidOriginal::close()
{
    if (!m_device)
        return;
    hid_close(m_device);
    m_device = nullptr;
}

bool HidOriginal::write(const QByteArray &data)
{
    if (!m_device)
        return false;
    traceSent("hid", data);
    for (int offset = 0; offset < data.size(); offset += payloadRoom) {
        const int length = qMin(payloadRoom, data.size() - offset);
        std::array<unsigned char, outputReportSize> report{};
        report[1] = static_cast<unsigned char>(length);
        std::copy_n(data.constData() + offset, length, report.begin() + 2);
        if (hid_write(m_device, report.data(), report.size()) < 0) {
            qCWarning(lcDevice) << "hid write failed";
            return false;
        }
    }
    return true;
}

bool HidOriginal::read(QByteArray &buffer)
{
    if (!m_device)
        return false;
    QByteArray received;
    // Every pass that goes on appends at least one byte, so this ends.
    while (received.size() < maxBytesPerRead) {
        std::array<unsigned char, inputReportSize> report{};
        const int got = hid_read_timeout(m_device, report.data(), report.size(), readWaitMs);
        if (got <= 0)
            break;
        const int length = report[0];
        if (length == 0)
            break;
        if (length > got - 1) {
            qCWarning(lcDevice) << "hid report length refused:" << length << "room" << got - 1;
            break;
        }
        received.append(reinterpret_cast<const char *>(report.data() + 1), length);
    }
    if (!received.isEmpty())
        traceReceived("hid", received);
    buffer.append(received);
    return !buffer.isEmpty();
}
