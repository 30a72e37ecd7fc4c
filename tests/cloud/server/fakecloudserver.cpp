#include "fakecloudserver.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QJsonDocument>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

#include <optional>

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

namespace {

QByteArray json(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QByteArray ok(const QJsonValue &data)
{
    return json({{"code", 200}, {"msg", "success"}, {"data", data}});
}

QByteArray failure(int code, const QString &msg)
{
    return json({{"code", code}, {"msg", msg}});
}

QMap<QString, QString> decodeQuery(const QByteArray &query)
{
    QMap<QString, QString> params;
    for (const QByteArray &pair : query.split('&')) {
        if (pair.isEmpty())
            continue;
        const int eq = pair.indexOf('=');
        params.insert(QString::fromUtf8(pair.left(eq)), QUrl::fromPercentEncoding(pair.mid(eq + 1)));
    }
    return params;
}

// The part named fileList of a multipart/form-data body.
QByteArray multipartFile(const QByteArray &contentType, const QByteArray &body, QString &fileName)
{
    QByteArray boundary = contentType.mid(contentType.indexOf("boundary=") + 9).trimmed();
    if (boundary.startsWith('"'))
        boundary = boundary.mid(1, boundary.size() - 2);
    const QByteArray delimiter = "--" + boundary;
    int from = 0;
    while ((from = body.indexOf(delimiter, from)) >= 0) {
        const int headersEnd = body.indexOf("\r\n\r\n", from);
        const int next = body.indexOf("\r\n" + delimiter, headersEnd);
        if (headersEnd < 0 || next < 0)
            break;
        const QByteArray headers = body.mid(from, headersEnd - from);
        if (headers.contains("name=\"fileList\"")) {
            const int f = headers.indexOf("filename=\"") + 10;
            fileName = QString::fromUtf8(headers.mid(f, headers.indexOf('"', f) - f));
            return body.mid(headersEnd + 4, next - headersEnd - 4);
        }
        from = next + 2;
    }
    return {};
}

} // namespace

FakeCloudServer::FakeCloudServer(const QString &salt, QObject *parent)
    : QObject(parent)
    , m_salt(salt)
    , m_server(new QTcpServer(this))
{
    connect(m_server, &QTcpServer::newConnection, this, &FakeCloudServer::onConnection);
}

bool FakeCloudServer::listen()
{
    if (!m_server->listen(QHostAddress::LocalHost, 0))
        return false;
    if (m_node.isEmpty())
        m_node = hostPort();
    return true;
}

QString FakeCloudServer::hostPort() const
{
    return QStringLiteral("127.0.0.1:%1").arg(m_server->serverPort());
}

QString FakeCloudServer::apiUrl() const
{
    return QStringLiteral("http://") + hostPort();
}

void FakeCloudServer::addAccount(const QString &email, const QString &password, int userId,
                                 const QVector<int> &memberIds)
{
    m_accounts.insert(email, {password, userId, memberIds});
}

void FakeCloudServer::setLatestVersion(const QString &version, const QString &url)
{
    m_latestVersion = version;
    m_latestUrl = url;
}

void FakeCloudServer::addFault(const QString &pathPrefix, Fault fault, int times)
{
    m_faults.append({pathPrefix, fault, times});
}

QString FakeCloudServer::addRecord(int userId, QJsonObject record, const QByteArray &file)
{
    const QString path = QStringLiteral("/files/%1").arg(++m_nextId);
    m_files.insert(path, file);
    record.insert("id", ++m_nextId);
    record.insert("originalFileUrl", apiUrl() + path);
    m_records[userId].append(record);
    return apiUrl() + path;
}

void FakeCloudServer::addDevice(int userId, const QJsonObject &device)
{
    m_devices[userId].append(device);
}

QByteArray FakeCloudServer::file(const QString &url) const
{
    return m_files.value(QUrl(url).path());
}

QVector<FakeCloudServer::Request> FakeCloudServer::requests(const QString &path) const
{
    QVector<Request> matching;
    for (const Request &r : m_requests) {
        if (r.path == path)
            matching << r;
    }
    return matching;
}

void FakeCloudServer::onConnection()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadable(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_buffers.remove(socket);
            socket->deleteLater();
        });
    }
}

