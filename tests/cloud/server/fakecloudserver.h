#pragma once

#include <QByteArray>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QMap>
#include <QObject>
#include <QString>
#include <QVector>

#include <optional>

class QTcpServer;
class QTcpSocket;

// A stand-in for the cloud service on 127.0.0.1, for tests and the
// benchmark: a tiny HTTP/1.1 server that checks every time stamp, sign and
// token, keeps accounts, recorders, nights and files in memory, pages the
// night list and injects faults. Its sign check is written apart from the
// client's so that the two catch each other's drift.
class FakeCloudServer : public QObject
{
    Q_OBJECT

public:
    enum class Fault {
        Timeout,      // the request is read and never answered
        Http500,      // HTTP status 500
        BadCode,      // HTTP 200, "code" 500 with a message
        Malformed,    // HTTP 200, a body that is no JSON
        MissingData,  // HTTP 200, code 200 and no "data"
    };

    struct Request
    {
        QByteArray method;
        QString path;
        QMap<QString, QString> query;   // decoded
        QHash<QByteArray, QByteArray> headers;   // lower-case names
        QByteArray body;
        QJsonObject json;
    };

    explicit FakeCloudServer(const QString &salt, QObject *parent = nullptr);

    bool listen();
    QString apiUrl() const;
    QString hostPort() const;

    void addAccount(const QString &email, const QString &password, int userId, const QVector<int> &memberIds);
    // The node text the lookup gives; by default "127.0.0.1:port".
    void setNode(const QString &node) { m_node = node; }
    void setLatestVersion(const QString &version, const QString &url);
    // Caps the page size of the night list, so that few nights make many pages.
    void setMaxPageSize(int size) { m_maxPageSize = size; }
    // Replaces "pages" of every list reply; -1 leaves it out.
    void overridePages(int pages) { m_pagesOverride = pages; m_isPagesOverridden = true; }

    // The next `times` requests whose path starts with pathPrefix get the fault (-1: all of them).
    void addFault(const QString &pathPrefix, Fault fault, int times = 1);
    void clearFaults() { m_faults.clear(); }

    // A night put straight into an account; the returned address serves the bytes.
    QString addRecord(int userId, QJsonObject record, const QByteArray &file);
    void addDevice(int userId, const QJsonObject &device);

    QVector<QJsonObject> devices(int userId) const { return m_devices.value(userId); }
    QVector<QJsonObject> records(int userId) const { return m_records.value(userId); }
    QByteArray file(const QString &url) const;

    QVector<Request> requests() const { return m_requests; }
    QVector<Request> requests(const QString &path) const;
    void clearRequests() { m_requests.clear(); }
    // Requests refused for a wrong sign, time stamp or token.
    QStringList refusals() const { return m_refusals; }

private:
    struct FaultRule
    {
        QString prefix;
        Fault fault;
        int times;
    };
    struct Reply
    {
        int status = 200;
        QByteArray body;
        QByteArray contentType = "application/json";
        bool isSilent = false;
    };

    void onConnection();
    void onReadable(QTcpSocket *socket);
    bool takeRequest(QByteArray &buffer, Request &request);
    Reply answer(const Request &request);
    Reply route(const Request &request);
    std::optional<Reply> injectedFault(const QString &path);
    bool isSigned(const Request &request, QString &why) const;
    int userOfToken(const Request &request) const;

    Reply login(const Request &request);
    Reply members(const Request &request);
    Reply bindDevice(const Request &request, int user);
    Reply uploadFile(const Request &request);
    Reply uploadRecords(const Request &request, int user);
    Reply listRecords(const Request &request, int user);
    Reply version(const Request &request);

    struct Account
    {
        QString password;
        int userId = 0;
        QVector<int> memberIds;
    };

    QString m_salt;
    QTcpServer *m_server;
    QString m_node;
    QString m_latestVersion;
    QString m_latestUrl;
    int m_maxPageSize = 1000;
    int m_pagesOverride = 0;
    bool m_isPagesOverridden = false;
    int m_nextId = 1000;
    QHash<QString, Account> m_accounts;
    QHash<QString, int> m_tokens;
    QHash<int, QVector<QJsonObject>> m_devices;
    QHash<int, QVector<QJsonObject>> m_records;
    QHash<QString, QByteArray> m_files;   // path -> bytes
    QVector<FaultRule> m_faults;
    QVector<Request> m_requests;
    QStringList m_refusals;
    QHash<QTcpSocket *, QByteArray> m_buffers;
};
