#include "reportprint.h"

#include <QMarginsF>
#include <QPainter>
#include <QPrinter>

#include "reporthelper.h"
#include "reportinput.h"

int ReportPrint::printPages(const ReportInput &input, QPrinter &printer)
{
    if (!input.isValid())
        return 0;
    ReportHelper report(input);
    printer.setFullPage(true);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&printer))
        return 0;
    const float scale = float(printer.resolution() / 25.4);
    report.setScale(scale);
    report.setPainter(&painter);

    int first = 0;
    int last = report.pageCount() - 1;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        // A range typed past the end prints what exists of it.
        first = qBound(0, printer.fromPage() - 1, last);
        last = qBound(first, printer.toPage() - 1, last);
    }
    const QRect page(0, 0, int(scale * 210), int(scale * 297));
    for (int i = first; i <= last; ++i) {
        if (i > first)
            printer.newPage();
        report.paintPage(page, i);
    }
    painter.end();
    return last - first + 1;
}
