#include "remarksinputdialog.h"
#include "ui_remarksinputdialog.h"

remarksInputDialog::remarksInputDialog(QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::remarksInputDialog>())
{
    m_ui->setupUi(this);
    setWindowFlags((windowFlags() | Qt::WindowCloseButtonHint) & ~Qt::WindowContextHelpButtonHint);
}

remarksInputDialog::~remarksInputDialog() = default;

QString remarksInputDialog::getText(QWidget *parent, const QString &title, const QString &label,
                                    const QString &text, bool *ok)
{
    remarksInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.m_ui->label->setText(label);
    dialog.m_ui->lineEdit->setText(text);
    dialog.m_ui->lineEdit->selectAll();
    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (ok)
        *ok = accepted;
    return accepted ? dialog.m_ui->lineEdit->text() : QString();
}

void remarksInputDialog::on_pushButton_Ok_clicked()
{
    accept();
}

void remarksInputDialog::on_pushButton_Cancel_clicked()
{
    reject();
}
