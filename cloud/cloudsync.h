#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QVector>

#include "cloudsession.h"
#include "synctypes.h"

class CloudTransport;
class RecordDatabase;
struct CheckInfo;
class DeviceInfo;

// One synchronisation: recorders, then recordings; in each step first
// upload what the cloud lacks, then download what the PC lacks. A failed
// item only raises a fail count; the counts decide each step.
class CloudSync : public QObject
{
    Q_OBJECT

public:
    static constexpr int uploadAttempts = 4;
    static constexpr int listAttempts = 3;
    static constexpr int downloadAttempts = 4;
    static constexpr int pageSize = 50;
    // A page count beyond this is no answer of the service; paging stops there.
    static constexpr int maxPages = 10000;

    CloudSync(CloudTransport &transport, const CloudSession &session, RecordDatabase &database,
              const CloudTimeouts &timeouts, QObject *parent = nullptr);

    bool run();
    int uploadFailCount() const { return m_uploadFails; }
    int downloadFailCount() const { return m_downloadFails; }

signals:
    void progress(syncType type, int current, int total, direction o);
    void recordDownloaded(const QString &sn, const QString &checktime);

private:
    struct CloudRecord
    {
        QString sn;
        QString checkTime;
        QString id;
        QString fileUrl;
        QString remark;
        QString branchCode;
    };

    bool syncDevices();
    bool syncRecords();

    bool uploadDevice(const DeviceInfo &device, int deviceType);
    bool fetchDeviceList(QVector<DeviceInfo> &devices);
    bool uploadRecord(const CheckInfo &record, int deviceType, QString &fileUrl);
    bool uploadFile(const QString &name, const QByteArray &bytes, QString &fileUrl);
    bool fetchRecordPage(int page, QVector<CloudRecord> &records, int &pages);
    bool fetchRecordList(QVector<CloudRecord> &records);
    bool downloadRecord(const CloudRecord &record);

    QString nodeUrl(const char *path) const;

    CloudTransport &m_transport;
    const CloudSession &m_session;
    RecordDatabase &m_db;
    CloudTimeouts m_timeouts;
    int m_uploadFails = 0;
    int m_downloadFails = 0;
};
