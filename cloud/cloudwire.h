#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QMap>
#include <QString>

// The request and reply rules every call to the cloud service follows.
// Pure functions: the client and the test server share them, so a rule is
// written once.
namespace CloudWire {

using Params = QMap<QString, QString>;

// Only these characters are escaped, "%" first so that no escape is escaped again.
QString escapeValue(const QString &value);
// "?k1=v1&k2=v2" with the keys in ascending order; empty for no parameters.
QString queryString(const Params &params);

// The parameters a JSON body contributes to its sign: strings as they are,
// numbers as decimal integers, other members left out.
QJsonObject signParams(const QJsonObject &body);
// MD5 over the compact, key-sorted JSON of the parameters plus "timeStamp"
// and "salt", as 32 uppercase hex digits.
QByteArray sign(const QJsonObject &params, const QString &timeStamp, const QString &salt);
QByteArray sign(const Params &params, const QString &timeStamp, const QString &salt);

// A node text without "https" is a plain host and gets "http://".
QString nodeAddress(const QString &node);

struct Reply
{
    bool isJson = false;
    int code = 0;        // the body's "code"; 0 when absent or not JSON
    QString msg;
    QJsonValue data;
    QJsonObject root;
    bool isSuccess() const { return code == 200; }
};
Reply parseReply(const QByteArray &body);

// The text a failed request shows: "Host not found", else
// "network error.HTTP status.code" with "n" for an empty status or code -1.
QString errorText(int networkError, const QString &httpStatus, int code);

// Integral JSON numbers arrive as doubles; out of range or fractional gives the fallback.
qint64 toInteger(const QJsonValue &value, qint64 fallback = 0);

} // namespace CloudWire
