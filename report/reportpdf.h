#pragma once

#include <QString>

class QIODevice;
struct ReportInput;

// The report as an A4 PDF at 300 dpi, the same pages the screen shows.
// Needs only QtGui, so the command-line tool writes it offscreen.
class ReportPdf
{
public:
    static constexpr int resolution = 300;

    // Every page into an open device; false when nothing to paint or the
    // writer failed.
    static bool write(const ReportInput &input, QIODevice *device);
    // Whole or nothing: written beside the target and renamed at the end.
    static bool writeFile(const ReportInput &input, const QString &path, QString *error = nullptr);
};
