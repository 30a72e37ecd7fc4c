#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QScrollBar>
#include <QStatusBar>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include "appconfig.h"
#include "branchcodes.h"
#include "buildconfig.h"
#include "centredscreenrect.h"
#include "commcontroller.h"
#include "devicecontroller.h"
#include "devicesettingdlg.h"
#include "aboutdlg.h"
#include "clouddialog.h"
#include "contact.h"
#include "editdialog.h"
#include "hidaccess.h"
#include "messagebox.h"
#include "mysingleton.h"
#include "mytreeviewmodel.h"
#include "recordviews.h"
#include "reportoutput.h"
#include "settingdlg.h"
#include "synchelper.h"

namespace {

constexpr int statusImageHeight = 25;
constexpr int buttonIconSize = 28;

QPixmap statusPixmap(bool connected)
{
    const QPixmap image(connected ? QStringLiteral(":/online") : QStringLiteral(":/offline"));
    return image.isNull() ? image : image.scaledToHeight(statusImageHeight, Qt::SmoothTransformation);
}

} // namespace

MainWindow::MainWindow(DeviceController *controller, QWidget *parent)
    : QMainWindow(parent)
    , m_controller(controller ? controller : new NoDeviceController)
    , ui(new Ui::MainWindow)
{
    ui->setupUi(this);
    QFile sheet(QStringLiteral(":/qss/mainwindow.qss"));
    if (sheet.open(QIODevice::ReadOnly))
        setStyleSheet(QString::fromUtf8(sheet.readAll()));

    setUpButtons();
    restoreGeometry();
    changeBtnFromBranchCode(true);
    setUpStatusBar();

    connect(ui->treeView, &MyTreeView::selectItemChanged, this, &MainWindow::on_selectItemChanged);
    connect(ui->treeView, &MyTreeView::recordDeleted, this, &MainWindow::on_recordDeleted);
    m_treeModel = new MyTreeViewModel(this);
    ui->treeView->setModel(m_treeModel);
    m_treeModel->refresh(false);
    clearReportArea();
    if (m_treeModel->rowCount() > 0) {
        const QModelIndex first = m_treeModel->index(0, 0);
        ui->treeView->expand(first);
        ui->treeView->setCurrentIndex(first);
    } else {
        showEmptyHint();
    }
    ui->treeView->updateColumnWidth();

    SyncHelper &cloud = MySingleton::instance().syncHelper();
    connect(&cloud, &SyncHelper::recordDownloaded, this, [this] { m_treeModel->refresh(true); });
    connect(&cloud, &SyncHelper::sigCheckAppVerUpdateRst, this, &MainWindow::onVersionChecked);
    emit cloud.sigCheckAppVerUpdate();

    m_controller->setInterval(200);
    connect(this, &MainWindow::startDownload, m_controller, &DeviceController::startDownload);
    connect(this, &MainWindow::pingDeviceStart, m_controller, &DeviceController::pingDevice);
    connect(m_controller, &DeviceController::updateDownloadProgressBar, this, &MainWindow::getDownloadProgress);
    connect(m_controller, &DeviceController::downloadEnd, this, &MainWindow::onDownloadEnd);
    connect(m_controller, &DeviceController::fileDownloadSuccess, this, &MainWindow::onDownloadFileEnd);
    connect(m_controller, &DeviceController::fileStoreProblem, this,
            [this](const QString &, const QString &, const QString &text) { m_storeProblems.append(text); });
    connect(m_controller, &DeviceController::findBranchCode, this, [this] { changeBtnFromBranchCode(false); });
    connect(m_controller, &DeviceController::pingResult, this, &MainWindow::onPingResult);

    m_pingTimer = new QTimer(this);
    connect(m_pingTimer, &QTimer::timeout, this, &MainWindow::onPingTick);
    m_pingTimer->start(pingIntervalMs);
}

MainWindow::~MainWindow()
{
    shutDownController();
    MySingleton::instance().shutdownSync();
    delete ui;
}

void MainWindow::onVersionChecked(bool isOK, bool existNew, const QString &, const QString &newVerUrl)
{
    if (!isOK || !existNew)
        return;
    ui->btnAbout->setShowHint(true);
    AppConfig::instance().setNewVersionUrl(newVerUrl);
}

