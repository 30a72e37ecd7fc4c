#include <QPushButton>
#include <QTest>

#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_scale_div.h>
#include <qwt_scale_draw.h>
#include <qwt_scale_map.h>
#include <qwt_text.h>

#include "test_trend.h"
#include "trendwidget.h"
#include "yplotpanner.h"

Q_DECLARE_METATYPE(QList<double>)

namespace {

const QString sn = QStringLiteral("TW0000000001");
const QStringList seriesButtons = {QStringLiteral("pushButton_O2Score"), QStringLiteral("pushButton_drops"),
                                   QStringLiteral("pushButton_LowestSpO2"), QStringLiteral("pushButton_avgSpo2"),
                                   QStringLiteral("pushButton_avgHR")};

QDateTime daysAgo(int days, int hour = 12)
{
    return QDateTime(QDate::currentDate().addDays(-days), QTime(hour, 0));
}

QwtPlot *plotOf(const TrendWidget &w)
{
    return w.findChild<QwtPlot *>(QStringLiteral("qwtPlot"));
}

QVector<QPointF> shownPoints(const TrendWidget &w)
{
    const QwtPlotItemList curves = plotOf(w)->itemList(QwtPlotItem::Rtti_PlotCurve);
    QVector<QPointF> points;
    if (curves.size() != 1)
        return points;
    const auto *curve = static_cast<const QwtPlotCurve *>(curves.first());
    for (size_t i = 0; i < curve->dataSize(); ++i)
        points.append(curve->sample(i));
    return points;
}

void click(TrendWidget &w, const QString &button)
{
    QTest::mouseClick(w.findChild<QPushButton *>(button), Qt::LeftButton);
}

bool isBlue(QRgb c)
{
    return qBlue(c) > 200 && qRed(c) < 80 && qGreen(c) < 80;
}

} // namespace

void TestTrendWidget::init()
{
    m_db = std::make_unique<TrendDatabase>();
    QVERIFY(m_db->isOpen());
}

void TestTrendWidget::buttonsFollowBranchCode_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("visible");
    QTest::addColumn<QString>("checked");
    QTest::addColumn<double>("shownY");
    QTest::addColumn<QString>("avgSpO2Text");

    const QString avgSpO2 = QStringLiteral("pushButton_avgSpo2");
    const QString avgPr = QStringLiteral("pushButton_avgHR");
    const QString score = QStringLiteral("pushButton_O2Score");
    const QStringList averages = {avgSpO2, avgPr};
    const QStringList oxygen(seriesButtons.mid(0, 3));
    QTest::newRow("24010004 says oxygen level") << "24010004" << averages << avgSpO2 << 93.0 << "Avg.O2";
    QTest::newRow("2701 family, averages only") << "27010003" << averages << avgSpO2 << 93.0 << "Avg.SpO2";
    QTest::newRow("2801 family, averages only") << "28010001" << averages << avgSpO2 << 93.0 << "Avg.SpO2";
    QTest::newRow("pulse-only shows its pulse checked") << "27030001" << QStringList{avgPr} << avgPr << 58.0 << "Avg.SpO2";
    QTest::newRow("2C100002 without O2 score") << "2C100002" << QStringList(seriesButtons.mid(1)) << avgSpO2 << 93.0 << "Avg.SpO2";
    QTest::newRow("2D010001 with all five") << "2D010001" << seriesButtons << avgSpO2 << 93.0 << "Avg.SpO2";
    QTest::newRow("other 2401 code") << "24010001" << oxygen << score << 7.4 << "Avg.SpO2";
    QTest::newRow("2B01 family") << "2B010000" << oxygen << score << 7.4 << "Avg.SpO2";
    QTest::newRow("recorder not in the database") << QString() << oxygen << score << 7.4 << "Avg.SpO2";
}

void TestTrendWidget::buttonsFollowBranchCode()
{
    QFETCH(QString, code);
    QFETCH(QStringList, visible);
    QFETCH(QString, checked);
    QFETCH(double, shownY);
    QFETCH(QString, avgSpO2Text);

    if (!code.isEmpty())
        QVERIFY(m_db->addRecorder(sn, code));
    QVERIFY(m_db->addNight(NightRow(sn, daysAgo(1)).avgSpO2(93).lowestSpO2(81).avgPulse(58).o2Score(74).drops4(9)));

    TrendWidget w(sn);
    for (const QString &name : seriesButtons) {
        const QPushButton *b = w.findChild<QPushButton *>(name);
        QCOMPARE(!b->isHidden(), visible.contains(name));
        QCOMPARE(b->isChecked(), name == checked);
    }
    QCOMPARE(w.findChild<QPushButton *>(QStringLiteral("pushButton_avgSpo2"))->text(), avgSpO2Text);
    QVERIFY(w.findChild<QPushButton *>(QStringLiteral("pushButton_week"))->isChecked());
    // What is drawn at the start is the checked series, not some other vector.
    QCOMPARE(shownPoints(w), (QVector<QPointF>{{-1, shownY}}));
}

