#include "recordviews.h"

#include "mysingleton.h"
#include "o2reportwidget.h"
#include "trendwidget.h"

QWidget *RecordViews::createReportView(QWidget *parent)
{
    const MySingleton &open = MySingleton::instance();
    return new O2ReportWidget(ReportInput::fromOpenRecording(open.recording(), open.patientController()), parent);
}

QWidget *RecordViews::createTrendView(const QString &sn, QWidget *parent)
{
    return new TrendWidget(sn, parent);
}
