#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>

#include "fakecontroller.h"
#include "fixture.h"
#include "mainwindow.h"
#include "mytreeview.h"
#include "mytreeviewmodel.h"
#include "test_mainwindow.h"

namespace {

template<typename T>
T *child(MainWindow &w, const char *name)
{
    T *found = w.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no widget %s", name);
    return found;
}

void pingTick(MainWindow &w)
{
    QMetaObject::invokeMethod(&w, "onPingTick");
}

} // namespace

void TestMainWindow::init()
{
    AppConfig::instance().setBranchCode(QString());
    AppConfig::instance().setMaxSized(false);
}

void TestMainWindow::pingDuringDownloadKeepsButtonsDisabled()
{
    DataFixture data;
    auto *device = new FakeController;
    MainWindow w(device);
    auto *download = child<QPushButton>(w, "pushButton_Download");
    w.on_pushButton_Download_clicked();
    QCOMPARE(device->downloads, 1);
    QVERIFY(w.isBusy());
    QVERIFY(!download->isEnabled());
    QVERIFY(!child<QPushButton>(w, "btnSetting")->isEnabled());
    QVERIFY(!child<QPushButton>(w, "pushButton_dev_setting")->isEnabled());
    QVERIFY(!child<QProgressBar>(w, "progressBar_download")->isHidden());

    // The download's own identification reports a ping result.
    emit device->pingResult(true, false);
    QVERIFY(!download->isEnabled());
    w.on_pushButton_Download_clicked();
    QCOMPARE(device->downloads, 1);

    emit device->updateDownloadProgressBar("20260301223000", 150, 300);
    QCOMPARE(child<QProgressBar>(w, "progressBar_download")->value(), 150);
    QCOMPARE(child<QLabel>(w, "label_progress")->text(), QString("20260301223000"));

    emit device->downloadEnd(0);
    QVERIFY(download->isEnabled());
    QVERIFY(!w.isBusy());
    QVERIFY(child<QProgressBar>(w, "progressBar_download")->isHidden());
    QCOMPARE(w.statusBar()->currentMessage(), QString("All file downloaded."));
}

void TestMainWindow::clicksWhileBusyAreIgnored()
{
    DataFixture data;
    auto *device = new FakeController;
    MainWindow w(device);
    QSignalSpy pings(&w, &MainWindow::pingDeviceStart);
    pingTick(w);
    QCOMPARE(pings.count(), 1);
    QVERIFY(w.isBusy());
    pingTick(w);
    QCOMPARE(pings.count(), 1);
    w.on_pushButton_Download_clicked();
    w.on_pushButton_dev_setting_clicked();
    QCOMPARE(device->downloads, 0);
    QCOMPARE(device->pings, 1);  // the queued ping only

    emit device->pingResult(false, false);
    QVERIFY(!w.isBusy());
    device->pingAnswer = 1;
    w.on_pushButton_dev_setting_clicked();
    QCOMPARE(w.statusBar()->currentMessage(), QString("Can not connect to device."));
    device->pingAnswer = 0;
    device->configAnswer = 6;
    w.on_pushButton_dev_setting_clicked();
    QCOMPARE(w.statusBar()->currentMessage(), QString("Can not read device setting."));
    QVERIFY(!w.isBusy());
    QVERIFY(child<QPushButton>(w, "pushButton_dev_setting")->isEnabled());
}

void TestMainWindow::downloadEndMessages_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("0") << 0 << "All file downloaded.";
    QTest::newRow("1") << 1 << "Can not connect to device.";
    QTest::newRow("2") << 2 << "Can not get device information.";
    QTest::newRow("3") << 3 << "Create file failed.";
    QTest::newRow("4") << 4 << "Can not get file information.";
    QTest::newRow("5") << 5 << "No data.";
    QTest::newRow("6") << 6 << "Download failed.";
    QTest::newRow("7 has no message") << 7 << "";
}

void TestMainWindow::downloadEndMessages()
{
    QFETCH(int, code);
    QFETCH(QString, message);
    DataFixture data;
    auto *device = new FakeController;
    MainWindow w(device);
    w.on_pushButton_Download_clicked();
    emit device->downloadEnd(code);
    QCOMPARE(w.statusBar()->currentMessage(), message);
    QVERIFY(!w.isBusy());
    QVERIFY(child<QPushButton>(w, "pushButton_Download")->isEnabled());
}