void FakeCloudServer::onReadable(QTcpSocket *socket)
{
    // Acknowledge at once: the client sends a POST's headers and body as two
    // segments, and a delayed ACK would hold the body back by 40 ms.
    const int quick = 1;
    ::setsockopt(int(socket->socketDescriptor()), IPPROTO_TCP, TCP_QUICKACK, &quick, sizeof quick);
    QByteArray &buffer = m_buffers[socket];
    buffer += socket->readAll();
    Request request;
    while (takeRequest(buffer, request)) {
        m_requests << request;
        const Reply reply = answer(request);
        if (reply.isSilent)
            continue;
        const QByteArray reason = reply.status == 200 ? "OK" : "Error";
        socket->write("HTTP/1.1 " + QByteArray::number(reply.status) + ' ' + reason + "\r\nContent-Type: "
                      + reply.contentType + "\r\nContent-Length: " + QByteArray::number(reply.body.size())
                      + "\r\nConnection: keep-alive\r\n\r\n" + reply.body);
    }
}

bool FakeCloudServer::takeRequest(QByteArray &buffer, Request &request)
{
    const int headersEnd = buffer.indexOf("\r\n\r\n");
    if (headersEnd < 0)
        return false;
    const QList<QByteArray> lines = buffer.left(headersEnd).split('\n');
    request = Request();
    for (int i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        const int colon = line.indexOf(':');
        if (colon > 0)
            request.headers.insert(line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed());
    }
    const int length = request.headers.value("content-length", "0").toInt();
    if (buffer.size() < headersEnd + 4 + length)
        return false;
    const QList<QByteArray> start = lines[0].trimmed().split(' ');
    request.method = start.value(0);
    const QByteArray target = start.value(1);
    const int q = target.indexOf('?');
    request.path = QString::fromUtf8(q < 0 ? target : target.left(q));
    request.query = decodeQuery(q < 0 ? QByteArray() : target.mid(q + 1));
    request.body = buffer.mid(headersEnd + 4, length);
    request.json = QJsonDocument::fromJson(request.body).object();
    buffer.remove(0, headersEnd + 4 + length);
    return true;
}

std::optional<FakeCloudServer::Reply> FakeCloudServer::injectedFault(const QString &path)
{
    for (int i = 0; i < m_faults.size(); ++i) {
        FaultRule &rule = m_faults[i];
        if (!path.startsWith(rule.prefix) || rule.times == 0)
            continue;
        if (rule.times > 0)
            --rule.times;
        Reply reply;
        switch (rule.fault) {
        case Fault::Timeout: reply.isSilent = true; break;
        case Fault::Http500: reply.status = 500; reply.body = "internal error"; break;
        case Fault::BadCode: reply.body = failure(500, "service busy"); break;
        case Fault::Malformed: reply.body = "{\"code\":200,\"data\":"; break;
        case Fault::MissingData: reply.body = json({{"code", 200}}); break;
        }
        return reply;
    }
    return std::nullopt;
}

