#pragma once

#include <QTimer>
#include <QWidget>

class SyncHelper;

namespace Ui {
class LoginWidget;
}

// The sign-in page: account, password, a reset link for a forgotten one.
class LoginWidget : public QWidget
{
    Q_OBJECT

public:
    explicit LoginWidget(SyncHelper &helper, QWidget *parent = nullptr);
    ~LoginWidget() override;

    // How long a request may stay unanswered before the page gives up on it.
    // SyncHelper turns a login away without an answer while it is busy with
    // a synchronisation, so the page cannot wait for ever.
    void setAnswerTimeout(int ms) { m_answerTimer.setInterval(ms); }

    static QString loginFailureText(const QString &msg, int code);

signals:
    void logined();
    void login(const QString &username, const QString &password);

public slots:
    void on_pushButton_login_clicked();
    void loginedSlot(bool isSuccess, const QString &msg, int code);
    void on_pushButton_forgot_clicked();
    void onSendResetPwLink(bool isOK, const QString &msg);

private:
    enum class Pending { None, Login, ResetLink };

    void setInputEnabled(bool enabled);
    void onNoAnswer();

    Ui::LoginWidget *ui;
    SyncHelper &m_helper;
    Pending m_pending = Pending::None;
    QTimer m_answerTimer;
};
