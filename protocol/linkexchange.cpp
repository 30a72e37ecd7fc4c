#include "linkexchange.h"

#include "commpkg.h"
#include "hidbase.h"
#include "legacypkg.h"
#include "linkcipher.h"
#include "linkclock.h"
#include "protocollog.h"

LinkExchange::LinkExchange(const std::atomic<bool> &stop, LinkClock &clock)
    : m_stop(stop)
    , m_clock(&clock)
{
}

int LinkExchange::run(HidBase &link, const QByteArray &request, QByteArray &payload, int retries,
                      int timeoutMs)
{
    int result = COMM_OK;
    for (int attemptNo = 0; attemptNo <= retries; ++attemptNo) {
        if (m_stop)
            return COMM_ERR_STOPPED;
        if (attemptNo > 0)
            m_clock->sleepMs(m_intervalMs);
        result = attempt(link, request, payload, timeoutMs);
        if (result == COMM_OK || result == COMM_ERR_TIMEOUT || result == COMM_ERR_STOPPED)
            return result;
    }
    return result;
}

int LinkExchange::attempt(HidBase &link, const QByteArray &request, QByteArray &payload, int timeoutMs)
{
    QByteArray buffer;
    const qint64 t0 = m_clock->nowMs();
    if (!link.write(request)) {
        qCDebug(lcProtocol) << "[ERR SEND]";
        return COMM_ERR_SEND;
    }
    int failedPolls = 0;
    // Every pass either reads (which takes the transport's own wait) or
    // sleeps one interval, and the time limits below end it.
    for (;;) {
        if (m_stop)
            return COMM_ERR_STOPPED;
        const bool got = link.read(buffer);
        const qint64 elapsed = m_clock->nowMs() - t0;
        if (!got) {
            if (elapsed >= timeoutMs) {
                qCDebug(lcProtocol) << "[ERR RECV TIMEOUT 1] elapsed:" << elapsed;
                return COMM_ERR_TIMEOUT;
            }
            m_clock->sleepMs(m_intervalMs);
            if (++failedPolls >= maxEmptyPolls)
                return COMM_ERR_NO_DATA;
            qCDebug(lcProtocol).nospace() << "[RETRY RECV]" << failedPolls;
            continue;
        }
        if (timeoutMs == shortTimeout) {
            if (elapsed >= shortReplyLimitMs) {
                qCDebug(lcProtocol) << "[ERR RECV TIMEOUT 2]" << elapsed;
                return COMM_ERR_TIMEOUT;
            }
        } else {
            if (elapsed >= timeoutMs) {
                qCDebug(lcProtocol) << "[ERR RECV TIMEOUT 3]" << elapsed;
                return COMM_ERR_TIMEOUT;
            }
            if (buffer.size() < 4) {
                qCDebug(lcProtocol) << "[RECV] buf size < 4";
                continue;
            }
        }
        bool complete = false;
        const int result = takeReply(link, buffer, payload, complete);
        if (complete)
            return result;
    }
}

// `complete` stays false while a current-framing reply is still arriving.
int LinkExchange::takeReply(HidBase &link, const QByteArray &buffer, QByteArray &payload, bool &complete)
{
    QByteArray plain;
    if (link.protocolType() == HidBase::legacyFraming) {
        complete = true;
        const LegacyPkg::Reply reply = LegacyPkg::parse(buffer);
        if (!reply.isOk()) {
            qCDebug(lcProtocol) << "[ERR RECV] bad pkg";
            return COMM_ERR_BAD_PKG;
        }
        plain = reply.payload;
    } else {
        const std::optional<CommPkg> reply = CommPkg::parse(buffer);
        if (!reply)
            return COMM_OK;
        complete = true;
        plain = reply->payload;
    }
    if (link.isAESComm()) {
        const std::optional<QByteArray> decrypted = aesDecrypt(plain, link.aesKey());
        if (!decrypted) {
            qCDebug(lcProtocol) << "[ERR RECV] bad pkg, reply does not decrypt, size" << plain.size();
            return COMM_ERR_BAD_PKG;
        }
        plain = *decrypted;
    }
    payload = plain;
    return COMM_OK;
}