bool FakeCloudServer::isSigned(const Request &request, QString &why) const
{
    const QByteArray stamp = request.headers.value("timestamp");
    bool isNumber = false;
    const qint64 ms = stamp.toLongLong(&isNumber);
    if (!isNumber || qAbs(QDateTime::currentMSecsSinceEpoch() - ms) > 60000) {
        why = QStringLiteral("time stamp %1").arg(QString::fromLatin1(stamp));
        return false;
    }
    QJsonObject params;
    if (request.headers.value("content-type").startsWith("application/x-www-form-urlencoded")) {
        for (auto it = request.query.cbegin(); it != request.query.cend(); ++it)
            params.insert(it.key(), it.value());
    } else if (request.path == QLatin1String("/login/new")) {
        params = request.json;
    } else if (request.headers.value("content-type").startsWith("application/json")) {
        for (auto it = request.json.begin(); it != request.json.end(); ++it) {
            if (it->isString())
                params.insert(it.key(), it->toString());
            else if (it->isDouble())
                params.insert(it.key(), QString::number(qint64(it->toDouble())));
            else if (it->isArray())
                params.insert(it.key(), QString::fromUtf8(QJsonDocument(it->toArray()).toJson(QJsonDocument::Compact)));
        }
    }
    params.insert("timeStamp", QString::fromLatin1(stamp));
    params.insert("salt", m_salt);
    const QByteArray expected = QCryptographicHash::hash(json(params), QCryptographicHash::Md5).toHex().toUpper();
    if (request.headers.value("sign") != expected) {
        why = QStringLiteral("sign of %1").arg(request.path);
        return false;
    }
    return true;
}

int FakeCloudServer::userOfToken(const Request &request) const
{
    return m_tokens.value(QString::fromUtf8(request.headers.value("authorization")), 0);
}

FakeCloudServer::Reply FakeCloudServer::answer(const Request &request)
{
    if (const std::optional<Reply> fault = injectedFault(request.path))
        return *fault;
    if (request.method == "GET") {
        if (!m_files.contains(request.path))
            return {404, "no such file", "text/plain", false};
        return {200, m_files.value(request.path), "application/octet-stream", false};
    }
    QString why;
    if (!isSigned(request, why)) {
        m_refusals << why;
        return {200, failure(9001, "bad sign"), "application/json", false};
    }
    return route(request);
}

FakeCloudServer::Reply FakeCloudServer::route(const Request &request)
{
    const QString &path = request.path;
    if (path == QLatin1String("/node/user/node/get"))
        return {200, ok(QJsonObject{{"nodeUrl", QJsonObject{{"quillet", m_node}}}}), "application/json", false};
    if (path == QLatin1String("/login/new"))
        return login(request);
    if (path == QLatin1String("/send/reset/password/url")) {
        if (!m_accounts.contains(request.query.value("email")))
            return {200, failure(805, "account does not exist"), "application/json", false};
        return {200, ok(QJsonValue()), "application/json", false};
    }
    if (path == QLatin1String("/oxygen/pc/upgrade/version/get"))
        return version(request);

    const int user = userOfToken(request);
    if (user == 0) {
        m_refusals << QStringLiteral("token of %1").arg(path);
        return {200, failure(401, "not signed in"), "application/json", false};
    }
    if (path == QLatin1String("/v1/member/getExtend"))
        return members(request);
    if (path == QLatin1String("/v2/device/binding"))
        return bindDevice(request, user);
    if (path == QLatin1String("/v2/device/binding/query/list")) {
        QJsonArray list;
        for (const QJsonObject &device : m_devices.value(user))
            list << device;
        return {200, ok(list), "application/json", false};
    }
    if (path == QLatin1String("/v1/file/fileUpload"))
        return uploadFile(request);
    if (path == QLatin1String("/v1/oxygen/upload"))
        return uploadRecords(request, user);
    if (path == QLatin1String("/v1/oxygen/list"))
        return listRecords(request, user);
    return {404, "no such endpoint", "text/plain", false};
}

FakeCloudServer::Reply FakeCloudServer::login(const Request &request)
{
    const QString email = request.json.value("email").toString();
    if (!m_accounts.contains(email))
        return {200, failure(805, "account does not exist"), "application/json", false};
    const Account &account = m_accounts[email];
    if (account.password != request.json.value("password").toString())
        return {200, failure(802, "wrong password"), "application/json", false};
    const QString token = QStringLiteral("token-%1-%2").arg(account.userId).arg(++m_nextId);
    m_tokens.insert(token, account.userId);
    const QJsonObject data{{"token", token}, {"userId", account.userId}, {"name", email.section('@', 0, 0)},
                           {"email", email}};
    return {200, ok(data), "application/json", false};
}

