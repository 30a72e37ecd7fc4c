#include "reportpdf.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "reporthelper.h"
#include "reportinput.h"

bool ReportPdf::write(const ReportInput &input, QIODevice *device)
{
    if (!input.isValid() || !device)
        return false;
    QPdfWriter writer(device);
    writer.setResolution(resolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                     QPageLayout::Millimeter));
    writer.setCreator(QStringLiteral("Nocturnix"));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    const float scale = float(resolution / 25.4);
    ReportHelper report(input);
    report.setScale(scale);
    report.setPainter(&painter);
    const QRectF page(0, 0, scale * 210, scale * 297);
    for (int i = 0; i < report.pageCount(); ++i) {
        if (i > 0)
            writer.newPage();
        report.paintPage(page, i);
    }
    return painter.end();
}

bool ReportPdf::writeFile(const ReportInput &input, const QString &path, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (!write(input, &file)) {
        file.cancelWriting();
        if (error)
            *error = QStringLiteral("the PDF could not be painted");
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}