void TestTrendWidget::axesFollowButtons_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("rangeButton");
    QTest::addColumn<QString>("seriesButton");
    QTest::addColumn<double>("xMin");
    QTest::addColumn<QList<double>>("xTicks");
    QTest::addColumn<QList<double>>("yTicks");

    const QList<double> week = {-7, -6, -5, -4, -3, -2, -1, 0};
    const QList<double> month = {-28, -21, -14, -7, 0};
    const QList<double> year = {-12, -9, -6, -3, 0};
    const QList<double> spo2 = {70, 75, 80, 85, 90, 95, 100};
    QTest::newRow("week, O2 score") << "2D010001" << "pushButton_week" << "pushButton_O2Score" << -7.0 << week
                                    << QList<double>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    QTest::newRow("month, drops") << "2D010001" << "pushButton_month" << "pushButton_drops" << -30.0 << month
                                  << QList<double>{0, 10, 20, 30, 40, 50};
    QTest::newRow("year, lowest SpO2") << "2D010001" << "pushButton_year" << "pushButton_LowestSpO2" << -12.0 << year << spo2;
    QTest::newRow("month, avg SpO2") << "2D010001" << "pushButton_month" << "pushButton_avgSpo2" << -30.0 << month << spo2;
    QTest::newRow("year, pulse to 180") << "2D010001" << "pushButton_year" << "pushButton_avgHR" << -12.0 << year
                                        << QList<double>{30, 60, 90, 120, 150, 180};
    QTest::newRow("baby monitor pulse to 270") << "27010003" << "pushButton_week" << "pushButton_avgHR" << -7.0 << week
                                               << QList<double>{30, 60, 90, 120, 150, 180, 210, 240, 270};
}

void TestTrendWidget::axesFollowButtons()
{
    QFETCH(QString, code);
    QFETCH(QString, rangeButton);
    QFETCH(QString, seriesButton);
    QFETCH(double, xMin);
    QFETCH(QList<double>, xTicks);
    QFETCH(QList<double>, yTicks);

    QVERIFY(m_db->addRecorder(sn, code));
    QVERIFY(m_db->addNight(NightRow(sn, daysAgo(40))));
    TrendWidget w(sn);
    w.resize(1050, 700);
    w.show();
    // Series first, then range: each click must keep what the other chose.
    click(w, seriesButton);
    click(w, rangeButton);

    const QwtPlot *plot = plotOf(w);
    const QwtScaleDiv &x = plot->axisScaleDiv(QwtPlot::xBottom);
    const QwtScaleDiv &y = plot->axisScaleDiv(QwtPlot::yLeft);
    QCOMPARE(x.lowerBound(), xMin);
    QCOMPARE(x.upperBound(), 0.0);
    QCOMPARE(x.ticks(QwtScaleDiv::MajorTick), xTicks);
    QCOMPARE(y.lowerBound(), yTicks.first());
    QCOMPARE(y.upperBound(), yTicks.last());
    QCOMPARE(y.ticks(QwtScaleDiv::MajorTick), yTicks);
    // No date filter: the old night stays in the data, in the range's unit.
    const QVector<QPointF> shown = shownPoints(w);
    QCOMPARE(shown.size(), 1);
    if (rangeButton == QLatin1String("pushButton_year"))
        QVERIFY(shown[0].x() == -1 || shown[0].x() == -2);
    else
        QCOMPARE(shown[0].x(), -40.0);
}

void TestTrendWidget::axisLabels()
{
    QVERIFY(m_db->addRecorder(sn, QStringLiteral("2D010001")));
    TrendWidget w(sn);
    const QwtPlot *plot = plotOf(w);
    auto valueLabel = [&](double v) { return plot->axisScaleDraw(QwtPlot::yLeft)->label(v).text(); };
    auto timeLabel = [&](double v) { return plot->axisScaleDraw(QwtPlot::xBottom)->label(v).text(); };
    const QLocale english(QLocale::English);

    QCOMPARE(valueLabel(70), QString::fromUtf8("≤70%"));
    QCOMPARE(valueLabel(100), QStringLiteral("100%"));
    QCOMPARE(timeLabel(-1), english.toString(QDate::currentDate().addDays(-1), QStringLiteral("MMM d")));
    // After panning, ticks arrive a hair off the whole day.
    QCOMPARE(timeLabel(-348 + 6e-14), english.toString(QDate::currentDate().addDays(-348), QStringLiteral("MMM d")));
    QCOMPARE(timeLabel(-3 - 6e-14), english.toString(QDate::currentDate().addDays(-3), QStringLiteral("MMM d")));

    click(w, QStringLiteral("pushButton_avgHR"));
    QCOMPARE(valueLabel(30), QString::fromUtf8("≤30"));
    QCOMPARE(valueLabel(60), QStringLiteral("60"));

    click(w, QStringLiteral("pushButton_O2Score"));
    QCOMPARE(valueLabel(0), QStringLiteral("0"));

    click(w, QStringLiteral("pushButton_year"));
    QCOMPARE(timeLabel(-1), english.toString(QDate::currentDate().addMonths(-1), QStringLiteral("yyyy MMM")));
}

