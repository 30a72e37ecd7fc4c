#pragma once

#include <QString>

class OxiDataController;
class QIODevice;

// Every sample of a recording as one comma-separated line with its
// wall-clock time. Invalid samples keep their raw markers (255, 65535).
class CsvExport
{
public:
    CsvExport(const OxiDataController &night, const QString &branchCode);

    // The header line for the recorder's family, line end included.
    static QString headerLine(const QString &branchCode);
    // One sample's line, line end included.
    QString sampleLine(int index) const;

    // False when the rate is unusable or the device fails.
    bool write(QIODevice *device) const;
    // Whole or nothing: written beside the target and renamed at the end.
    bool writeTo(const QString &path, QString *error = nullptr) const;

private:
    const OxiDataController &m_night;
    QString m_branchCode;
    bool m_pulseOnly;
};
