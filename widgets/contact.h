#pragma once

#include <QDialog>

namespace Ui {
class Contact;
}

// The support address as a mail link: the maker's, or the partner's for
// the recorders sold without the maker's branding.
class Contact : public QDialog
{
    Q_OBJECT

public:
    explicit Contact(QWidget *parent = nullptr);
    ~Contact() override;

    static QString supportAddress(const QString &branchCode);

public slots:
    void openEmail(const QString &email);

private:
    Ui::Contact *ui;
};
