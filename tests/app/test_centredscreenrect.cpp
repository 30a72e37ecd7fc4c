#include "test_app.h"

#include "centredscreenrect.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

void TestCentredScreenRect::fitsAspectIntoCentralRegion_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<double>("aspect");
    QTest::addColumn<double>("widthFraction");
    QTest::addColumn<double>("heightFraction");
    QTest::addColumn<QRect>("expected");

    QTest::newRow("wide screen: height limits") << QRect(0, 0, 1920, 1200) << 1.6 << 1.0 << 0.75
                                                << QRect(240, 150, 1440, 900);
    QTest::newRow("tall screen: width limits") << QRect(0, 0, 1080, 1920) << 1.6 << 1.0 << 0.75
                                               << QRect(0, 622, 1080, 675);
    QTest::newRow("available area off the origin") << QRect(100, 50, 1000, 800) << 2.0 << 0.5 << 0.5
                                                   << QRect(350, 325, 500, 250);
    QTest::newRow("exact ratio fills the region") << QRect(0, 0, 1600, 1000) << 1.6 << 1.0 << 1.0
                                                  << QRect(0, 0, 1600, 1000);
    QTest::newRow("both sides under 50 become 50 x 50") << QRect(0, 0, 80, 40) << 1.6 << 0.5 << 0.5
                                                        << QRect(15, -5, 50, 50);
    QTest::newRow("one side under 50 is kept") << QRect(0, 0, 400, 60) << 10.0 << 1.0 << 1.0
                                               << QRect(0, 10, 400, 40);
}

void TestCentredScreenRect::fitsAspectIntoCentralRegion()
{
    QFETCH(QRect, available);
    QFETCH(double, aspect);
    QFETCH(double, widthFraction);
    QFETCH(double, heightFraction);
    QFETCH(QRect, expected);

    QCOMPARE(centredRect(available, aspect, widthFraction, heightFraction), expected);
}

void TestCentredScreenRect::usesPrimaryScreen()
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect rect = centredScreenRect(1.6, 1.0, 0.75);
    QCOMPARE(rect, centredRect(available, 1.6, 1.0, 0.75));
    QVERIFY(available.contains(rect));
}
