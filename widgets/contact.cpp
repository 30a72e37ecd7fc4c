#include "contact.h"
#include "ui_contact.h"

#include <QDesktopServices>
#include <QUrl>

#include "appconfig.h"
#include "branchcodes.h"
#include "buildconfig.h"

Contact::Contact(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::Contact)
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    const QString address = supportAddress(AppConfig::instance().branchCode()).toHtmlEscaped();
    ui->labelEmail->setText(tr("Email: <a href=\"mailto:%1\">%1</a>").arg(address));
    connect(ui->labelEmail, &QLabel::linkActivated, this, &Contact::openEmail);
}

Contact::~Contact()
{
    delete ui;
}

QString Contact::supportAddress(const QString &branchCode)
{
    return BranchCodes::hasNeutralBranding(branchCode) ? QStringLiteral(NOCTURNIX_PARTNER_SUPPORT_MAIL)
                                                       : QStringLiteral(NOCTURNIX_SUPPORT_MAIL);
}

void Contact::openEmail(const QString &email)
{
    QDesktopServices::openUrl(QUrl(email));
}
