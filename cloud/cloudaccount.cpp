#include "cloudaccount.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>

#include <limits>

#include "cloudlog.h"
#include "cloudtransport.h"
#include "cloudwire.h"

namespace {

QString unknownError()
{
    return QCoreApplication::translate("SyncHelper", "Unknown err");
}

QString failureText(const CloudTransport::Result &result, int code)
{
    return CloudWire::errorText(result.errorNumber(), result.status, code);
}

// The body of a received reply; a body that is not JSON is logged once here.
CloudWire::Reply parse(const CloudTransport::Result &result)
{
    const CloudWire::Reply reply = CloudWire::parseReply(result.body);
    if (!result.body.isEmpty() && !reply.isJson)
        cloudLog(QStringLiteral("js, fail to parse: %1").arg(QString::fromLatin1(result.body.left(256).toHex())));
    else if (reply.isJson && !reply.isSuccess())
        cloudLog(QStringLiteral("js, pkg code: %1").arg(reply.code));
    if (!reply.msg.isEmpty())
        qCDebug(lcCloud).noquote() << "server msg:" << reply.msg;
    return reply;
}

} // namespace

CloudAccount::CloudAccount(CloudTransport &transport, CloudSession &session, const CloudTimeouts &timeouts)
    : m_transport(transport)
    , m_session(session)
    , m_timeouts(timeouts)
{
}

CloudAccount::Outcome CloudAccount::lookUpNode(const QString &email)
{
    const CloudTransport::Result result = m_transport.postForm(
        m_session.nodeLookupUrl() + QStringLiteral("/user/node/get"), {{QStringLiteral("email"), email}}, false,
        m_timeouts.longMs);
    const CloudWire::Reply reply = parse(result);
    if (result.isReceived() && !reply.isJson) {
        cloudLog(QStringLiteral("reply info err"));
        return {false, QString(), 0};
    }
    const QString node = reply.data.toObject().value(QStringLiteral("nodeUrl")).toObject()
                             .value(QStringLiteral("quillet")).toString();
    if (!result.isReceived() || node.isEmpty()) {
        cloudLog(QStringLiteral("node is empty"));
        return {false, failureText(result, reply.code), reply.code};
    }
    m_session.nodeAddress = CloudWire::nodeAddress(node);
    return {true, QString(), reply.code};
}

CloudAccount::Outcome CloudAccount::login(const QString &username, const QString &password)
{
    m_session.clearUser();
    const Outcome node = lookUpNode(username);
    if (!node.isSuccess)
        return node;

    const QJsonObject body{{QStringLiteral("email"), username}, {QStringLiteral("password"), password}};
    const CloudTransport::Result result = m_transport.postJson(m_session.nodeAddress + QStringLiteral("/login/new"),
                                                               body, body, false, m_timeouts.longMs);
    if (!result.isReceived()) {
        cloudLog(QStringLiteral("login err, %1, %2").arg(result.errorNumber()).arg(result.status));
        return {false, failureText(result, -1), 0};
    }
    const CloudWire::Reply reply = parse(result);
    if (!reply.isSuccess())
        return {false, reply.msg, reply.code};
    const QJsonObject data = reply.data.toObject();
    if (!data.contains(QStringLiteral("token"))) {
        cloudLog(QStringLiteral("login err, no token"));
        return {false, unknownError(), reply.code};
    }
    const qint64 userId = CloudWire::toInteger(data.value(QStringLiteral("userId")), -1);
    if (userId < 0 || userId > std::numeric_limits<int>::max()) {
        cloudLog(QStringLiteral("login err, no usr id"));
        return {false, unknownError(), reply.code};
    }
    m_transport.setToken(data.value(QStringLiteral("token")).toString());
    m_session.userId = int(userId);
    m_session.name = data.value(QStringLiteral("name")).toString();
    m_session.email = data.value(QStringLiteral("email")).toString(username);

    const Outcome member = lookUpMember();
    if (!member.isSuccess)
        return {false, unknownError(), member.code};
    m_session.hasUser = true;
    return {true, QString(), 200};
}

