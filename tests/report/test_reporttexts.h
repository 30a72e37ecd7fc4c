#pragma once

#include <QObject>

class TestReportTexts : public QObject
{
    Q_OBJECT

private slots:
    void pageCount_data();
    void pageCount();
    void formatDuration_data();
    void formatDuration();
    void dropTexts_data();
    void dropTexts();
    void dropsPerHour_data();
    void dropsPerHour();
    void o2Score_data();
    void o2Score();
    void chartAxis_data();
    void chartAxis();
    void wholeNightWindow_data();
    void wholeNightWindow();
};