void MainWindow::setUpButtons()
{
    setWindowTitle(tr("Nocturnix"));
    setWindowIcon(QIcon(QStringLiteral(":/images/app.icns")));
    const struct {
        QPushButton *button;
        const char *icon;
    } buttons[] = {
        {ui->pushButton_BLE, ":/connect"},     {ui->pushButton_Download, ":/download"},
        {ui->pushButton_dev_setting, ":/configure"}, {ui->btnFaq, ":/FAQ"},
        {ui->btnAbout, ":/aboutme"},           {ui->btnContact, ":/contact"},
        {ui->btnSetting, ":/setting"},         {ui->btnCloud, ":/onlinebackup"},
    };
    for (const auto &b : buttons) {
        b.button->setIcon(QIcon(QString::fromLatin1(b.icon)));
        b.button->setIconSize(QSize(buttonIconSize, buttonIconSize));
    }
    ui->pushButton_BLE->setText(tr("Connect"));
    ui->pushButton_Download->setText(tr("Download"));
    ui->pushButton_dev_setting->setText(tr("Configure"));
    ui->btnCloud->setText(tr("Online Backup"));
    ui->btnSetting->setText(tr("Options"));
    ui->btnFaq->setText(tr("FAQ"));
    ui->btnContact->setText(tr("Contact Us"));
    ui->btnAbout->setText(tr("About"));
    ui->pushButton_print->setText(tr("Print"));
    ui->pushButton_edit->setText(tr("Edit"));
    ui->pushButton_pdf->setText(tr("Save as PDF"));
    ui->pushButton_csv->setText(tr("Export as CSV"));

    ui->label_tip->setText(tr("No Device connected now. To Download and Configure, you need to connect to the device first."));
    ui->label_tip->setStyleSheet(QStringLiteral("color:red;"));
    ui->label_tip->hide();
    ui->pushButton_BLE->hide();
    setReportButtonsVisible(false);
}