FakeCloudServer::Reply FakeCloudServer::members(const Request &request)
{
    const int userId = request.query.value("userId").toInt();
    QJsonArray list;
    for (const Account &account : qAsConst(m_accounts)) {
        if (account.userId != userId)
            continue;
        for (int id : account.memberIds)
            list << QJsonObject{{"id", id}, {"userId", userId}};
    }
    return {200, ok(list), "application/json", false};
}

FakeCloudServer::Reply FakeCloudServer::bindDevice(const Request &request, int user)
{
    QJsonObject device = request.json;
    if (device.value("userId").toInt() != user || device.value("deviceSn").toString().isEmpty())
        return {200, failure(400, "bad device"), "application/json", false};
    QVector<QJsonObject> &devices = m_devices[user];
    for (const QJsonObject &known : devices) {
        if (known.value("deviceSn") == device.value("deviceSn"))
            return {200, ok(known.value("id")), "application/json", false};
    }
    device.insert("id", ++m_nextId);
    devices << device;
    return {200, ok(device.value("id")), "application/json", false};
}

FakeCloudServer::Reply FakeCloudServer::uploadFile(const Request &request)
{
    QString fileName;
    const QByteArray bytes = multipartFile(request.headers.value("content-type"), request.body, fileName);
    if (fileName.isEmpty() || !fileName.endsWith(QLatin1String(".dat")))
        return {200, failure(400, "no file"), "application/json", false};
    const QString path = QStringLiteral("/files/%1/%2").arg(++m_nextId).arg(fileName);
    m_files.insert(path, bytes);
    return {200, ok(QJsonArray{QJsonObject{{"fileUrl", apiUrl() + path}}}), "application/json", false};
}

FakeCloudServer::Reply FakeCloudServer::uploadRecords(const Request &request, int user)
{
    const QJsonArray list = request.json.value("list").toArray();
    if (list.isEmpty() || request.json.value("userId").toInt() != user)
        return {200, failure(400, "bad record"), "application/json", false};
    QJsonArray ids;
    for (const QJsonValue &value : list) {
        QJsonObject record = value.toObject();
        if (!m_files.contains(QUrl(record.value("originalFileUrl").toString()).path()))
            return {200, failure(400, "unknown file"), "application/json", false};
        record.insert("id", ++m_nextId);
        m_records[user] << record;
        ids << QJsonObject{{"id", record.value("id")}};
    }
    return {200, ok(ids), "application/json", false};
}

FakeCloudServer::Reply FakeCloudServer::listRecords(const Request &request, int user)
{
    const QVector<QJsonObject> &all = m_records[user];
    const int size = qMax(1, qMin(request.json.value("size").toInt(), m_maxPageSize));
    const int current = request.json.value("current").toInt();
    const int pages = (all.size() + size - 1) / size;
    QJsonArray records;
    for (int i = (current - 1) * size; i >= 0 && i < all.size() && i < current * size; ++i)
        records << all[i];
    QJsonObject data{{"records", records}, {"current", current}, {"total", all.size()}};
    if (!m_isPagesOverridden)
        data.insert("pages", pages);
    else if (m_pagesOverride >= 0)
        data.insert("pages", m_pagesOverride);
    return {200, ok(data), "application/json", false};
}

FakeCloudServer::Reply FakeCloudServer::version(const Request &request)
{
    const QString own = request.json.value("versionNumber").toString();
    const bool isNewer = !m_latestVersion.isEmpty() && m_latestVersion != own;
    const QJsonObject data{{"upgradeFlag", isNewer}, {"versionNumber", isNewer ? m_latestVersion : own},
                           {"url", isNewer ? m_latestUrl : QString()}, {"description", ""}, {"forcedUpgrade", false}};
    return {200, ok(data), "application/json", false};
}
