#include "trendwidget.h"
#include "ui_trendwidget.h"

#include <QButtonGroup>
#include <QMouseEvent>
#include <QPen>

#include <qwt_plot_canvas.h>
#include <qwt_plot_grid.h>
#include <qwt_scale_widget.h>

#include "appconfig.h"
#include "recorddatabase.h"
#include "timescakedraw.h"
#include "trendaxes.h"
#include "trendbuttons.h"
#include "trenddata.h"
#include "trendplotcurve.h"
#include "vscaledraw.h"
#include "yplotpanner.h"

TrendWidget::TrendWidget(const QString &serialNumber, QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::TrendWidget)
    , m_serialNumber(serialNumber)
    , m_now(QDateTime::currentDateTime())
{
    ui->setupUi(this);
    ui->pushButton_week->setChecked(true);
    setUpPlot();
    if (const DeviceInfoPtr device = RecordDatabase::instance().device(m_serialNumber))
        m_branchCode = device->branchCode();
    setUpButtons();
    m_range = TrendWeek;
    updateTrend(m_range, m_series);
}

TrendWidget::~TrendWidget()
{
    delete ui;
}

void TrendWidget::setUpPlot()
{
    QwtPlot *plot = ui->qwtPlot;
    plot->canvas()->setBackgroundRole(QPalette::Base);
    plot->canvas()->setAutoFillBackground(true);

    m_curve = new TrendPlotCurve;
    m_curve->attach(plot);

    m_timeDraw = new TimeScakeDraw(m_now, AppConfig::instance().dateLocale());
    plot->setAxisScaleDraw(QwtPlot::xBottom, m_timeDraw);
    m_valueDraw = new VScaleDraw;
    plot->setAxisScaleDraw(QwtPlot::yLeft, m_valueDraw);
    plot->setAxisTitle(QwtPlot::xBottom, QStringLiteral(" "));

    auto *grid = new QwtPlotGrid;
    grid->enableX(false);
    grid->enableY(true);
    grid->setMajorPen(QPen(Qt::gray, 0, Qt::SolidLine));
    grid->attach(plot);

    m_panner = new YPlotPanner(plot->canvas());
}

void TrendWidget::setUpButtons()
{
    m_rangeGroup = new QButtonGroup(this);
    m_rangeGroup->setExclusive(true);
    for (QPushButton *b : {ui->pushButton_week, ui->pushButton_month, ui->pushButton_year})
        m_rangeGroup->addButton(b);

    // Indexed by TrendSeries.
    QPushButton *const buttons[trendSeriesCount] = {ui->pushButton_O2Score, ui->pushButton_drops,
                                                    ui->pushButton_LowestSpO2, ui->pushButton_avgSpo2,
                                                    ui->pushButton_avgHR};
    m_seriesGroup = new QButtonGroup(this);
    m_seriesGroup->setExclusive(true);
    for (QPushButton *b : buttons)
        m_seriesGroup->addButton(b);

    const TrendButtons layout = TrendButtons::forBranchCode(m_branchCode);
    for (int s = 0; s < trendSeriesCount; ++s)
        buttons[s]->setVisible(layout.visible[size_t(s)]);
    // The button of the series shown is the checked one, so it is never a
    // hidden button while the visible one looks unselected.
    buttons[layout.initial]->setChecked(true);
    if (layout.saysOxygenLevel) {
        ui->pushButton_avgSpo2->setText(tr("Avg.O2"));
        ui->pushButton_avgHR->setText(tr("Avg.PR", "venrik"));
    }
    m_series = layout.initial;
}

void TrendWidget::updateTrend(TrendRange range, TrendSeries series)
{
    // Points and axis labels share this moment, so a view left open past
    // midnight still puts each night under its own date.
    m_now = QDateTime::currentDateTime();
    m_timeDraw->setReference(m_now);
    buildTrendData(range);
    setAxes(range, series);
    m_curve->setSamples(m_points[size_t(series)]);
    ui->qwtPlot->replot();
}

void TrendWidget::buildTrendData(TrendRange range)
{
    // One query for all rows: with a thousand nights, a query per night
    // would cost most of the build.
    m_points = TrendData::build(RecordDatabase::instance().records(m_serialNumber), m_now, range);
}

void TrendWidget::setAxes(TrendRange range, TrendSeries series)
{
    QwtPlot *plot = ui->qwtPlot;
    m_timeDraw->setMode(range);
    const TrendAxes::Scale time = TrendAxes::timeScale(range);
    plot->setAxisMaxMajor(QwtPlot::xBottom, time.maxMajor);
    plot->setAxisMaxMinor(QwtPlot::xBottom, time.maxMinor);
    plot->setAxisScale(QwtPlot::xBottom, time.min, time.max, time.step);

    const TrendAxes::Scale value = TrendAxes::valueScale(series, m_branchCode);
    m_valueDraw->setLowerBoundPrefix(value.lowerBoundPrefix);
    m_valueDraw->setPercentSuffix(value.percentSuffix);
    plot->setAxisMaxMajor(QwtPlot::yLeft, value.maxMajor);
    plot->setAxisMaxMinor(QwtPlot::yLeft, value.maxMinor);
    plot->setAxisScale(QwtPlot::yLeft, value.min, value.max, value.step);
}

void TrendWidget::mousePressEvent(QMouseEvent *event)
{
    // Undoes any panning: back to the window of the chosen range.
    if (event->button() == Qt::RightButton) {
        updateTrend(m_range, m_series);
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void TrendWidget::on_pushButton_week_clicked()
{
    m_range = TrendWeek;
    updateTrend(m_range, m_series);
}

void TrendWidget::on_pushButton_month_clicked()
{
    m_range = TrendMonth;
    updateTrend(m_range, m_series);
}

void TrendWidget::on_pushButton_year_clicked()
{
    m_range = TrendYear;
    updateTrend(m_range, m_series);
}

void TrendWidget::on_pushButton_O2Score_clicked()
{
    m_series = TrendO2Score;
    updateTrend(m_range, m_series);
}

void TrendWidget::on_pushButton_drops_clicked()
{
    m_series = TrendDrops;
    updateTrend(m_range, m_series);
}

void TrendWidget::on_pushButton_LowestSpO2_clicked()
{
    m_series = TrendLowestSpO2;
    updateTrend(m_range, m_series);
}

void TrendWidget::on_pushButton_avgSpo2_clicked()
{
    m_series = TrendAvgSpO2;
    updateTrend(m_range, m_series);
}

void TrendWidget::on_pushButton_avgHR_clicked()
{
    m_series = TrendAvgPulse;
    updateTrend(m_range, m_series);
}
