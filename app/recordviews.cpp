#include "recordviews.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLocale>

#include "appconfig.h"
#include "branchcodes.h"
#include "mysingleton.h"
#include "oxidatacontroller.h"
#include "patientcontroller.h"
#include "recorddatabase.h"

namespace {

QString tr(const char *text, int n = -1)
{
    return QCoreApplication::translate("RecordViews", text, nullptr, n);
}

QString hoursAndMinutes(int seconds)
{
    return tr("%1 h %2 min").arg(seconds / 3600).arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'));
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
    const auto night = MySingleton::instance().recording();
    if (!night)
        return card(QString(), parent);
    const QLocale locale = AppConfig::instance().dateLocale();
    const QString start = locale.toString(night->startDateTime, AppConfig::instance().dateFormat() + QStringLiteral(" hh:mm"));
    const PatientInfo *patient = MySingleton::instance().patientController()->patient();
    QString rows;
    if (!patient->name().isEmpty())
        rows += row(tr("Patient"), patient->name());
    rows += row(tr("Start"), start);
    rows += row(tr("Duration"), hoursAndMinutes(night->duration));
    rows += row(tr("SpO2 average / lowest"), QStringLiteral("%1 % / %2 %").arg(night->spo2Avg).arg(night->spo2Min));
    rows += row(tr("Pulse average (range)"),
                QStringLiteral("%1 bpm (%2-%3)").arg(night->pulseAvg).arg(night->pulseMin).arg(night->pulseMax));
    rows += row(tr("Drops of 3 % / 4 %"), QStringLiteral("%1 / %2").arg(night->drops3).arg(night->drops4));
    rows += row(tr("O2 score"), night->o2Score == 255 ? QStringLiteral("--") : QString::number(night->o2Score / 10.0, 'f', 1));
    return card(QStringLiteral("<h2 style='color:#1d3557'>%1</h2><table>%2</table>").arg(tr("Oxygen Report"), rows), parent);
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
