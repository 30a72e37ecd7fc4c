#include "hidch9326.h"

#include <QThread>

#include "devicelog.h"

namespace {

// The bridge's own default until the command layer sets the link time-out.
constexpr int initialTimeoutMs = 30;
// Gives the bridge's UART side time to drain between output reports.
constexpr int chunkPauseMs = 6;
// Far more than the longest reply; a bridge that never stops is cut here.
constexpr int maxBufferedBytes = 5200;

} // namespace

HidCH9326::HidCH9326()
    : HidBase(initialTimeoutMs)
{
}

HidCH9326::~HidCH9326()
{
    close();
}

bool HidCH9326::open()
{
    // Reopening would leak the handle already held.
    if (m_port.isOpen())
        return true;
    if (!m_port.openDevice(vendorId, productId))
        return false;
    // These three only tune the bridge; an old bridge refusing one still works.
    m_port.getBufferLen(m_inputLength, m_outputLength);
    m_port.setTimeOut(timeout(), timeout());
    m_port.setRate(13, 4, 1, 4, 48);
    return true;
}

void HidCH9326::close()
{
    m_port.closeDevice();
}

bool HidCH9326::write(const QByteArray &data)
{
    if (!m_port.isOpen())
        return false;
    // Two bytes of every output report are the bridge's own framing.
    const int chunkSize = int(m_outputLength) - 2;
    if (chunkSize < 1) {
        qCWarning(lcDevice) << "ch9326 output report too small:" << m_outputLength;
        return false;
    }
    traceSent("ch9326", data);
    for (int offset = 0; offset < data.size(); offset += chunkSize) {
        const int length = qMin(chunkSize, data.size() - offset);
        const auto *chunk = reinterpret_cast<const unsigned char *>(data.constData() + offset);
        if (!m_port.writeData(chunk, length)) {
            qCWarning(lcDevice) << "ch9326 write failed";
            return false;
        }
        QThread::msleep(chunkPauseMs);
    }
    return true;
}

bool HidCH9326::read(QByteArray &buffer)
{
    if (!m_port.isOpen())
        return false;
    const int before = buffer.size();
    bool ok = true;
    // Every pass that goes on appends at least one byte, so this ends.
    for (;;) {
        unsigned char chunk[Ch9326Port::readRoom] = {};
        int length = 0;
        if (!m_port.readData(chunk, length)) {
            ok = false;
            break;
        }
        if (length == 0)
            break;
        buffer.append(reinterpret_cast<const char *>(chunk), length);
        if (buffer.size() >= maxBufferedBytes) {
            qCWarning(lcDevice) << "ch9326, err recv size";
            break;
        }
    }
    if (buffer.size() > before)
        traceReceived("ch9326", buffer.mid(before));
    return ok;
}
