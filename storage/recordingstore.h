#pragma once

#include <QString>

#include "checkinfo.h"

class RecordDatabase;

// Turns a recording file into a stored night: the file at
// dataDir/sn/checkTime and its row in tb_check. The download registers files
// it has just written; the import brings in files from elsewhere. Both go
// through here so that tombstones, names and rows are treated alike.
class RecordingStore
{
public:
    enum class StoreResult {
        Stored,          // file in place, row written
        FileRestored,    // the row existed, its missing file was put back
        AlreadyStored,   // row and file exist; nothing touched
        Deleted,         // the user deleted this night; it stays deleted
        UnsafeName,      // the serial number cannot be a directory name
        NotACheckTime,   // the file name is not a start "yyyyMMddhhmmss"
        WrongBranchCode, // empty, or not the code of the stored recorder
        ReadFailed,      // the source file cannot be read
        NotARecording,   // the source is no readable recording
        WriteFailed,     // the file could not be written into the data directory
        DatabaseFailed,
    };

    // The database must be open; files go into its data directory.
    explicit RecordingStore(RecordDatabase &database);

    // The download has written dataDir/sn/checkTime already. A file that
    // does not parse still gets a row without a start, which the repair at
    // the next open reads again; the download's file would be lost otherwise.
    StoreResult registerDownloaded(const QString &sn, const QString &checkTime, const QString &branchCode);

    // Copies a recording file named by its check time into the data
    // directory and stores its row; a recorder not yet known gets a device
    // row with the model name of its branch code.
    StoreResult importFile(const QString &sn, const QString &branchCode, const QString &sourcePath);

    // A recording fetched from the cloud, still in memory: written beside
    // its place and renamed when whole, its row carrying the cloud id and the
    // remark. A night deleted here stays deleted; nothing is written for it.
    StoreResult storeCloudRecording(const QString &sn, const QString &checkTime, const QString &branchCode,
                                    const QByteArray &bytes, const QString &cloudId, const QString &remarks);

    static QString text(StoreResult result);
    // The night is in the store now.
    static bool isStored(StoreResult result);
    // Skipped on purpose: nothing is wrong with the file or the store.
    static bool isDeliberateSkip(StoreResult result);

private:
    // Device row when new, then the record; the file at path goes again on failure.
    StoreResult addRows(const CheckInfo &row, const QString &branchCode, bool isDeviceKnown, const QString &path);

    RecordDatabase &m_db;
};
