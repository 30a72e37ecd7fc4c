#include "cloudtransport.h"

#include <QDateTime>
#include <QEventLoop>
#include <QHttpMultiPart>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include "cloudlog.h"

CloudTransport::CloudTransport(QNetworkAccessManager *manager, const QString &salt, QObject *parent)
    : QObject(parent)
    , m_manager(manager)
    , m_salt(salt)
{
}

QNetworkRequest CloudTransport::signedRequest(const QString &url, const QJsonObject &signParams, bool withToken) const
{
    QNetworkRequest request{QUrl(url)};
    const QString timeStamp = QString::number(QDateTime::currentMSecsSinceEpoch());
    request.setRawHeader("timeStamp", timeStamp.toLatin1());
    request.setRawHeader("sign", CloudWire::sign(signParams, timeStamp, m_salt));
    if (withToken)
        request.setRawHeader("Authorization", m_token.toUtf8());
    return request;
}

CloudTransport::Result CloudTransport::postForm(const QString &url, const CloudWire::Params &query, bool withToken,
                                                int timeoutMs)
{
    QJsonObject params;
    for (auto it = query.cbegin(); it != query.cend(); ++it)
        params.insert(it.key(), it.value());
    QNetworkRequest request = signedRequest(url + CloudWire::queryString(query), params, withToken);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/x-www-form-urlencoded"));
    return wait(m_manager->post(request, QByteArray()), maxReplySize, timeoutMs);
}

CloudTransport::Result CloudTransport::postJson(const QString &url, const QJsonObject &body,
                                                const QJsonObject &signParams, bool withToken, int timeoutMs)
{
    QNetworkRequest request = signedRequest(url, signParams, withToken);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    return wait(m_manager->post(request, QJsonDocument(body).toJson(QJsonDocument::Compact)), maxReplySize, timeoutMs);
}

CloudTransport::Result CloudTransport::postFile(const QString &url, const QString &field, const QString &fileName,
                                                const QByteArray &content, int timeoutMs)
{
    auto *multiPart = new QHttpMultiPart(QHttpMultiPart::FormDataType);
    QHttpPart part;
    part.setHeader(QNetworkRequest::ContentDispositionHeader,
                   QStringLiteral("form-data; name=\"%1\"; filename=\"%2\"").arg(field, fileName));
    part.setBody(content);
    multiPart->append(part);
    QNetworkReply *reply = m_manager->post(signedRequest(url, QJsonObject(), true), multiPart);
    multiPart->setParent(reply);
    return wait(reply, maxReplySize, timeoutMs);
}

CloudTransport::Result CloudTransport::get(const QString &url, qint64 maxSize, int timeoutMs)
{
    const QUrl target(url);
    if (!target.isValid() || (target.scheme() != QLatin1String("http") && target.scheme() != QLatin1String("https"))) {
        Result refused;
        refused.error = QNetworkReply::ProtocolUnknownError;
        return refused;
    }
    return wait(m_manager->get(QNetworkRequest(target)), maxSize, timeoutMs);
}

void CloudTransport::abortCurrent()
{
    if (m_reply && !m_reply->isFinished()) {
        qCDebug(lcCloud) << "abort";
        m_reply->abort();
    }
}

CloudTransport::Result CloudTransport::wait(QNetworkReply *reply, qint64 maxSize, int timeoutMs)
{
    Result result;
    // A version check may arrive while a synchronisation waits; the outer
    // request must stay abortable when the inner one is done.
    const QPointer<QNetworkReply> outer = m_reply;
    m_reply = reply;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, this, [&] {
        result.isTimedOut = true;
        reply->abort();
    });
    connect(reply, &QNetworkReply::downloadProgress, this, [&](qint64 received, qint64 total) {
        if (received > maxSize || total > maxSize) {
            result.isTooLarge = true;
            reply->abort();
        }
    });
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    timer.start(timeoutMs);
    // A thread asked to quit ends every local loop at once; the reply then
    // has not finished and counts as cancelled.
    if (!reply->isFinished())
        loop.exec();
    if (!reply->isFinished())
        reply->abort();
    timer.stop();

    result.error = reply->error();
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    result.status = status.isValid() ? status.toString() : QString();
    if (!result.isTooLarge)
        result.body = reply->read(maxSize + 1);
    if (result.body.size() > maxSize) {
        result.isTooLarge = true;
        result.body.clear();
    }
    m_reply = outer;
    disconnect(reply, nullptr, this, nullptr);
    delete reply;
    return result;
}
