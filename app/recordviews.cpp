#include "recordviews.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLocale>

#include "appconfig.h"
#include "branchcodes.h"
#include "mysingleton.h"
#include "o2reportwidget.h"
#include "oxidatacontroller.h"
#include "patientcontroller.h"
#include "recorddatabase.h"

namespace {

QString tr(const char *text, int n = -1)
{
    return QCoreApplication::translate("RecordViews", text, nullptr, n);
}

QLabel *card(const QString &html, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QStringLiteral("summaryCard"));
    label->setTextFormat(Qt::RichText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setMargin(24);
    label->setMinimumSize(560, 360);
    label->setStyleSheet(QStringLiteral("QLabel#summaryCard { background: white; border: 1px solid #d0d7e0; }"));
    label->setText(html);
    return label;
}

QString row(const QString &name, const QString &value)
{
    return QStringLiteral("<tr><td style='padding:3px 18px 3px 0; color:#5b6b7c'>%1</td><td style='padding:3px 0'>%2</td></tr>")
        .arg(name.toHtmlEscaped(), value.toHtmlEscaped());
}

} // namespace

QWidget *RecordViews::createReportView(QWidget *parent)
{
    const MySingleton &open = MySingleton::instance();
    return new O2ReportWidget(ReportInput::fromOpenRecording(open.recording(), open.patientController()), parent);
}

QWidget *RecordViews::createTrendView(const QString &sn, QWidget *parent)
{
    RecordDatabase &db = RecordDatabase::instance();
    const DeviceInfoPtr device = db.device(sn);
    const QString model = device ? BranchCodes::modelName(device->branchCode()) : QString();
    const QStringList nights = db.recordList(sn);
    QString rows;
    for (const QString &time : nights.mid(0, 10)) {
        const CheckInfo c = db.record(sn, time);
        rows += row(AppConfig::instance().dateLocale().toString(c.startDateTime, AppConfig::instance().dateFormat()),
                    tr("SpO2 %1 %, lowest %2 %, %3 drops").arg(c.o2Avg).arg(c.o2Min).arg(c.drops3));
    }
    const QString title = model.isEmpty() ? sn : model + QStringLiteral(" - ") + sn;
    return card(QStringLiteral("<h2 style='color:#1d3557'>%1</h2><p>%2</p><table>%3</table>")
                    .arg(title.toHtmlEscaped(), tr("%n night(s) stored; the latest:", nights.size()), rows),
                parent);
}
