#pragma once

#include <QByteArray>

// One byte pipe to a recorder. A variant only moves raw bytes; framing,
// checksums and encryption live in protocol/. Besides the pipe, each
// transport carries what the layers above learnt about the last recorder
// seen on it; that state survives close().
class HidBase
{
public:
    static constexpr int legacyFraming = 1;
    static constexpr int currentFraming = 2;

    virtual ~HidBase();

    HidBase(const HidBase &) = delete;
    HidBase &operator=(const HidBase &) = delete;

    // True when a device was found and opened.
    virtual bool open();
    // Safe to call when not open.
    virtual void close();
    // Sends the whole buffer; true when every report was accepted.
    virtual bool write(const QByteArray &data);
    // Collects what the device sends within the variant's time limits.
    virtual bool read(QByteArray &buffer);

    virtual int protocolType() const;
    virtual bool needCheckCommVer() const;
    virtual void setNeedCheckCommVer(bool need);

    bool isAESComm() const { return m_isAESComm; }
    void setAESComm(bool on) { m_isAESComm = on; }
    QByteArray aesKey() const { return m_aesKey; }
    void setAesKey(const QByteArray &key) { m_aesKey = key; }
    void setProtocolType(int type) { m_protocolType = type; }
    // Read time-out of one low-level read, in milliseconds.
    void setTimeout(int milliseconds) { m_timeoutMs = milliseconds; }
    int timeout() const { return m_timeoutMs; }

protected:
    explicit HidBase(int timeoutMs = 100);

    // The byte trace of the link, taken here once for every variant.
    static void traceSent(const char *variant, const QByteArray &bytes);
    static void traceReceived(const char *variant, const QByteArray &bytes);

private:
    int m_timeoutMs;
    int m_protocolType = legacyFraming;
    bool m_needCheck = true;
    bool m_isAESComm = false;
    QByteArray m_aesKey;
};