void TestMainWindow::connectedNameShowsSpaces()
{
    DataFixture data;
    auto *device = new FakeController;
    device->branchCode = "21010001";  // "Pelsin_O2"
    MainWindow w(device);
    emit device->pingResult(true, true);
    QCOMPARE(child<QLabel>(w, "label_statusText")->text(), QString("Pelsin O2 is connected"));
    emit device->pingResult(false, false);
    QCOMPARE(child<QLabel>(w, "label_statusText")->text(), QString("No device connected"));
    // Attached but closed to this user: the status says what to install.
    device->locked = true;
    emit device->pingResult(false, false);
    QVERIFY(child<QLabel>(w, "label_statusText")->text().contains("70-nocturnix.rules"));
}

void TestMainWindow::faqAndContactFollowTheBranchCode()
{
    DataFixture data;
    auto *device = new FakeController;
    MainWindow w(device);
    auto *faq = child<QPushButton>(w, "btnFaq");
    auto *contact = child<QPushButton>(w, "btnContact");
    QVERIFY(faq->isHidden() && contact->isHidden());

    AppConfig::instance().setBranchCode("23010001");
    emit device->findBranchCode();
    QVERIFY(faq->isHidden());
    QVERIFY(!contact->isHidden());

    AppConfig::instance().setBranchCode("2B010000");
    emit device->findBranchCode();
    QVERIFY(!faq->isHidden() && !contact->isHidden());
}

void TestMainWindow::selectingRecordingsAndRecorders()
{
    DataFixture data;
    data.addDevice("WRIST2", "2B010000");
    QVERIFY(data.addNight("WRIST2", "20260301223000"));
    QVERIFY(data.addNight("WRIST2", "20260302223000"));
    MainWindow w(new FakeController);
    auto *area = child<QScrollArea>(w, "scrollArea_Report");
    // The first recorder is current from the start and shows its nights.
    QVERIFY(area->widget());
    QVERIFY(child<QPushButton>(w, "pushButton_edit")->isHidden());

    auto *tree = child<MyTreeView>(w, "treeView");
    tree->setCurrentIndex(w.treeModel()->find("WRIST2", "20260301223000"));
    QVERIFY(area->widget());
    QVERIFY(!child<QPushButton>(w, "pushButton_edit")->isHidden());
    QCOMPARE(w.statusBar()->currentMessage(), QString());

    // A file that no longer reads leaves the area empty with a lasting message.
    QFile::resize(data.path() + "/WRIST2/20260302223000", 20);
    tree->setCurrentIndex(w.treeModel()->find("WRIST2", "20260302223000"));
    QVERIFY(!area->widget());
    QCOMPARE(w.statusBar()->currentMessage(), QString("The file is corrupt."));
}

void TestMainWindow::downloadedFileIsMarkedAndExpanded()
{
    DataFixture data;
    data.addDevice("WRIST2", "2B010000");
    QVERIFY(data.addNight("WRIST2", "20260301223000"));
    auto *device = new FakeController;
    MainWindow w(device);
    QVERIFY(data.addNight("WRIST2", "20260402223000"));
    emit device->fileDownloadSuccess("WRIST2", "20260402223000");
    const QModelIndex night = w.treeModel()->find("WRIST2", "20260402223000");
    QVERIFY(night.isValid());
    QCOMPARE(night.data(Qt::BackgroundRole).value<QBrush>().color(), MyTreeViewModel::newRecordColour());
    auto *tree = child<MyTreeView>(w, "treeView");
    QVERIFY(tree->isExpanded(night.parent()));
    QVERIFY(tree->isExpanded(night.parent().parent()));

    // Selecting it takes the mark away.
    tree->setCurrentIndex(night);
    QVERIFY(night.data(Qt::BackgroundRole).value<QBrush>().color() != MyTreeViewModel::newRecordColour());
}

void TestMainWindow::closingStoresGeometry()
{
    DataFixture data;
    MainWindow w(new FakeController);
    w.resize(900, 600);
    w.close();
    QCOMPARE(AppConfig::instance().mainWindowSize(), QSize(900, 600));
    QVERIFY(!AppConfig::instance().isMaxSized());
}
