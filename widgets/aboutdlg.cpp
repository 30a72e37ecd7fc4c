#include "aboutdlg.h"
#include "ui_aboutdlg.h"

#include <QDesktopServices>
#include <QUrl>

#include "appconfig.h"
#include "branchcodes.h"
#include "buildconfig.h"
#include "messagebox.h"

AboutDlg::AboutDlg(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::AboutDlg)
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    ui->labelVersion->setText(tr("Nocturnix V") + displayVersion(QStringLiteral(NOCTURNIX_VERSION)));
    const AppConfig &config = AppConfig::instance();
    if (!BranchCodes::hasNeutralBranding(config.branchCode()))
        ui->labelCopyright->setText(tr(NOCTURNIX_COPYRIGHT));
    m_newVersionUrl = config.newVersionUrl();
    ui->btnVerHint->setVisible(!m_newVersionUrl.isEmpty());
    connect(ui->btnVerHint, &QPushButton::clicked, this, &AboutDlg::onVersionHintClicked);
}

AboutDlg::~AboutDlg()
{
    delete ui;
}

QString AboutDlg::displayVersion(const QString &version)
{
    if (version.endsWith(QLatin1String(".0")))
        return version.left(version.size() - 2);
    return version;
}

void AboutDlg::onVersionHintClicked()
{
    if (!QDesktopServices::openUrl(QUrl(m_newVersionUrl)))
        MessageBox::critical(this, tr("Message"), tr("Failed to open \"%1\".").arg(m_newVersionUrl));
}
