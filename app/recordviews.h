#pragma once

#include <QString>

class QWidget;

// What the report area shows: the oxygen report of the open recording, or the
// trend of one recorder. The window asks only these two functions.
namespace RecordViews {

// The recording open in MySingleton.
QWidget *createReportView(QWidget *parent);
// The stored nights of one recorder.
QWidget *createTrendView(const QString &sn, QWidget *parent);

} // namespace RecordViews
