#pragma once

#include <QString>

class QWidget;

// What the report area shows. The full report and the trend plot come with
// their own widgets; until then a plain summary card stands in their place,
// and the window only ever asks these two functions.
namespace RecordViews {

// The recording open in MySingleton.
QWidget *createReportView(QWidget *parent);
// The stored nights of one recorder.
QWidget *createTrendView(const QString &sn, QWidget *parent);

} // namespace RecordViews
