#include "cloudsync.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QThread>

#include "branchcodes.h"
#include "cloudlog.h"
#include "cloudtransport.h"
#include "cloudwire.h"
#include "datadirectory.h"
#include "deviceinfo.h"
#include "oxidatacontroller.h"
#include "recorddatabase.h"
#include "recordingstore.h"

namespace {

QString idText(const QJsonValue &value)
{
    if (value.isString())
        return value.toString();
    const qint64 id = CloudWire::toInteger(value, -1);
    return id < 0 ? QString() : QString::number(id);
}

// "yyyyMMddhhmmss" <-> "yyyy-MM-dd HH:mm:ss" as plain text: a recorder's
// clock knows no time zone, and a date-time round trip would shift nights
// that start in the hour the clocks go forward.
QString measureTimeOf(const QString &checkTime)
{
    return QStringLiteral("%1-%2-%3 %4:%5:%6")
        .arg(checkTime.mid(0, 4), checkTime.mid(4, 2), checkTime.mid(6, 2), checkTime.mid(8, 2), checkTime.mid(10, 2),
             checkTime.mid(12, 2));
}

QString checkTimeOf(const QString &measureTime)
{
    static const QString shape = QStringLiteral("dddd-dd-dd dd:dd:dd");
    if (measureTime.size() != shape.size())
        return {};
    QString checkTime;
    for (int i = 0; i < shape.size(); ++i) {
        const QChar c = measureTime[i];
        if (shape[i] == QLatin1Char('d')) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return {};
            checkTime += c;
        } else if (c != shape[i]) {
            return {};
        }
    }
    return checkTime;
}

} // namespace

CloudSync::CloudSync(CloudTransport &transport, const CloudSession &session, RecordDatabase &database,
                     const CloudTimeouts &timeouts, QObject *parent)
    : QObject(parent)
    , m_transport(transport)
    , m_session(session)
    , m_db(database)
    , m_timeouts(timeouts)
{
}

QString CloudSync::nodeUrl(const char *path) const
{
    return m_session.nodeAddress + QLatin1String(path);
}

bool CloudSync::run()
{
    return syncDevices() && syncRecords();
}

bool CloudSync::syncDevices()
{
    qCDebug(lcCloud) << "start sync devices!";
    m_uploadFails = 0;
    m_downloadFails = 0;
    const DeviceMap local = m_db.allDevices();   // keyed, so ordered, by serial number
    int i = 0;
    for (const DeviceInfoPtr &device : local) {
        const int type = BranchCodes::cloudDeviceType(device->branchCode());
        if (device->deviceId().isEmpty() && type != -1) {
            bool uploaded = false;
            for (int attempt = 0; attempt < uploadAttempts && !uploaded; ++attempt)
                uploaded = uploadDevice(*device, type);
            if (!uploaded)
                ++m_uploadFails;
        }
        emit progress(SyncDevices, i, local.size(), DirectionUpload);
        qCDebug(lcCloud) << "Upload deviceInfo:" << i + 1 << ",fail count:" << m_uploadFails;
        ++i;
    }
    if (m_uploadFails != 0)
        return false;

    QVector<DeviceInfo> cloud;
    bool listed = false;
    for (int attempt = 0; attempt < listAttempts && !listed; ++attempt)
        listed = fetchDeviceList(cloud);
    if (!listed)
        return false;
    for (int j = 0; j < cloud.size(); ++j) {
        const DeviceInfo &device = cloud[j];
        if (!DataDirectory::isSafeName(device.serialNumber())) {
            cloudLog(QStringLiteral("refused cloud device name %1").arg(DataDirectory::printable(device.serialNumber())));
            ++m_downloadFails;
        } else if (!local.contains(device.serialNumber()) && !m_db.insertOrUpdateDevice(device)) {
            ++m_downloadFails;
        }
        emit progress(SyncDevices, j, cloud.size(), DirectionDownload);
        qCDebug(lcCloud) << "download deviceInfo:" << j + 1 << ",fail count:" << m_downloadFails;
    }
    return m_downloadFails == 0;
}