CloudAccount::Outcome CloudAccount::lookUpMember()
{
    const CloudWire::Params query{{QStringLiteral("userId"), QString::number(m_session.userId)},
                                  {QStringLiteral("pageIndex"), QStringLiteral("1")},
                                  {QStringLiteral("pageSize"), QStringLiteral("100")}};
    const CloudTransport::Result result = m_transport.postForm(
        m_session.nodeAddress + QStringLiteral("/v1/member/getExtend"), query, true, m_timeouts.longMs);
    if (!result.isReceived()) {
        cloudLog(QStringLiteral("get usr lst err, %1, %2").arg(result.errorNumber()).arg(result.status));
        return {false, QString(), 0};
    }
    const CloudWire::Reply reply = parse(result);
    if (!reply.isSuccess()) {
        cloudLog(QStringLiteral("get usr lst err, reply code, %1").arg(reply.code));
        return {false, QString(), reply.code};
    }
    if (!reply.data.isArray()) {
        cloudLog(QStringLiteral("get usr lst err, no data node"));
        return {false, QString(), reply.code};
    }
    qint64 smallest = -1;
    for (const QJsonValue &member : reply.data.toArray()) {
        const qint64 id = CloudWire::toInteger(member.toObject().value(QStringLiteral("id")), -1);
        if (id >= 0 && (smallest < 0 || id < smallest))
            smallest = id;
    }
    if (smallest < 0) {
        cloudLog(QStringLiteral("get usr lst err, no data node"));
        return {false, QString(), reply.code};
    }
    m_session.memberId = QString::number(smallest);
    return {true, QString(), reply.code};
}

CloudAccount::Outcome CloudAccount::sendResetLink(const QString &email)
{
    const Outcome node = lookUpNode(email);
    if (!node.isSuccess)
        return node;
    const CloudTransport::Result result = m_transport.postForm(
        m_session.nodeAddress + QStringLiteral("/send/reset/password/url"), {{QStringLiteral("email"), email}}, false,
        m_timeouts.longMs);
    if (!result.isReceived()) {
        cloudLog(QStringLiteral("send reset pw email err, %1, %2").arg(result.errorNumber()).arg(result.status));
        return {false, failureText(result, -1), 0};
    }
    const CloudWire::Reply reply = parse(result);
    if (!reply.isSuccess()) {
        cloudLog(QStringLiteral("send reset pw email err, reply code, %1").arg(reply.code));
        return {false, reply.msg.isEmpty() ? failureText(result, reply.code) : reply.msg, reply.code};
    }
    return {true, QString(), 200};
}

CloudAccount::VersionOutcome CloudAccount::checkVersion(const QString &ownVersion)
{
    const QJsonObject body{{QStringLiteral("terminalType"), QStringLiteral("windows")},
                           {QStringLiteral("versionNumber"), ownVersion}};
    const CloudTransport::Result result = m_transport.postJson(
        m_session.apiUrl + QStringLiteral("/oxygen/pc/upgrade/version/get"), body, body, false, m_timeouts.shortMs);
    if (!result.isReceived()) {
        cloudLog(QStringLiteral("check app ver, %1, %2").arg(result.errorNumber()).arg(result.status));
        return {};
    }
    const CloudWire::Reply reply = parse(result);
    if (!reply.isSuccess()) {
        cloudLog(QStringLiteral("check app ver, reply code, %1").arg(reply.code));
        return {};
    }
    if (!reply.data.isObject()) {
        cloudLog(QStringLiteral("check app ver, no data"));
        return {};
    }
    const QJsonObject data = reply.data.toObject();
    return {true, data.value(QStringLiteral("upgradeFlag")).toBool(), data.value(QStringLiteral("versionNumber")).toString(),
            data.value(QStringLiteral("url")).toString()};
}
