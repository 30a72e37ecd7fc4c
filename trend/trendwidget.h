#pragma once

#include <QDateTime>
#include <QString>
#include <QWidget>

#include "trendtypes.h"

namespace Ui {
class TrendWidget;
}
class QButtonGroup;
class QMouseEvent;
class TimeScakeDraw;
class TrendPlotCurve;
class VScaleDraw;
class YPlotPanner;

// One recorder's nights plotted against time: one summary value per night
// for the last week, month or year. Reads the record database only; the
// recording files are never opened. Drag to pan along time, right-click to
// return to the chosen window.
class TrendWidget : public QWidget
{
    Q_OBJECT

public:
    explicit TrendWidget(const QString &serialNumber, QWidget *parent = nullptr);
    ~TrendWidget() override;

    QString serialNumber() const { return m_serialNumber; }
    TrendRange range() const { return m_range; }
    TrendSeries series() const { return m_series; }

    // Reads the rows again, restores both axes and shows the series.
    void updateTrend(TrendRange range, TrendSeries series);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private slots:
    void on_pushButton_week_clicked();
    void on_pushButton_month_clicked();
    void on_pushButton_year_clicked();
    void on_pushButton_O2Score_clicked();
    void on_pushButton_drops_clicked();
    void on_pushButton_LowestSpO2_clicked();
    void on_pushButton_avgSpo2_clicked();
    void on_pushButton_avgHR_clicked();

private:
    void setUpPlot();
    void setUpButtons();
    void buildTrendData(TrendRange range);
    void setAxes(TrendRange range, TrendSeries series);

    Ui::TrendWidget *ui;
    const QString m_serialNumber;
    QString m_branchCode;
    TrendRange m_range = TrendWeek;
    TrendSeries m_series = TrendDrops;
    TrendPoints m_points;
    QDateTime m_now;   // one moment for the points and the labels of a build
    QButtonGroup *m_rangeGroup = nullptr;
    QButtonGroup *m_seriesGroup = nullptr;
    TrendPlotCurve *m_curve = nullptr;
    TimeScakeDraw *m_timeDraw = nullptr;
    VScaleDraw *m_valueDraw = nullptr;
    YPlotPanner *m_panner = nullptr;
};