bool CloudSync::uploadDevice(const DeviceInfo &device, int deviceType)
{
    const QJsonObject body{
        {QStringLiteral("userId"), m_session.userId},
        {QStringLiteral("deviceSn"), device.serialNumber()},
        {QStringLiteral("branchCode"), device.branchCode()},
        {QStringLiteral("deviceType"), deviceType},
        {QStringLiteral("hardwareVersion"), device.hardwareVersion()},
        {QStringLiteral("softwareVersion"), device.softwareVersion()},
        {QStringLiteral("bootloaderVersion"), device.bootloaderVersion()},
    };
    const CloudTransport::Result result = m_transport.postJson(
        nodeUrl("/v2/device/binding"), body, CloudWire::signParams(body), true, m_timeouts.shortMs);
    if (!result.isReceived()) {
        cloudLog(QStringLiteral("upload dev info, %1, %2").arg(result.errorNumber()).arg(result.status));
        return false;
    }
    const CloudWire::Reply reply = CloudWire::parseReply(result.body);
    if (!reply.isSuccess()) {
        cloudLog(QStringLiteral("upload dev info, reply code,%1").arg(reply.code));
        return false;
    }
    const QString id = reply.data.isObject() ? idText(reply.data.toObject().value(QStringLiteral("id")))
                                             : idText(reply.data);
    if (id.isEmpty()) {
        cloudLog(QStringLiteral("upload dev info, no data"));
        return false;
    }
    return m_db.setDeviceCloudId(id, device.serialNumber());
}

bool CloudSync::fetchDeviceList(QVector<DeviceInfo> &devices)
{
    devices.clear();
    const QJsonObject body{{QStringLiteral("userId"), m_session.userId}};
    const CloudTransport::Result result = m_transport.postJson(nodeUrl("/v2/device/binding/query/list"), body,
                                                               CloudWire::signParams(body), true, m_timeouts.shortMs);
    if (!result.isReceived()) {
        cloudLog(QStringLiteral("get dev lst err, %1, %2").arg(result.errorNumber()).arg(result.status));
        return false;
    }
    const CloudWire::Reply reply = CloudWire::parseReply(result.body);
    if (!reply.isSuccess()) {
        cloudLog(QStringLiteral("get dev lst err, reply code, %1").arg(reply.code));
        return false;
    }
    if (!reply.data.isArray()) {
        cloudLog(QStringLiteral("get dev lst err, no data node"));
        return false;
    }
    for (const QJsonValue &value : reply.data.toArray()) {
        const QJsonObject o = value.toObject();
        DeviceInfo device;
        device.setSerialNumber(o.value(QStringLiteral("deviceSn")).toString());
        device.setBranchCode(o.value(QStringLiteral("branchCode")).toString());
        if (BranchCodes::cloudDeviceType(device.branchCode()) == -1)
            continue;
        device.setDeviceId(idText(o.value(QStringLiteral("id"))));
        const QString model = o.value(QStringLiteral("bluetooth")).toString();
        device.setModelName(model.isEmpty() ? BranchCodes::modelName(device.branchCode()) : model);
        device.setBootloaderVersion(o.value(QStringLiteral("bootloaderVersion")).toString());
        device.setSoftwareVersion(o.value(QStringLiteral("softwareVersion")).toString());
        devices << device;
    }
    return true;
}

bool CloudSync::syncRecords()
{
    qCDebug(lcCloud) << "start sync records!";
    m_uploadFails = 0;
    m_downloadFails = 0;
    const RecordMap local = m_db.allRecords();
    int total = 0;
    for (const QVector<CheckInfo> &nights : local)
        total += nights.size();
    int i = 0;
    for (const QVector<CheckInfo> &nights : local) {
        for (const CheckInfo &night : nights) {
            const int type = BranchCodes::cloudDeviceType(night.branchCode);
            if (night.resourceID.isEmpty() && type != -1) {
                // The file goes up once; a retry only repeats what failed after it.
                QString fileUrl;
                bool uploaded = false;
                for (int attempt = 0; attempt < uploadAttempts && !uploaded; ++attempt)
                    uploaded = uploadRecord(night, type, fileUrl);
                if (!uploaded)
                    ++m_uploadFails;
            }
            emit progress(SyncRecords, i, total, DirectionUpload);
            qCDebug(lcCloud) << "Upload recordInfo:" << i + 1 << ",fail count:" << m_uploadFails;
            ++i;
        }
    }
    if (m_uploadFails != 0)
        return false;

    QVector<CloudRecord> cloud;
    if (!fetchRecordList(cloud))
        return false;
    QSet<QString> stored;
    for (const QVector<CheckInfo> &nights : local) {
        for (const CheckInfo &night : nights)
            stored.insert(night.flowid);
    }
    for (int j = 0; j < cloud.size(); ++j) {
        const CloudRecord &record = cloud[j];
        const QString flowid = record.sn + record.checkTime;
        if (!stored.contains(flowid) && !m_db.isDeleted(flowid)) {
            bool downloaded = false;
            for (int attempt = 0; attempt < downloadAttempts && !downloaded; ++attempt)
                downloaded = downloadRecord(record);
            if (downloaded)
                stored.insert(flowid);
            else
                ++m_downloadFails;
        }
        emit progress(SyncRecords, j, cloud.size(), DirectionDownload);
    }
    return m_downloadFails == 0;
}

