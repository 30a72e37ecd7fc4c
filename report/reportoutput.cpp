#include "reportoutput.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>

#include "appconfig.h"
#include "branchcodes.h"
#include "csvexport.h"
#include "messagebox.h"
#include "oxidatacontroller.h"
#include "reporthelper.h"
#include "reportpdf.h"
#include "reportprint.h"

namespace {

void showStatus(QStatusBar *status, const QString &text, int timeout = 0)
{
    if (status)
        status->showMessage(text, timeout);
}

} // namespace

QString ReportOutput::proposedFileName(const ReportInput &input)
{
    return QStringLiteral("%1_%2").arg(BranchCodes::modelName(input.branchCode), input.checkTime);
}

QString ReportOutput::askFile(QWidget *parent, const ReportInput &input, const QString &filter,
                              const QString &suffix)
{
    AppConfig &config = AppConfig::instance();
    // Not the static dialog: only an instance adds the extension a name
    // typed without one needs, before the overwrite question is asked.
    QFileDialog dialog(parent, tr("Save as"), config.savePath() + QLatin1Char('/') + proposedFileName(input), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    const QString path = dialog.selectedFiles().first();
    config.setSavePath(path.left(path.lastIndexOf(QLatin1Char('/'))));
    return path;
}

void ReportOutput::print(QWidget *parent, const ReportInput &input, QStatusBar *status)
{
    if (!input.isValid())
        return;
    const int pages = ReportHelper::pageCountFor(input.duration());
    QPrinter printer(QPrinter::ScreenResolution);
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setMinMax(1, pages);
    printer.setFromTo(1, pages);
    if (dialog.exec() != QDialog::Accepted)
        return;
    ReportPrint::printPages(input, printer);
    showStatus(status, tr("print completed"), messageTimeout);
}

void ReportOutput::savePdf(QWidget *parent, const ReportInput &input, QStatusBar *status)
{
    if (!input.isValid())
        return;
    const QString path = askFile(parent, input, tr("pdf File(*.pdf)"), QStringLiteral("pdf"));
    if (!path.isEmpty())
        savePdfTo(parent, input, path, status);
}

bool ReportOutput::savePdfTo(QWidget *parent, const ReportInput &input, const QString &path, QStatusBar *status)
{
    QString error;
    if (!ReportPdf::writeFile(input, path, &error)) {
        qWarning("report: cannot write PDF %s: %s", qPrintable(path), qPrintable(error));
        showStatus(status, tr("create file failed"));
        MessageBox::warning(parent, tr("warning"), tr("Save as PDF failed"));
        return false;
    }
    showStatus(status, tr("save pdf completed"), messageTimeout);
    return true;
}

void ReportOutput::exportCsv(QWidget *parent, const ReportInput &input, QStatusBar *status)
{
    if (!input.isValid())
        return;
    const QString path = askFile(parent, input, tr("csv File(*.csv)"), QStringLiteral("csv"));
    if (!path.isEmpty())
        exportCsvTo(input, path, status);
}

bool ReportOutput::exportCsvTo(const ReportInput &input, const QString &path, QStatusBar *status)
{
    QString error;
    if (!input.isValid() || !CsvExport(*input.recording, input.branchCode).writeTo(path, &error)) {
        qWarning("report: cannot write CSV %s: %s", qPrintable(path), qPrintable(error));
        showStatus(status, tr("create file failed"));
        return false;
    }
    showStatus(status, tr("save csv completed"), messageTimeout);
    return true;
}
