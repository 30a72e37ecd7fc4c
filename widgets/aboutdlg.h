#pragma once

#include <QDialog>

namespace Ui {
class AboutDlg;
}

// Program version, the maker's copyright line and, when the version check
// found one, the link to a newer version (stored in the configuration).
class AboutDlg : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDlg(QWidget *parent = nullptr);
    ~AboutDlg() override;

    // "1.2.0" -> "1.2": only a ".0" at the very end goes.
    static QString displayVersion(const QString &version);

private:
    void onVersionHintClicked();

    Ui::AboutDlg *ui;
    QString m_newVersionUrl;
};
