#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "aboutdlg.h"
#include "appconfig.h"
#include "buildconfig.h"
#include "contact.h"
#include "showhintbutton.h"
#include "switchcontrol.h"
#include "testmain.h"

Q_DECLARE_METATYPE(Qt::MouseButton)

class TestWidgets : public QObject
{
    Q_OBJECT

private slots:
    void switchClickRules_data();
    void switchClickRules();
    void switchAnimatesWithoutEmitting();
    void hintButtonDrawsDot();
    void aboutVersionText_data();
    void aboutVersionText();
    void aboutOffersNewVersionOnlyWhenKnown();
    void contactAddressFollowsBranding_data();
    void contactAddressFollowsBranding();
};

void TestWidgets::switchClickRules_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("toggles");
    QTest::newRow("left click") << true << Qt::LeftButton << true;
    QTest::newRow("right click") << true << Qt::RightButton << false;
    QTest::newRow("disabled") << false << Qt::LeftButton << false;
}

void TestWidgets::switchClickRules()
{
    QFETCH(bool, enabled);
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, toggles);
    SwitchControl control;
    control.resize(control.sizeHint());
    control.setEnabled(enabled);
    QSignalSpy spy(&control, &SwitchControl::toggled);
    QTest::mouseClick(&control, button);
    QCOMPARE(control.isChecked(), toggles);
    QCOMPARE(spy.size(), toggles ? 1 : 0);
    if (toggles)
        QCOMPARE(spy.at(0).at(0).toBool(), true);
}

void TestWidgets::switchAnimatesWithoutEmitting()
{
    SwitchControl control;
    QCOMPARE(control.sizeHint(), QSize(38, 22));
    control.resize(control.sizeHint());
    QCOMPARE(control.thumbX(), 8.0);
    QSignalSpy spy(&control, &SwitchControl::toggled);
    control.setChecked(true);
    QTest::qWait(35);
    const qreal midway = control.thumbX();
    QVERIFY(midway > 8.0 && midway < 22.0);
    QTRY_COMPARE_WITH_TIMEOUT(control.thumbX(), 22.0, 2000);   // width - height
    QTest::qWait(40);
    QCOMPARE(control.thumbX(), 22.0);   // the timer stopped at the end
    QCOMPARE(spy.size(), 0);
    control.setChecked(false);
    QTRY_COMPARE_WITH_TIMEOUT(control.thumbX(), 8.0, 2000);
}

void TestWidgets::hintButtonDrawsDot()
{
    ShowHintButton button;
    button.resize(80, 40);
    const auto dotPixel = [&] { return button.grab().toImage().pixelColor(80 - 1 - 5 - 5, 5 + 5); };
    QVERIFY(dotPixel() != QColor(255, 10, 10));
    button.setShowHint(true);
    QCOMPARE(dotPixel(), QColor(255, 10, 10));
    button.setShowHint(false);
    QVERIFY(dotPixel() != QColor(255, 10, 10));
}

void TestWidgets::aboutVersionText_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("shown");
    QTest::newRow("trailing .0 cut") << "1.2.0" << "1.2";
    QTest::newRow(".0 inside stays") << "1.0.3" << "1.0.3";
    QTest::newRow("ends in .10") << "1.2.10" << "1.2.10";
    QTest::newRow("other ending") << "2.1" << "2.1";
}

void TestWidgets::aboutVersionText()
{
    QFETCH(QString, version);
    QFETCH(QString, shown);
    QCOMPARE(AboutDlg::displayVersion(version), shown);
    AboutDlg dialog;
    QCOMPARE(dialog.findChild<QLabel *>("labelVersion")->text(),
             "Nocturnix V" + AboutDlg::displayVersion(NOCTURNIX_VERSION));
}

void TestWidgets::aboutOffersNewVersionOnlyWhenKnown()
{
    AppConfig::instance().setNewVersionUrl(QString());
    AppConfig::instance().setBranchCode("2B010000");
    {
        AboutDlg dialog;
        QVERIFY(dialog.findChild<QWidget *>("btnVerHint")->isHidden());
        QCOMPARE(dialog.findChild<QLabel *>("labelCopyright")->text(), QStringLiteral(NOCTURNIX_COPYRIGHT));
    }
    AppConfig::instance().setNewVersionUrl("https://downloads.example.org/setup.exe");
    AppConfig::instance().setBranchCode("23010001");
    AboutDlg dialog;
    QVERIFY(!dialog.findChild<QWidget *>("btnVerHint")->isHidden());
    QVERIFY(dialog.findChild<QLabel *>("labelCopyright")->text().isEmpty());
    AppConfig::instance().setNewVersionUrl(QString());
}

void TestWidgets::contactAddressFollowsBranding_data()
{
    QTest::addColumn<QString>("branch");
    QTest::addColumn<QString>("address");
    QTest::newRow("maker's recorder") << "2B010000" << NOCTURNIX_SUPPORT_MAIL;
    QTest::newRow("partner recorder") << "24010002" << NOCTURNIX_PARTNER_SUPPORT_MAIL;
    QTest::newRow("case matters") << "2401000a" << NOCTURNIX_SUPPORT_MAIL;
}

void TestWidgets::contactAddressFollowsBranding()
{
    QFETCH(QString, branch);
    QFETCH(QString, address);
    AppConfig::instance().setBranchCode(branch);
    Contact dialog;
    const QString text = dialog.findChild<QLabel *>("labelEmail")->text();
    QVERIFY2(text.contains("mailto:" + address + "\">" + address + "</a>"), qPrintable(text));
}

int main(int argc, char *argv[])
{
    return runTests<QApplication, TestWidgets>(argc, argv);
}

#include "test_widgets.moc"
