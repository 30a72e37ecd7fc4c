#pragma once

#include "datadiraccess.h"

#include <QDialog>

#include <memory>

namespace Ui {
class SetDataDirDlg;
}

// Asked once, at the first start: where recordings are kept.
class SetDataDirDlg : public QDialog
{
    Q_OBJECT

public:
    explicit SetDataDirDlg(QWidget *parent = nullptr);
    ~SetDataDirDlg() override;

signals:
    // The directory is stored and the first start is over. Emitted before
    // the dialog closes, so a main window shown from a direct connection
    // keeps the program from ending with its last window.
    void dataDirChosen();

private slots:
    void on_pushButton_clicked();
    void on_buttonBox_accepted();
    void on_buttonBox_rejected();

private:
    std::unique_ptr<Ui::SetDataDirDlg> m_ui;
    DataDirAccess::PermissionScope m_permissions;
};
