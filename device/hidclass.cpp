#include "hidclass.h"

#include <array>

#include "devicelog.h"

namespace {

// Report id and length byte take two of the 33 report bytes.
constexpr int payloadRoom = HoltekPort::reportSize - 2;
// One read call stops once it holds more than this; the command layer polls again.
constexpr int maxBytesPerRead = 520;

// 115200 baud towards the recorder (bytes 2..5, little-endian), 8 data bits.
constexpr std::array<unsigned char, 32> lineConfiguration{0x00, 0x01, 0x00, 0xC2, 0x01,
                                                          0x00, 0x00, 0x00, 0x08};

} // namespace

HidClass::HidClass()
{
    if (!m_port.isLoaded())
        qCWarning(lcDevice) << "load fail";
}

HidClass::~HidClass()
{
    close();
}

bool HidClass::open()
{
    if (m_port.isOpen())
        return true;
    if (!m_port.openFirstHIDDevice(vendorId, productId))
        return false;
    // Bridges that keep their line settings refuse this harmlessly.
    m_port.setFeature(lineConfiguration.data(), int(lineConfiguration.size()));
    return true;
}

void HidClass::close()
{
    m_port.closeHIDDevice();
}

bool HidClass::write(const QByteArray &data)
{
    if (!m_port.isOpen())
        return false;
    traceSent("holtek", data);
    // One output report carries 31 bytes; longer requests go out as several.
    for (int offset = 0; offset < data.size(); offset += payloadRoom) {
        const int length = qMin(payloadRoom, data.size() - offset);
        std::array<unsigned char, HoltekPort::reportSize> report{};
        report[1] = static_cast<unsigned char>(length);
        std::copy_n(data.constData() + offset, length, report.begin() + 2);
        if (m_port.writeReport(report.data(), 3 * timeout()) != HoltekPort::Wait::Signalled) {
            qCWarning(lcDevice) << "holtek write time out.";
            return false;
        }
    }
    return true;
}

bool HidClass::read(QByteArray &buffer)
{
    if (!m_port.isOpen())
        return false;
    QByteArray received;
    // Every pass that goes on appends at least one byte, so this ends; a
    // failed wait ends the call like a time-out instead of polling on.
    while (received.size() <= maxBytesPerRead) {
        std::array<unsigned char, HoltekPort::reportSize> report{};
        if (m_port.readReport(report.data(), timeout()) != HoltekPort::Wait::Signalled)
            break;
        const int length = report[1];
        if (length == 0)
            break;
        if (length > payloadRoom) {
            qCWarning(lcDevice) << "holtek report length refused:" << length;
            break;
        }
        received.append(reinterpret_cast<const char *>(report.data() + 2), length);
    }
    if (!received.isEmpty())
        traceReceived("holtek", received);
    // Appended like the other variants: a current-framing reply split over
    // two reads must be reassembled, not lose its first half.
    buffer.append(received);
    return true;
}