bool CloudSync::uploadFile(const QString &name, const QByteArray &bytes, QString &fileUrl)
{
    const CloudTransport::Result result = m_transport.postFile(nodeUrl("/v1/file/fileUpload"), QStringLiteral("fileList"),
                                                               name + QStringLiteral(".dat"), bytes, m_timeouts.shortMs);
    const CloudWire::Reply reply = CloudWire::parseReply(result.body);
    const QJsonObject first = reply.data.toArray().at(0).toObject();
    if (!result.isReceived() || !reply.isSuccess() || first.isEmpty()) {
        cloudLog(QStringLiteral("upload file, %1, %2").arg(result.errorNumber()).arg(result.status));
        return false;
    }
    fileUrl = first.begin().value().toString();
    return !fileUrl.isEmpty();
}

bool CloudSync::uploadRecord(const CheckInfo &record, int deviceType, QString &fileUrl)
{
    const std::optional<QString> path = DataDirectory(m_db.dataDir()).recordPath(record.sn, record.checktime);
    QFile file(path.value_or(QString()));
    if (!path || !file.open(QIODevice::ReadOnly) || file.size() > OxiDataController::maxFileSize) {
        cloudLog(QStringLiteral("open file err, %1").arg(path.value_or(record.flowid)));
        return false;
    }
    const QByteArray bytes = file.readAll();
    OxiDataController night;
    if (!night.parseBytes(bytes, record.branchCode, *path)) {
        cloudLog(QStringLiteral("upload record, cannot read %1").arg(*path));
        return false;
    }
    if (fileUrl.isEmpty() && !uploadFile(record.checktime, bytes, fileUrl))
        return false;

    const QJsonObject item{
        {QStringLiteral("userId"), m_session.userId},
        {QStringLiteral("memberId"), m_session.memberId.toLongLong()},
        {QStringLiteral("deviceType"), deviceType},
        {QStringLiteral("deviceSn"), record.sn},
        {QStringLiteral("branchCode"), record.branchCode},
        {QStringLiteral("measureTime"), measureTimeOf(record.checktime)},
        {QStringLiteral("measureDuration"), night.duration},
        {QStringLiteral("averageSpo2"), night.spo2Avg},
        {QStringLiteral("lowestSpo2"), night.spo2Min},
        {QStringLiteral("m3PercentOdi"), night.drops3},
        {QStringLiteral("m4PercentOdi"), night.drops4},
        {QStringLiteral("originalFileUrl"), fileUrl},
        {QStringLiteral("maxSpo2"), night.spo2Max},
        {QStringLiteral("averagePr"), night.pulseAvg},
        {QStringLiteral("minPr"), night.pulseMin},
        {QStringLiteral("maxPr"), night.pulseMax},
        {QStringLiteral("fileName"), record.checktime},
        {QStringLiteral("remark"), record.remarks},
        {QStringLiteral("o2Score"), night.o2Score},
    };
    const QJsonObject body{{QStringLiteral("userId"), m_session.userId}, {QStringLiteral("list"), QJsonArray{item}}};
    QJsonObject signed_ = CloudWire::signParams(body);
    signed_.insert(QStringLiteral("list"), QStringLiteral("[%1]").arg(
        QString::fromUtf8(QJsonDocument(item).toJson(QJsonDocument::Compact))));
    const CloudTransport::Result result =
        m_transport.postJson(nodeUrl("/v1/oxygen/upload"), body, signed_, true, m_timeouts.shortMs);
    if (!result.isReceived()) {
        cloudLog(QStringLiteral("upload record, %1, %2").arg(result.errorNumber()).arg(result.status));
        return false;
    }
    const CloudWire::Reply reply = CloudWire::parseReply(result.body);
    const QString id = idText(reply.data.toArray().at(0).toObject().value(QStringLiteral("id")));
    if (!reply.isSuccess() || id.isEmpty()) {
        cloudLog(QStringLiteral("upload record, reply code,%1").arg(reply.code));
        return false;
    }
    return m_db.setRecordCloudId(id, record.flowid);
}