void TestTrendWidget::sameDayNightsDrawAsOneBar()
{
    QVERIFY(m_db->addRecorder(sn, QStringLiteral("2D010001")));
    for (int spo2 : {92, 96, 94})
        QVERIFY(m_db->addNight(NightRow(sn, daysAgo(2, 1 + spo2 % 10)).avgSpO2(spo2)));
    QVERIFY(m_db->addNight(NightRow(sn, daysAgo(5)).avgSpO2(80)));
    QVERIFY(m_db->addNight(NightRow(sn, daysAgo(4)).avgSpO2(98)));

    TrendWidget w(sn);
    w.resize(1050, 700);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVector<QPointF> shown = shownPoints(w);
    std::sort(shown.begin(), shown.end(), [](QPointF a, QPointF b) { return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y()); });
    QCOMPARE(shown, (QVector<QPointF>{{-5, 80}, {-4, 98}, {-2, 92}, {-2, 96}}));

    QwtPlot *plot = plotOf(w);
    const QImage canvas = plot->canvas()->grab().toImage();
    auto pixel = [&](double x, double y) {
        return canvas.pixel(qRound(plot->transform(QwtPlot::xBottom, x)), qRound(plot->transform(QwtPlot::yLeft, y)));
    };
    QVERIFY(isBlue(pixel(-2, 94)));
    QVERIFY(!isBlue(pixel(-4.5, 89)));
}

void TestTrendWidget::panningReachesOlderNightsAndRightClickRestores()
{
    QVERIFY(m_db->addRecorder(sn, QStringLiteral("2D010001")));
    QVERIFY(m_db->addNight(NightRow(sn, daysAgo(40)).avgSpO2(91)));
    TrendWidget w(sn);
    w.resize(1050, 700);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    click(w, QStringLiteral("pushButton_month"));

    QwtPlot *plot = plotOf(w);
    const QwtScaleMap map = plot->canvasMap(QwtPlot::xBottom);
    const int fifteenDays = qRound(map.transform(-15) - map.transform(-30));
    w.findChild<YPlotPanner *>()->moveCanvas(fifteenDays, 40);

    const QwtScaleDiv &x = plot->axisScaleDiv(QwtPlot::xBottom);
    QVERIFY(x.contains(-40));
    QVERIFY(!x.contains(-5));
    const QList<double> ticks = x.ticks(QwtScaleDiv::MajorTick);
    QVERIFY(ticks.size() >= 2);
    QCOMPARE(qRound(ticks[1] - ticks[0]), 7);
    QCOMPARE(plot->axisScaleDiv(QwtPlot::yLeft).lowerBound(), 70.0);
    QCOMPARE(plot->axisScaleDiv(QwtPlot::yLeft).upperBound(), 100.0);

    QTest::mouseClick(plot->canvas(), Qt::RightButton);
    QCOMPARE(plot->axisScaleDiv(QwtPlot::xBottom).lowerBound(), -30.0);
    QCOMPARE(plot->axisScaleDiv(QwtPlot::xBottom).upperBound(), 0.0);
    QCOMPARE(w.range(), TrendMonth);
    QCOMPARE(w.series(), TrendAvgSpO2);
}

void TestTrendWidget::recorderWithoutNightsShowsEmptyAxes()
{
    QVERIFY(m_db->addRecorder(sn, QStringLiteral("2B010000")));
    QVERIFY(m_db->addNight(NightRow(QStringLiteral("SOMEONEELSE1"), daysAgo(1))));
    TrendWidget w(sn);
    QVERIFY(shownPoints(w).isEmpty());
    QCOMPARE(plotOf(w)->axisScaleDiv(QwtPlot::xBottom).lowerBound(), -7.0);
    QCOMPARE(plotOf(w)->axisScaleDiv(QwtPlot::yLeft).upperBound(), 10.0);
}
