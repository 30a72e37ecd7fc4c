#pragma once

#include <QDialog>

class SyncHelper;

namespace Ui {
class CloudDialog;
}

// "Online Backup": the sign-in page while nobody is signed in, the backup
// page once somebody is. The pages talk to SyncHelper; this only swaps them.
class CloudDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CloudDialog(SyncHelper &helper, QWidget *parent = nullptr);
    ~CloudDialog() override;

    QWidget *currentPage() const { return m_page; }

public slots:
    void switchPage();

protected:
    // Every way out (button, Escape, window close) ends here.
    void done(int result) override;

private:
    Ui::CloudDialog *ui;
    SyncHelper &m_helper;
    QWidget *m_page = nullptr;
};
