#include "backupwidget.h"
#include "ui_backupwidget.h"

#include <QDebug>
#include <QDesktopServices>
#include <QThread>

#include "appconfig.h"
#include "buildconfig.h"
#include "messagebox.h"
#include "synchelper.h"

BackupWidget::BackupWidget(SyncHelper &helper, QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::BackupWidget)
    , m_helper(helper)
{
    ui->setupUi(this);
    ui->label_email->setText(m_helper.userEmail());
    ui->label_total->clear();
    ui->label_progress->clear();

    const bool isAuto = AppConfig::instance().isAutoSyncData();
    ui->switch_button->setChecked(isAuto);
    connect(ui->switch_button, &SwitchControl::toggled, this, &BackupWidget::onSwitchToggled);

    connect(this, &BackupWidget::syncStart, &m_helper, &SyncHelper::sync);
    connect(&m_helper, &SyncHelper::startSync, this, &BackupWidget::startDownloadSlot);
    connect(&m_helper, &SyncHelper::endDownload, this, &BackupWidget::endDownloadSlot);
    connect(&m_helper, &SyncHelper::progress, this, &BackupWidget::progressSlot);

    if (isAuto) {
        qDebug() << "BackupWidget thread:" << QThread::currentThreadId();
        requestSync();
    }
}

BackupWidget::~BackupWidget()
{
    delete ui;
}

QUrl BackupWidget::documentUrl(const QString &document, int language)
{
    QString lang;
    switch (language) {
    case AppConfig::Chinese: lang = QStringLiteral("zh_CN"); break;
    case AppConfig::German: lang = QStringLiteral("de"); break;
    case AppConfig::Italian: lang = QStringLiteral("it"); break;
    case AppConfig::Spanish: lang = QStringLiteral("es"); break;
    case AppConfig::French: lang = QStringLiteral("fr"); break;
    default: lang = QStringLiteral("en"); break;
    }
    // The page routes on the fragment, so the query sits inside it.
    return QUrl(QStringLiteral(NOCTURNIX_WEB_URL "/quillet/#/document/%1?lang=%2").arg(document, lang));
}

void BackupWidget::requestSync()
{
    // Sign-out waits for the end: an account cleared under a running
    // synchronisation would leave its uploads half done.
    ui->pushButton_signout->setEnabled(false);
    ui->label_total->setText(tr("Preparing for synchronization"));
    ui->label_progress->clear();
    emit syncStart();
}

void BackupWidget::onSwitchToggled(bool checked)
{
    AppConfig::instance().setAutoSyncData(checked);
    if (checked)
        requestSync();
}

void BackupWidget::startDownloadSlot()
{
    ui->pushButton_signout->setEnabled(false);
    ui->label_total->setText(tr("Preparing for synchronization"));
    ui->label_progress->clear();
}

void BackupWidget::progressSlot(syncType type, int current, int total, direction o)
{
    ui->label_total->setText(type == SyncRecords ? tr("Records: %1").arg(total) : tr("Devices: %1").arg(total));
    // current counts from 0: the last item of a loop arrives as total - 1.
    const QString step = QStringLiteral("%1/%2").arg(current + 1).arg(total);
    ui->label_progress->setText(o == DirectionUpload ? tr("Uploading... %1").arg(step)
                                                     : tr("Downloading... %1").arg(step));
}

void BackupWidget::endDownloadSlot(bool isSuccess)
{
    ui->label_total->setText(isSuccess ? tr("Synchronization is complete") : tr("Synchronization failed"));
    ui->label_progress->clear();
    ui->pushButton_signout->setEnabled(true);
}

void BackupWidget::on_pushButton_signout_clicked()
{
    AppConfig &config = AppConfig::instance();
    config.setUser(QString());
    config.setPassword(QString());
    m_helper.clearUserData();
    emit logouted();
}

void BackupWidget::on_pushButton_termsofuse_clicked()
{
    openDocument(QStringLiteral("TermsOfUse"));
}

void BackupWidget::on_pushButton_pricacypolicy_clicked()
{
    openDocument(QStringLiteral("PrivacyPolicy"));
}

void BackupWidget::openDocument(const QString &document)
{
    const QUrl url = documentUrl(document, AppConfig::instance().language());
    if (!QDesktopServices::openUrl(url))
        MessageBox::critical(this, tr("Message"), tr("Failed to open \"%1\".").arg(url.toString()));
}
