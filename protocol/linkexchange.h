#pragma once

#include <QByteArray>

#include <atomic>

class HidBase;
class LinkClock;

// Results of one request/reply exchange.
enum CommResult {
    COMM_OK = 0x100,          // a valid reply arrived
    COMM_ERR_NO_DATA = 0x101, // 50 empty polls in the last attempt
    COMM_ERR_SEND = 0x102,    // the transport refused the request (last attempt)
    COMM_ERR_TIMEOUT = 0x103, // the time limit passed; no further attempts
    COMM_ERR_BAD_PKG = 0x104, // a reply arrived but was invalid or would not decrypt
    COMM_ERR_STOPPED = 0x105, // the stop flag was seen
};

// One request/reply exchange with its retries, time-outs and log entries.
// The reply payload is decrypted when the link is encrypted.
class LinkExchange
{
public:
    // Ends an attempt at the first empty read; a reply must start within
    // shortReplyLimitMs.
    static constexpr int shortTimeout = -1;
    static constexpr int shortReplyLimitMs = 1000;
    static constexpr int maxEmptyPolls = 50;

    LinkExchange(const std::atomic<bool> &stop, LinkClock &clock);

    void setClock(LinkClock &clock) { m_clock = &clock; }
    LinkClock &clock() const { return *m_clock; }
    void setInterval(int milliseconds) { m_intervalMs = milliseconds; }
    int interval() const { return m_intervalMs; }

    // Up to retries + 1 attempts; timeoutMs is shortTimeout or a limit per attempt.
    int run(HidBase &link, const QByteArray &request, QByteArray &payload, int retries, int timeoutMs);

private:
    int attempt(HidBase &link, const QByteArray &request, QByteArray &payload, int timeoutMs);
    int takeReply(HidBase &link, const QByteArray &buffer, QByteArray &payload, bool &complete);

    const std::atomic<bool> &m_stop;
    LinkClock *m_clock;
    int m_intervalMs = 200;
};
