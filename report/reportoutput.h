#pragma once

#include <QCoreApplication>
#include <QString>

#include "reportinput.h"

class QStatusBar;
class QWidget;

// The main window's Print, Save as PDF and Export as CSV: dialogs, file
// handling and messages. The window checks its own guards (a recording
// item selected and loaded) and hands over the open recording.
class ReportOutput
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    static constexpr int messageTimeout = 10000;   // ms

    static void print(QWidget *parent, const ReportInput &input, QStatusBar *status);
    static void savePdf(QWidget *parent, const ReportInput &input, QStatusBar *status);
    static void exportCsv(QWidget *parent, const ReportInput &input, QStatusBar *status);

    // The steps after the file dialog; true when the file was written.
    static bool savePdfTo(QWidget *parent, const ReportInput &input, const QString &path, QStatusBar *status);
    static bool exportCsvTo(const ReportInput &input, const QString &path, QStatusBar *status);

    // "<model name>_<check time>"; the model name is empty for an unknown code.
    static QString proposedFileName(const ReportInput &input);

    // Asks for a file under the last save folder and remembers its folder;
    // empty when cancelled. A name typed without an extension gets
    // `suffix`, and the dialog asks before that file is replaced.
    static QString askFile(QWidget *parent, const ReportInput &input, const QString &filter, const QString &suffix);
};
