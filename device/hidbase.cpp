#include "hidbase.h"

#include "devicelog.h"

HidBase::HidBase(int timeoutMs)
    : m_timeoutMs(timeoutMs)
{
}

HidBase::~HidBase() = default;

bool HidBase::open()
{
    return false;
}

void HidBase::close()
{
}

bool HidBase::write(const QByteArray &)
{
    return false;
}

bool HidBase::read(QByteArray &)
{
    return false;
}

int HidBase::protocolType() const
{
    return m_protocolType;
}

bool HidBase::needCheckCommVer() const
{
    return m_needCheck;
}

void HidBase::setNeedCheckCommVer(bool need)
{
    m_needCheck = need;
}

void HidBase::traceSent(const char *variant, const QByteArray &bytes)
{
    qCDebug(lcDevice) << variant << "tx" << bytes.toHex(' ');
}

void HidBase::traceReceived(const char *variant, const QByteArray &bytes)
{
    qCDebug(lcDevice) << variant << "rx" << bytes.toHex(' ');
}
