#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QString>

#include "cloudwire.h"

class QNetworkAccessManager;

// One request at a time to the cloud service, each waiting in a local event
// loop so that queued events (an abort among them) keep arriving. Lives on
// the sync thread with the manager it is given.
class CloudTransport : public QObject
{
    Q_OBJECT

public:
    // A JSON reply larger than this is no reply of the service.
    static constexpr qint64 maxReplySize = 8 * 1024 * 1024;

    struct Result
    {
        QNetworkReply::NetworkError error = QNetworkReply::NoError;
        QString status;        // HTTP status as text, empty when none came
        QByteArray body;
        bool isTimedOut = false;
        bool isTooLarge = false;
        // No network error, status "200" and a body within the limit.
        bool isReceived() const { return error == QNetworkReply::NoError && status == QLatin1String("200") && !isTooLarge; }
        int errorNumber() const { return int(error); }
    };

    CloudTransport(QNetworkAccessManager *manager, const QString &salt, QObject *parent = nullptr);

    void setToken(const QString &token) { m_token = token; }
    QString token() const { return m_token; }

    Result postForm(const QString &url, const CloudWire::Params &query, bool withToken, int timeoutMs);
    // signParams: the members the sign covers (see CloudWire::signParams).
    Result postJson(const QString &url, const QJsonObject &body, const QJsonObject &signParams, bool withToken,
                    int timeoutMs);
    Result postFile(const QString &url, const QString &field, const QString &fileName, const QByteArray &content,
                    int timeoutMs);
    Result get(const QString &url, qint64 maxSize, int timeoutMs);

    // Sync thread: ends the request in flight, which then fails as cancelled.
    void abortCurrent();

private:
    QNetworkRequest signedRequest(const QString &url, const QJsonObject &signParams, bool withToken) const;
    Result wait(QNetworkReply *reply, qint64 maxSize, int timeoutMs);

    QNetworkAccessManager *m_manager;
    QString m_salt;
    QString m_token;
    QPointer<QNetworkReply> m_reply;
};
