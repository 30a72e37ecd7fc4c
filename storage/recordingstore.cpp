#include "recordingstore.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTime>

#include <optional>

#include "branchcodes.h"
#include "datadirectory.h"
#include "deviceinfo.h"
#include "loghelper.h"
#include "oxidatacontroller.h"
#include "recorddatabase.h"
#include "storagelog.h"

using StoreResult = RecordingStore::StoreResult;

namespace {

void appLog(const QString &message)
{
    qCWarning(lcStorage).noquote() << message;
    LogHelper::instance()->write(message);
}

// Recorder clocks know no daylight saving, so date and time are checked
// apart: 02:30 on the night the clocks go forward is a real start.
bool isValidCheckTime(const QString &name)
{
    return DataDirectory::isCheckTime(name)
        && QDate::fromString(name.left(8), QStringLiteral("yyyyMMdd")).isValid()
        && QTime::fromString(name.mid(8), QStringLiteral("hhmmss")).isValid();
}

// The row of a downloaded file that does not parse: the key and no start,
// so that the repair at the next open reads the file again. The fields of a
// failed parse are partly filled and must not pass for a summary.
CheckInfo unreadRow(const QString &sn, const QString &checkTime, const QString &branchCode)
{
    CheckInfo row;
    row.flowid = sn + checkTime;
    row.sn = sn;
    row.checktime = checkTime;
    row.branchCode = branchCode;
    row.o2Score = 255;
    return row;
}

// The old format has no magic number, so nearly any file of 40 bytes
// parses; an import takes only what a recorder could have written.
bool isPlausible(const OxiDataController &night)
{
    return night.startDateTime.isValid() && night.duration > 0 && !night.points.isEmpty();
}

std::optional<StoreResult> readSource(const QString &path, QByteArray &bytes)
{
    // Directories, pipes and devices are no recordings; /dev/zero would never end.
    const QFileInfo info(path);
    if (!info.exists())
        return StoreResult::ReadFailed;
    if (!info.isFile())
        return StoreResult::NotARecording;
    if (info.size() > OxiDataController::maxFileSize)
        return StoreResult::NotARecording;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return StoreResult::ReadFailed;
    bytes = file.read(OxiDataController::maxFileSize + 1);
    if (bytes.size() != file.size() || bytes.size() > OxiDataController::maxFileSize)
        return StoreResult::ReadFailed;
    return std::nullopt;
}

// Written beside the target and renamed at the end: an interrupted copy
// never leaves half a recording under a check-time name.
bool writeWhole(const QString &path, const QByteArray &bytes)
{
    const QString dir = QFileInfo(path).path();
    if (!QDir().mkpath(dir)) {
        appLog(QStringLiteral("cannot create %1").arg(dir));
        return false;
    }
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        appLog(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

} // namespace

RecordingStore::RecordingStore(RecordDatabase &database)
    : m_db(database)
{
}

StoreResult RecordingStore::registerDownloaded(const QString &sn, const QString &checkTime, const QString &branchCode)
{
    if (!DataDirectory::isSafeName(sn))
        return StoreResult::UnsafeName;
    const std::optional<QString> path = DataDirectory(m_db.dataDir()).recordPath(sn, checkTime);
    if (!path)
        return StoreResult::NotACheckTime;
    if (m_db.isDeleted(sn + checkTime)) {
        // The download skips deleted nights; should one arrive anyway, its
        // file goes as well, or it would lie in the tree without a row.
        QFile::remove(*path);
        return StoreResult::Deleted;
    }
    // Replacing the row would clear its remarks and cloud ids.
    if (!m_db.record(sn, checkTime).flowid.isEmpty())
        return StoreResult::AlreadyStored;

    OxiDataController night;
    CheckInfo row;
    if (night.parseFile(*path, branchCode)) {
        row = night.toCheckInfo(sn, checkTime);
    } else {
        appLog(QStringLiteral("(%1)(%2) stored without summary, repaired at the next start").arg(*path, branchCode));
        row = unreadRow(sn, checkTime, branchCode);
    }
    return m_db.insertRecord(row) ? StoreResult::Stored : StoreResult::DatabaseFailed;
}

StoreResult RecordingStore::importFile(const QString &sn, const QString &branchCode, const QString &sourcePath)
{
    if (!DataDirectory::isSafeName(sn))
        return StoreResult::UnsafeName;
    const QString checkTime = QFileInfo(sourcePath).fileName();
    if (!isValidCheckTime(checkTime))
        return StoreResult::NotACheckTime;
    const std::optional<QString> path = DataDirectory(m_db.dataDir()).recordPath(sn, checkTime);
    if (!path)
        return StoreResult::UnsafeName;

    // The branch code decides how the file is decoded; the report decodes it
    // again with the stored recorder's code, so both must be the same.
    const DeviceInfoPtr device = m_db.device(sn);
    if (branchCode.isEmpty() || (device && !device->branchCode().isEmpty() && device->branchCode() != branchCode))
        return StoreResult::WrongBranchCode;

    // Refused before anything is read or written.
    if (m_db.isDeleted(sn + checkTime))
        return StoreResult::Deleted;
    const bool hasRow = !m_db.record(sn, checkTime).flowid.isEmpty();
    if (hasRow && QFileInfo(*path).isFile())
        return StoreResult::AlreadyStored;

    QByteArray bytes;
    if (const std::optional<StoreResult> failed = readSource(sourcePath, bytes))
        return *failed;
    OxiDataController night;
    if (!night.parseBytes(bytes, branchCode, sourcePath) || !isPlausible(night))
        return StoreResult::NotARecording;

    if (!writeWhole(*path, bytes))
        return StoreResult::WriteFailed;
    // The row keeps its remarks and cloud ids; only its file was missing.
    if (hasRow)
        return StoreResult::FileRestored;

    return addRows(night.toCheckInfo(sn, checkTime), branchCode, !device.isNull(), *path);
}

StoreResult RecordingStore::storeCloudRecording(const QString &sn, const QString &checkTime,
                                                const QString &branchCode, const QByteArray &bytes,
                                                const QString &cloudId, const QString &remarks)
{
    if (!DataDirectory::isSafeName(sn))
        return StoreResult::UnsafeName;
    if (!isValidCheckTime(checkTime))
        return StoreResult::NotACheckTime;
    const std::optional<QString> path = DataDirectory(m_db.dataDir()).recordPath(sn, checkTime);
    if (!path)
        return StoreResult::UnsafeName;
    const DeviceInfoPtr device = m_db.device(sn);
    if (branchCode.isEmpty() || (device && !device->branchCode().isEmpty() && device->branchCode() != branchCode))
        return StoreResult::WrongBranchCode;
    if (m_db.isDeleted(sn + checkTime))
        return StoreResult::Deleted;
    if (!m_db.record(sn, checkTime).flowid.isEmpty())
        return StoreResult::AlreadyStored;
    if (bytes.size() > OxiDataController::maxFileSize)
        return StoreResult::NotARecording;

    OxiDataController night;
    if (!night.parseBytes(bytes, branchCode, *path) || !isPlausible(night))
        return StoreResult::NotARecording;
    if (!writeWhole(*path, bytes))
        return StoreResult::WriteFailed;
    CheckInfo row = night.toCheckInfo(sn, checkTime);
    row.resourceID = cloudId;
    row.remarks = remarks;
    return addRows(row, branchCode, !device.isNull(), *path);
}

StoreResult RecordingStore::addRows(const CheckInfo &row, const QString &branchCode, bool isDeviceKnown,
                                    const QString &path)
{
    // A known recorder's row may carry versions and a cloud id: never rewritten here.
    if (!isDeviceKnown) {
        DeviceInfo added;
        added.setSerialNumber(row.sn);
        added.setBranchCode(branchCode);
        added.setModelName(BranchCodes::modelName(branchCode));
        if (!m_db.insertOrUpdateDevice(added)) {
            QFile::remove(path);
            appLog(QStringLiteral("(%1) import of %2 failed: recorder not written").arg(row.sn, row.checktime));
            return StoreResult::DatabaseFailed;
        }
    }
    if (!m_db.insertRecord(row)) {
        // Whole or nothing: no file without its row, no recorder without nights.
        QFile::remove(path);
        if (!isDeviceKnown)
            m_db.deleteDevice(row.sn);
        appLog(QStringLiteral("(%1) import of %2 failed: record not written").arg(row.sn, row.checktime));
        return StoreResult::DatabaseFailed;
    }
    return StoreResult::Stored;
}

QString RecordingStore::text(StoreResult result)
{
    switch (result) {
    case StoreResult::Stored:
        return QCoreApplication::translate("RecordingStore", "stored");
    case StoreResult::FileRestored:
        return QCoreApplication::translate("RecordingStore", "the stored night's missing file was put back");
    case StoreResult::AlreadyStored:
        return QCoreApplication::translate("RecordingStore", "already stored");
    case StoreResult::Deleted:
        return QCoreApplication::translate("RecordingStore", "deleted before, it stays deleted");
    case StoreResult::UnsafeName:
        return QCoreApplication::translate("RecordingStore", "the serial number cannot name a directory");
    case StoreResult::NotACheckTime:
        return QCoreApplication::translate("RecordingStore", "the file name is not a start time (yyyyMMddhhmmss)");
    case StoreResult::WrongBranchCode:
        return QCoreApplication::translate("RecordingStore", "the branch code is empty or not the stored recorder's");
    case StoreResult::ReadFailed:
        return QCoreApplication::translate("RecordingStore", "the file cannot be read");
    case StoreResult::NotARecording:
        return QCoreApplication::translate("RecordingStore", "not a readable recording");
    case StoreResult::WriteFailed:
        return QCoreApplication::translate("RecordingStore", "the file cannot be written into the data directory");
    case StoreResult::DatabaseFailed:
        return QCoreApplication::translate("RecordingStore", "the database did not take the record");
    }
    return {};
}

bool RecordingStore::isStored(StoreResult result)
{
    return result == StoreResult::Stored || result == StoreResult::FileRestored;
}

bool RecordingStore::isDeliberateSkip(StoreResult result)
{
    return result == StoreResult::AlreadyStored || result == StoreResult::Deleted;
}
