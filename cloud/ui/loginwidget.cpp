#include "loginwidget.h"
#include "ui_loginwidget.h"

#include <QIcon>

#include "appconfig.h"
#include "messagebox.h"
#include "synchelper.h"

namespace {

// Node lookup, login and member lookup each wait up to 8 s on the sync thread.
constexpr int defaultAnswerMs = 3 * 8000 + 6000;

} // namespace

LoginWidget::LoginWidget(SyncHelper &helper, QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::LoginWidget)
    , m_helper(helper)
{
    ui->setupUi(this);
    ui->lineEdit_usr->addAction(QIcon(QStringLiteral(":/email")), QLineEdit::LeadingPosition);
    ui->lineEdit_pwd->addAction(QIcon(QStringLiteral(":/password")), QLineEdit::LeadingPosition);

    const AppConfig &config = AppConfig::instance();
    ui->lineEdit_usr->setText(config.user());
    ui->lineEdit_pwd->setText(config.password());

    m_answerTimer.setSingleShot(true);
    m_answerTimer.setInterval(defaultAnswerMs);
    connect(&m_answerTimer, &QTimer::timeout, this, &LoginWidget::onNoAnswer);

    connect(this, &LoginWidget::login, &m_helper, &SyncHelper::goLogin);
    connect(&m_helper, &SyncHelper::loginReturn, this, &LoginWidget::loginedSlot);
    connect(&m_helper, &SyncHelper::sigSendResetPwLinkRst, this, &LoginWidget::onSendResetPwLink);
}

LoginWidget::~LoginWidget()
{
    // Only our own request: a synchronisation or version check that the
    // main window started must survive the page.
    if (m_pending != Pending::None)
        m_helper.abortRequest();
    delete ui;
}

QString LoginWidget::loginFailureText(const QString &msg, int code)
{
    QString text = tr("Login failed.");
    if (code == 802 || code == 805)
        return text + QLatin1Char('\n') + tr("Wrong account or password");
    if (!msg.isEmpty())
        text += QLatin1Char('\n') + msg;
    return text;
}

void LoginWidget::on_pushButton_login_clicked()
{
    if (m_pending != Pending::None)
        return;
    const QString user = ui->lineEdit_usr->text();
    const QString password = ui->lineEdit_pwd->text();
    if (user.isEmpty()) {
        MessageBox::critical(this, tr("error"), tr("Please enter your email address"));
        return;
    }

    AppConfig &config = AppConfig::instance();
    config.setUser(user);
    config.setPassword(password);
    config.setAutoSyncData(true);

    m_pending = Pending::Login;
    ui->pushButton_login->setEnabled(false);
    m_answerTimer.start();
    emit login(user, password);
}

void LoginWidget::loginedSlot(bool isSuccess, const QString &msg, int code)
{
    // A success is a signed-in account whoever asked for it; a failure of a
    // login the user did not start here (or already gave up on) is not ours
    // to show.
    const bool isOurs = m_pending == Pending::Login;
    if (isOurs) {
        m_pending = Pending::None;
        m_answerTimer.stop();
        ui->pushButton_login->setEnabled(true);
    }
    if (isSuccess) {
        emit logined();
        return;
    }
    if (isOurs)
        MessageBox::critical(this, tr("Message"), loginFailureText(msg, code));
}

void LoginWidget::on_pushButton_forgot_clicked()
{
    if (m_pending != Pending::None)
        return;
    const QString email = ui->lineEdit_usr->text();
    if (email.isEmpty()) {
        MessageBox::critical(this, tr("error"), tr("Please enter your email address"));
        return;
    }
    m_pending = Pending::ResetLink;
    setInputEnabled(false);
    m_answerTimer.start();
    emit m_helper.sigSendRestPwLink(email);
}

void LoginWidget::onSendResetPwLink(bool isOK, const QString &msg)
{
    if (m_pending != Pending::ResetLink)
        return;
    m_pending = Pending::None;
    m_answerTimer.stop();
    setInputEnabled(true);
    ui->lineEdit_pwd->setFocus();
    if (isOK) {
        MessageBox::information(this, tr("Successful"), tr("Please check your email"));
        return;
    }
    const QString reason = msg.isEmpty() ? tr("The server did not send the link.") : msg;
    MessageBox::critical(this, tr("error"), tr("error") + QLatin1Char('\n') + reason);
}

void LoginWidget::setInputEnabled(bool enabled)
{
    ui->lineEdit_usr->setEnabled(enabled);
    ui->lineEdit_pwd->setEnabled(enabled);
    ui->pushButton_forgot->setEnabled(enabled);
    ui->pushButton_login->setEnabled(enabled);
}

void LoginWidget::onNoAnswer()
{
    const Pending gaveUp = m_pending;
    m_pending = Pending::None;
    setInputEnabled(true);
    const QString reason = tr("The server did not answer in time. Please try again later.");
    if (gaveUp == Pending::Login)
        MessageBox::critical(this, tr("Message"), tr("Login failed.") + QLatin1Char('\n') + reason);
    else if (gaveUp == Pending::ResetLink)
        MessageBox::critical(this, tr("error"), tr("error") + QLatin1Char('\n') + reason);
}
