#include "clouddialog.h"
#include "ui_clouddialog.h"

#include <QDebug>

#include "appconfig.h"
#include "backupwidget.h"
#include "loginwidget.h"
#include "synchelper.h"

CloudDialog::CloudDialog(SyncHelper &helper, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::CloudDialog)
    , m_helper(helper)
{
    ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowTitle(tr("Online Backup"));
    setFixedSize(700, 300);
    switchPage();
}

CloudDialog::~CloudDialog()
{
    delete ui;
}

void CloudDialog::switchPage()
{
    qDebug() << "switchPage";
    const bool isLoggedIn = m_helper.isLoggedIn();
    if (m_page && qobject_cast<BackupWidget *>(m_page) && isLoggedIn)
        return;
    if (m_page && qobject_cast<LoginWidget *>(m_page) && !isLoggedIn)
        return;

    // The old page may be the sender of the signal that brought us here, so
    // it goes once that signal has returned.
    if (m_page) {
        ui->pageLayout->removeWidget(m_page);
        m_page->hide();
        m_page->deleteLater();
        m_page = nullptr;
    }

    if (!isLoggedIn) {
        auto *login = new LoginWidget(m_helper, this);
        connect(login, &LoginWidget::logined, this, &CloudDialog::switchPage);
        m_page = login;
    } else {
        auto *backup = new BackupWidget(m_helper, this);
        connect(backup, &BackupWidget::logouted, this, &CloudDialog::switchPage);
        m_page = backup;
    }
    ui->pageLayout->addWidget(m_page);
    m_page->show();
}

void CloudDialog::done(int result)
{
    AppConfig::instance().save();
    QDialog::done(result);
}