void MainWindow::restoreGeometry()
{
    setGeometry(centredScreenRect(1.6, 1.0, 0.8));
    const AppConfig &config = AppConfig::instance();
    if (config.isMaxSized()) {
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    if (config.mainWindowSize().isValid())
        resize(config.mainWindowSize());
    move(config.mainWindowPos());
}

void MainWindow::setUpStatusBar()
{
    m_statusImage = new QLabel(this);
    m_statusImage->setObjectName(QStringLiteral("label_statusImage"));
    m_statusText = new QLabel(this);
    m_statusText->setObjectName(QStringLiteral("label_statusText"));
    m_progressLabel = new QLabel(this);
    m_progressLabel->setObjectName(QStringLiteral("label_progress"));
    m_progressBar = new QProgressBar(this);
    m_progressBar->setObjectName(QStringLiteral("progressBar_download"));
    m_progressBar->setMaximumWidth(360);
    statusBar()->addWidget(m_progressLabel);
    statusBar()->addWidget(m_progressBar);
    statusBar()->addPermanentWidget(m_statusImage);
    statusBar()->addPermanentWidget(m_statusText);
    m_progressLabel->hide();
    m_progressBar->hide();
    setStatus(false, tr("No device connected"));
}

void MainWindow::setStatus(bool connected, const QString &text)
{
    m_statusText->setText(text);
    m_statusImage->setPixmap(statusPixmap(connected));
}

QString MainWindow::downloadEndMessage(int errorCode)
{
    return CommController::endMessage(errorCode);
}

void MainWindow::changeBtnFromBranchCode(bool isContruct)
{
    const QString code = AppConfig::instance().branchCode();
    if (code.isEmpty()) {
        ui->btnFaq->hide();
        ui->btnContact->hide();
    } else if (BranchCodes::hasNeutralBranding(code)) {
        ui->btnFaq->hide();
        ui->btnContact->show();
    } else if (!isContruct) {
        ui->btnFaq->show();
        ui->btnContact->show();
    }
}

void MainWindow::onPingTick()
{
    if (m_busy)
        return;
    m_busy = true;
    emit pingDeviceStart();
}

void MainWindow::onPingResult(bool detected, bool)
{
    if (detected) {
        const ConstDeviceInfoPtr info = m_controller->deviceInfo();
        QString name = BranchCodes::modelName(info ? info->branchCode() : QString());
        name.replace(QLatin1Char('_'), QLatin1Char(' '));
        setStatus(true, name + tr(" is connected"));
        ui->label_tip->setText(tr("To connect to your device using Quillet app on your phone, click the disconnect button!"));
    } else if (m_controller->isRecorderLocked()) {
        // Plugged in, but the system keeps it from this user: say so rather than "no device".
        setStatus(false, tr("Recorder found, but access is denied: install the udev rule %1 and plug it in again")
                             .arg(QLatin1String(HidAccess::udevRuleName)));
    } else {
        setStatus(false, tr("No device connected"));
        ui->label_tip->setText(tr("No Device connected now. To Download and Configure, you need to connect to the device first."));
    }
    // During a download the disabled buttons, not this flag, keep other exchanges out.
    m_busy = false;
}

void MainWindow::waitMs(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void MainWindow::setDownloadButtonsEnabled(bool enabled)
{
    ui->pushButton_Download->setEnabled(enabled);
    ui->btnSetting->setEnabled(enabled);
    ui->pushButton_dev_setting->setEnabled(enabled);
}

void MainWindow::on_pushButton_Download_clicked()
{
    if (m_busy || !ui->pushButton_Download->isEnabled())
        return;
    m_busy = true;
    m_pingTimer->stop();
    waitMs(20);
    setDownloadButtonsEnabled(false);
    statusBar()->clearMessage();
    m_progressLabel->clear();
    m_progressBar->setRange(0, 100);
    m_progressBar->setValue(0);
    m_progressLabel->show();
    m_progressBar->show();
    m_storeProblems.clear();
    emit startDownload();
}

void MainWindow::getDownloadProgress(QString downloadFileName, int value, int max)
{
    m_progressLabel->setText(downloadFileName);
    m_progressBar->setRange(0, max);
    m_progressBar->setValue(value);
}

void MainWindow::onDownloadFileEnd(QString sn, QString checktime)
{
    m_treeModel->refresh(true);
    // The first night of an empty data directory replaces the "no recordings" hint.
    if (QWidget *shown = ui->scrollArea_Report->widget(); shown && shown->objectName() == QLatin1String("label_emptyHint"))
        clearReportArea();
    const QModelIndex found = m_treeModel->find(sn, checktime);
    if (!found.isValid())
        return;
    ui->treeView->expand(found.parent().parent());
    ui->treeView->expand(found.parent());
}

void MainWindow::onDownloadEnd(int errorCode)
{
    m_progressLabel->hide();
    m_progressBar->hide();
    setDownloadButtonsEnabled(true);
    // A night that arrived but could not be stored as it should is named,
    // and stays up until the user sees the next message.
    QStringList message{downloadEndMessage(errorCode)};
    message.append(m_storeProblems);
    m_storeProblems.clear();
    statusBar()->showMessage(message.join(QLatin1Char(' ')).trimmed(), message.size() > 1 ? 0 : statusMessageMs);
    m_pingTimer->start(pingIntervalMs);
    m_busy = false;
}

void MainWindow::on_pushButton_dev_setting_clicked()
{
    if (m_busy || !ui->pushButton_dev_setting->isEnabled())
        return;
    m_busy = true;
    ui->pushButton_dev_setting->setEnabled(false);
    ui->pushButton_Download->setEnabled(false);
    m_pingTimer->stop();
    waitMs(500);

    QString failure;
    if (m_controller->pingDevice() != 0)
        failure = tr("Can not connect to device.");
    else if (m_controller->getConfig() != 0)
        failure = tr("Can not read device setting.");
    if (failure.isEmpty()) {
        DeviceSettingDlg dialog(m_controller, this);
        dialog.setModal(true);
        // Sized first: before its layout runs the dialog does not know its height.
        dialog.adjustSize();
        QRect placed(QPoint(), dialog.size());
        placed.moveCenter(geometry().center());
        dialog.move(placed.topLeft());
        dialog.exec();
    }
    if (!failure.isEmpty())
        statusBar()->showMessage(failure, statusMessageMs);

    m_pingTimer->start(pingIntervalMs);
    ui->pushButton_dev_setting->setEnabled(true);
    ui->pushButton_Download->setEnabled(true);
    m_busy = false;
}

void MainWindow::setReportButtonsVisible(bool visible)
{
    ui->pushButton_print->setVisible(visible);
    ui->pushButton_csv->setVisible(visible);
    ui->pushButton_pdf->setVisible(visible);
    ui->pushButton_edit->setVisible(visible);
}

void MainWindow::showInReportArea(QWidget *widget)
{
    clearReportArea();
    ui->scrollArea_Report->setWidget(widget);
    // A page or plot wider than the area starts at its left edge, whatever
    // child took the focus while it was being laid out.
    QTimer::singleShot(0, ui->scrollArea_Report, [area = ui->scrollArea_Report] {
        area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->minimum());
    });
}

void MainWindow::clearReportArea()
{
    // The scroll area owns what it shows; taking it back lets us delete it now.
    if (QWidget *old = ui->scrollArea_Report->takeWidget())
        old->deleteLater();
    m_reportWidget = nullptr;
    m_trendWidget = nullptr;
}

void MainWindow::on_selectItemChanged(QModelIndex current, QModelIndex)
{
    if (!current.isValid()) {
        clearReportArea();
        return;
    }
    m_treeModel->setData(current, palette().base(), Qt::BackgroundRole);

    const QString sn = current.data(MyTreeViewModel::SerialRole).toString();
    switch (current.data(MyTreeViewModel::NodeTypeRole).toInt()) {
    case MyTreeViewModel::DeviceNode: {
        m_reportWidget = nullptr;
        setReportButtonsVisible(false);
        QWidget *trend = RecordViews::createTrendView(sn, nullptr);
        showInReportArea(trend);
        m_trendWidget = trend;
        update();
        break;
    }
    case MyTreeViewModel::MonthNode:
        m_reportWidget = nullptr;
        break;
    case MyTreeViewModel::RecordNode: {
        setReportButtonsVisible(true);
        const QString checkTime = current.data(MyTreeViewModel::CheckTimeRole).toString();
        const QString branch = current.data(MyTreeViewModel::BranchRole).toString();
        m_recordLoaded = MySingleton::instance().openRecording(sn, checkTime, branch);
        if (!m_recordLoaded) {
            clearReportArea();
            statusBar()->showMessage(tr("The file is corrupt."));
            break;
        }
        QWidget *report = RecordViews::createReportView(nullptr);
        showInReportArea(report);
        m_reportWidget = report;
        statusBar()->clearMessage();
        break;
    }
    }
}

void MainWindow::onEndSetting()
{
    QScrollBar *bar = ui->scrollArea_Report->verticalScrollBar();
    const int position = bar->value();
    on_selectItemChanged(ui->treeView->currentIndex(), QModelIndex());
    bar->setValue(position);
}

void MainWindow::onUnitTypeChanged()
{
    if (m_reportWidget)
        m_reportWidget->update();
}

void MainWindow::on_recordDeleted(QModelIndexList)
{
    statusBar()->showMessage(tr("Remove completed"), 10000);
}

void MainWindow::on_pushButton_edit_clicked()
{
    if (!ui->treeView->currentIndex().isValid() || !m_recordLoaded)
        return;
    auto *dialog = new EditDialog(MySingleton::instance().patientController(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setModal(true);
    // The report reads the patient it shows live: a repaint shows the new details.
    connect(dialog, &EditDialog::editFinish, ui->scrollArea_Report->viewport(), qOverload<>(&QWidget::update));
    dialog->show();
}

void MainWindow::on_btnSetting_clicked()
{
    auto *dialog = new SettingDlg(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setModal(true);
    connect(dialog, &SettingDlg::endSetting, this, &MainWindow::onEndSetting);
    connect(dialog, &SettingDlg::unitTypeChange, this, &MainWindow::onUnitTypeChanged);
    dialog->show();
}

ReportInput MainWindow::reportInput() const
{
    const MySingleton &open = MySingleton::instance();
    return ReportInput::fromOpenRecording(open.recording(), open.patientController());
}

bool MainWindow::hasSelectedReport() const
{
    return m_recordLoaded && !ui->treeView->selectionModel()->selectedIndexes().isEmpty();
}

void MainWindow::on_pushButton_print_clicked()
{
    if (hasSelectedReport())
        ReportOutput::print(this, reportInput(), statusBar());
}

void MainWindow::on_pushButton_pdf_clicked()
{
    if (hasSelectedReport())
        ReportOutput::savePdf(this, reportInput(), statusBar());
}

void MainWindow::on_pushButton_csv_clicked()
{
    const QModelIndex current = ui->treeView->currentIndex();
    if (!current.isValid() || !m_recordLoaded
        || current.data(MyTreeViewModel::NodeTypeRole).toInt() != MyTreeViewModel::RecordNode)
        return;
    ReportOutput::exportCsv(this, reportInput(), statusBar());
}

void MainWindow::on_btnAbout_clicked()
{
    openDialog(new AboutDlg(this));
}

void MainWindow::on_btnContact_clicked()
{
    openDialog(new Contact(this));
}

void MainWindow::openDialog(QDialog *dialog)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setModal(true);
    dialog->show();
}

void MainWindow::on_btnCloud_clicked()
{
    openDialog(new CloudDialog(MySingleton::instance().syncHelper(), this));
}

void MainWindow::on_btnFaq_clicked()
{
    QDesktopServices::openUrl(QUrl(QStringLiteral(NOCTURNIX_WEB_URL "/pages/faqs-quillet-nocturnix")));
}

void MainWindow::showEmptyHint()
{
    auto *hint = new QLabel(tr("No recordings yet.\nConnect a recorder and press Download to bring its nights in."));
    hint->setObjectName(QStringLiteral("label_emptyHint"));
    hint->setAlignment(Qt::AlignCenter);
    hint->setMargin(40);
    hint->setStyleSheet(QStringLiteral("color: #5b6b7c; font-size: 12pt;"));
    showInReportArea(hint);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    AppConfig &config = AppConfig::instance();
    config.setMaxSized(isMaximized());
    if (!isMaximized()) {
        config.setMainWindowSize(size());
        config.setMainWindowPos(pos());
    }
    config.save();
    shutDownController();
    event->accept();
}

void MainWindow::shutDownController()
{
    if (!m_controller)
        return;
    m_controller->stop(false);
    if (!m_controller->isFinished()) {
        QThread::msleep(200);
        if (!m_controller->isFinished())
            m_controller->terminate();
    }
    delete m_controller;
    m_controller = nullptr;
}
