#include "setdatadirdlg.h"
#include "ui_setdatadirdlg.h"

#include "appconfig.h"

#include <QFileDialog>
#include <QPushButton>

SetDataDirDlg::SetDataDirDlg(QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::SetDataDirDlg>())
{
    m_ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_ui->buttonBox->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    m_ui->buttonBox->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    m_ui->editDataDir->setText(AppConfig::appDataDir() + QStringLiteral("/DATA"));
}

SetDataDirDlg::~SetDataDirDlg() = default;

void SetDataDirDlg::on_pushButton_clicked()
{
    const QString dir = QFileDialog::getExistingDirectory(this, tr("Browser"), m_ui->editDataDir->text(),
                                                          QFileDialog::ShowDirsOnly);
    if (!dir.isEmpty())
        m_ui->editDataDir->setText(dir);
}

void SetDataDirDlg::on_buttonBox_accepted()
{
    const QString dir = m_ui->editDataDir->text();
    if (!DataDirAccess::prepare(dir)) {
        DataDirAccess::reportDenied(this);
        return;
    }
    AppConfig &config = AppConfig::instance();
    config.setDataDir(dir);
    config.setFirstStart(false);
    // Written now rather than when the main window closes: a program that
    // ends early must not ask again, nor lose track of where data went.
    config.save();
    emit dataDirChosen();
    accept();
}

void SetDataDirDlg::on_buttonBox_rejected()
{
    reject();
}
