#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "appconfig.h"
#include "deviceinfo.h"
#include "oxidatacontroller.h"
#include "recorddatabase.h"
#include "recordingwriter.h"

// A data directory with a real database; nights are written as real files
// and stored through the parser, as a download stores them.
class DataFixture
{
public:
    DataFixture()
    {
        AppConfig::instance().setDataDir(m_dir.path());
        RecordDatabase::instance().openAt(m_dir.path());
    }
    ~DataFixture() { RecordDatabase::instance().close(); }

    QString path() const { return m_dir.path(); }

    void addDevice(const QString &sn, const QString &branch)
    {
        DeviceInfo d;
        d.setSerialNumber(sn);
        d.setBranchCode(branch);
        RecordDatabase::instance().insertOrUpdateDevice(d);
    }

    // A night with a start of checkTime; its file holds a small new-format recording.
    bool addNight(const QString &sn, const QString &checkTime, const QByteArray &bytes = defaultNight())
    {
        const QString file = m_dir.path() + "/" + sn + "/" + checkTime;
        QDir().mkpath(QFileInfo(file).path());
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
            return false;
        out.close();
        OxiDataController night(file, QStringLiteral("2B010000"));
        return RecordDatabase::instance().insertRecord(night.toCheckInfo(sn, checkTime));
    }

    static QByteArray defaultNight()
    {
        return RecordingWriter::newFormat().kind(4).spo2({97, 96, 95, 96}).summary(96, 95, 3, 1, 0, 88, 61).bytes();
    }

private:
    QTemporaryDir m_dir;
};
