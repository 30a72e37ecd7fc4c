#include "cloudwire.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QJsonDocument>
#include <QStringList>

#include <cmath>

namespace CloudWire {

QString escapeValue(const QString &value)
{
    static const char *const pairs[][2] = {
        {"%", "%25"}, {" ", "%20"}, {"+", "%2B"}, {"/", "%2F"},
        {"?", "%3F"}, {"#", "%23"}, {"&", "%26"}, {"=", "%3D"},
    };
    QString escaped = value;
    for (const auto &pair : pairs)
        escaped.replace(QLatin1String(pair[0]), QLatin1String(pair[1]));
    return escaped;
}

QString queryString(const Params &params)
{
    if (params.isEmpty())
        return {};
    QStringList pairs;
    for (auto it = params.cbegin(); it != params.cend(); ++it)   // QMap iterates in key order
        pairs << it.key() + QLatin1Char('=') + escapeValue(it.value());
    return QLatin1Char('?') + pairs.join(QLatin1Char('&'));
}

QJsonObject signParams(const QJsonObject &body)
{
    QJsonObject params;
    for (auto it = body.constBegin(); it != body.constEnd(); ++it) {
        if (it.value().isString())
            params.insert(it.key(), it.value().toString());
        else if (it.value().isDouble())
            params.insert(it.key(), QString::number(qint64(it.value().toDouble())));
    }
    return params;
}

QByteArray sign(const QJsonObject &params, const QString &timeStamp, const QString &salt)
{
    QJsonObject all = params;
    all.insert(QStringLiteral("timeStamp"), timeStamp);
    all.insert(QStringLiteral("salt"), salt);
    // QJsonObject keeps its members sorted by key, so Compact is the canonical form.
    const QByteArray json = QJsonDocument(all).toJson(QJsonDocument::Compact);
    return QCryptographicHash::hash(json, QCryptographicHash::Md5).toHex().toUpper();
}

QByteArray sign(const Params &params, const QString &timeStamp, const QString &salt)
{
    QJsonObject object;
    for (auto it = params.cbegin(); it != params.cend(); ++it)
        object.insert(it.key(), it.value());
    return sign(object, timeStamp, salt);
}

QString nodeAddress(const QString &node)
{
    if (node.contains(QLatin1String("https")))
        return node;
    return QStringLiteral("http://") + node;
}

Reply parseReply(const QByteArray &body)
{
    Reply reply;
    if (body.isEmpty())
        return reply;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return reply;
    reply.isJson = true;
    reply.root = doc.object();
    reply.code = int(toInteger(reply.root.value(QStringLiteral("code"))));
    reply.msg = reply.root.value(QStringLiteral("msg")).toString();
    reply.data = reply.root.value(QStringLiteral("data"));
    return reply;
}

QString errorText(int networkError, const QString &httpStatus, int code)
{
    if (networkError == 3)   // QNetworkReply::HostNotFoundError
        return QCoreApplication::translate("SyncHelper", "Host not found");
    return QCoreApplication::translate("SyncHelper", "%1.%2.%3")
        .arg(networkError)
        .arg(httpStatus.isEmpty() ? QStringLiteral("n") : httpStatus)
        .arg(code == -1 ? QStringLiteral("n") : QString::number(code));
}

qint64 toInteger(const QJsonValue &value, qint64 fallback)
{
    if (!value.isDouble())
        return fallback;
    const double d = value.toDouble();
    // 2^53: beyond it a double no longer holds every integer.
    if (!std::isfinite(d) || std::fabs(d) > 9007199254740992.0 || d != std::floor(d))
        return fallback;
    return qint64(d);
}

} // namespace CloudWire