bool CloudSync::fetchRecordPage(int page, QVector<CloudRecord> &records, int &pages)
{
    const QJsonObject body{{QStringLiteral("userId"), m_session.userId}, {QStringLiteral("current"), page},
                           {QStringLiteral("size"), pageSize}};
    const CloudTransport::Result result =
        m_transport.postJson(nodeUrl("/v1/oxygen/list"), body, CloudWire::signParams(body), true, m_timeouts.shortMs);
    if (!result.isReceived()) {
        cloudLog(QStringLiteral("download record lst err, %1, %2").arg(result.errorNumber()).arg(result.status));
        return false;
    }
    const CloudWire::Reply reply = CloudWire::parseReply(result.body);
    if (!reply.isSuccess()) {
        cloudLog(QStringLiteral("download record lst err, reply code, %1").arg(reply.code));
        return false;
    }
    if (!reply.data.isObject()) {
        cloudLog(QStringLiteral("download record lst err, no data node"));
        return false;
    }
    const QJsonObject data = reply.data.toObject();
    if (!data.value(QStringLiteral("pages")).isDouble()) {
        cloudLog(QStringLiteral("download record lst err, no page"));
        return false;
    }
    if (!data.value(QStringLiteral("records")).isArray()) {
        cloudLog(QStringLiteral("download record lst err, no records node"));
        return false;
    }
    pages = int(qBound<qint64>(0, CloudWire::toInteger(data.value(QStringLiteral("pages"))), maxPages));
    for (const QJsonValue &value : data.value(QStringLiteral("records")).toArray()) {
        const QJsonObject o = value.toObject();
        CloudRecord record;
        record.sn = o.value(QStringLiteral("deviceSn")).toString();
        record.checkTime = checkTimeOf(o.value(QStringLiteral("measureTime")).toString());
        record.id = idText(o.value(QStringLiteral("id")));
        record.fileUrl = o.value(QStringLiteral("originalFileUrl")).toString();
        record.remark = o.value(QStringLiteral("remark")).toString();
        record.branchCode = o.value(QStringLiteral("branchCode")).toString();
        if (record.checkTime.isEmpty())   // kept, so that it counts as a failed night
            record.checkTime = o.value(QStringLiteral("measureTime")).toString();
        records << record;
    }
    return true;
}

bool CloudSync::fetchRecordList(QVector<CloudRecord> &records)
{
    records.clear();
    int pages = 0;
    for (int page = 1; page <= maxPages; ++page) {
        QVector<CloudRecord> chunk;
        bool fetched = false;
        for (int attempt = 0; attempt < listAttempts && !fetched; ++attempt)
            fetched = fetchRecordPage(page, chunk, pages);
        if (!fetched)
            return false;
        records += chunk;
        // An empty page is past the end, whatever "pages" claimed.
        if (page >= pages || chunk.isEmpty())
            break;
    }
    return true;
}

bool CloudSync::downloadRecord(const CloudRecord &record)
{
    const DataDirectory dir(m_db.dataDir());
    if (!DataDirectory::isSafeName(record.sn) || !DataDirectory::isCheckTime(record.checkTime)
        || !dir.recordPath(record.sn, record.checkTime)) {
        cloudLog(QStringLiteral("refused cloud record name %1 %2")
                     .arg(DataDirectory::printable(record.sn), DataDirectory::printable(record.checkTime)));
        return false;
    }
    const DeviceInfoPtr device = m_db.device(record.sn);
    const QString branchCode = device && !device->branchCode().isEmpty() ? device->branchCode() : record.branchCode;

    const CloudTransport::Result result = m_transport.get(record.fileUrl, OxiDataController::maxFileSize,
                                                          m_timeouts.shortMs);
    if (!result.isReceived()) {
        cloudLog(QStringLiteral("download res err, %1, %2, %3, %4")
                     .arg(result.errorNumber()).arg(result.status, record.sn, record.checkTime));
        return false;
    }
    const RecordingStore::StoreResult stored = RecordingStore(m_db).storeCloudRecording(
        record.sn, record.checkTime, branchCode, result.body, record.id, record.remark);
    if (!RecordingStore::isStored(stored)) {
        cloudLog(QStringLiteral("write file err, %1%2: %3").arg(record.sn, record.checkTime, RecordingStore::text(stored)));
        return false;
    }
    emit recordDownloaded(record.sn, record.checkTime);
    return true;
}
