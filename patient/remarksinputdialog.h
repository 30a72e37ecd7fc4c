#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class remarksInputDialog;
}

// A one-line text prompt; the record tree asks for a recording's mark with it.
class remarksInputDialog : public QDialog
{
    Q_OBJECT

public:
    explicit remarksInputDialog(QWidget *parent = nullptr);
    ~remarksInputDialog() override;

    // Runs the prompt modally. Accepted: *ok is true and the entered text is
    // returned; otherwise *ok is false and the text is empty.
    static QString getText(QWidget *parent, const QString &title, const QString &label,
                           const QString &text = QString(), bool *ok = nullptr);

private slots:
    void on_pushButton_Ok_clicked();
    void on_pushButton_Cancel_clicked();

private:
    std::unique_ptr<Ui::remarksInputDialog> m_ui;
};
