#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "appconfig.h"
#include "backupwidget.h"
#include "cloudfixture.h"
#include "clouddialog.h"
#include "demogenerator.h"
#include "loginwidget.h"
#include "messagebox.h"
#include "recorddatabase.h"
#include "switchcontrol.h"

using Fault = FakeCloudServer::Fault;
Q_DECLARE_METATYPE(FakeCloudServer::Fault)

// Stands in for the desktop browser.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

class TestCloudUi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensLoginPageWhenSignedOut();
    void signInOpensBackupPageAndSyncs();
    void signInFailureShowsText_data();
    void signInFailureShowsText();
    void unansweredSignInGivesButtonBack();
    void forgotNeedsAnAddress();
    void showsUploadProgress();
    void signOutReturnsToLoginPage();
    void documentsFollowLanguage_data();
    void documentsFollowLanguage();

private:
    template<typename T>
    static T *page(CloudDialog &dialog) { return qobject_cast<T *>(dialog.currentPage()); }
    template<typename T>
    static T *child(CloudDialog &dialog, const char *name)
    {
        return dialog.currentPage()->findChild<T *>(QLatin1String(name));
    }
    void signInWithFixture();

    std::unique_ptr<QTemporaryDir> m_tmp;
    std::unique_ptr<CloudFixture> m_cloud;
};

void TestCloudUi::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QFile::remove(AppConfig::defaultPath());
}

void TestCloudUi::init()
{
    m_tmp = std::make_unique<QTemporaryDir>();
    QVERIFY(RecordDatabase::instance().openAt(m_tmp->path()));
    AppConfig &config = AppConfig::instance();
    config.setUser(QString());
    config.setPassword(QString());
    config.setAutoSyncData(false);
    config.setLanguage(AppConfig::English);
    m_cloud = std::make_unique<CloudFixture>();
    MessageBox::clearPreAnswers();
    MessageBox::takeAsked();
}

void TestCloudUi::cleanup()
{
    QCOMPARE(m_cloud->server.refusals(), QStringList());
    m_cloud.reset();
    RecordDatabase::instance().close();
    m_tmp.reset();
}

void TestCloudUi::signInWithFixture()
{
    QCOMPARE(m_cloud->login().value(0).toBool(), true);
}

void TestCloudUi::opensLoginPageWhenSignedOut()
{
    AppConfig::instance().setUser(QStringLiteral("kept@example.org"));
    CloudDialog dialog(*m_cloud->helper);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Online Backup"));
    QCOMPARE(dialog.size(), QSize(700, 300));
    QVERIFY(page<LoginWidget>(dialog));
    QCOMPARE(child<QLineEdit>(dialog, "lineEdit_usr")->text(), QStringLiteral("kept@example.org"));
    QCOMPARE(child<QLineEdit>(dialog, "lineEdit_pwd")->echoMode(), QLineEdit::Password);
    QCOMPARE(child<QPushButton>(dialog, "pushButton_login")->text(), QStringLiteral("Sign in"));
    QCOMPARE(child<QPushButton>(dialog, "pushButton_forgot")->text(), QStringLiteral("Forgot your password?"));
    // The icons come from the resources; a missing alias leaves a null icon.
    QVERIFY(!QIcon(":/email").pixmap(16).isNull());
    QVERIFY(!QIcon(":/password").pixmap(16).isNull());
}

void TestCloudUi::signInOpensBackupPageAndSyncs()
{
    CloudDialog dialog(*m_cloud->helper);
    child<QLineEdit>(dialog, "lineEdit_usr")->setText(QString::fromLatin1(CloudFixture::email));
    child<QLineEdit>(dialog, "lineEdit_pwd")->setText(QString::fromLatin1(CloudFixture::password));
    QPushButton *signIn = child<QPushButton>(dialog, "pushButton_login");
    QTest::mouseClick(signIn, Qt::LeftButton);
    QVERIFY(!signIn->isEnabled());

    QTRY_VERIFY_WITH_TIMEOUT(page<BackupWidget>(dialog), 10000);
    QCOMPARE(child<QLabel>(dialog, "label_email")->text(), QString::fromLatin1(CloudFixture::email));
    QVERIFY(child<SwitchControl>(dialog, "switch_button")->isChecked());
    QCOMPARE(AppConfig::instance().user(), QString::fromLatin1(CloudFixture::email));
    QCOMPARE(AppConfig::instance().password(), QString::fromLatin1(CloudFixture::password));
    // Automatic backup is on after a sign-in, so the first synchronisation runs at once.
    QTRY_COMPARE_WITH_TIMEOUT(child<QLabel>(dialog, "label_total")->text(),
                              QStringLiteral("Synchronization is complete"), 20000);
    QVERIFY(MessageBox::takeAsked().isEmpty());
}

void TestCloudUi::signInFailureShowsText_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("faultPath");
    QTest::addColumn<QString>("text");
    QTest::newRow("wrong password") << "guess" << "" << "Login failed.\nWrong account or password";
    QTest::newRow("server busy") << QString::fromLatin1(CloudFixture::password) << "/node/"
                                 << "Login failed.\n0.200.500";
    QTest::newRow("login times out") << QString::fromLatin1(CloudFixture::password) << "/login/new"
                                     << "Login failed.\n5.n.n";
}

void TestCloudUi::signInFailureShowsText()
{
    QFETCH(QString, password);
    QFETCH(QString, faultPath);
    QFETCH(QString, text);
    if (!faultPath.isEmpty())
        m_cloud->server.addFault(faultPath, faultPath == "/node/" ? Fault::BadCode : Fault::Timeout);

    CloudDialog dialog(*m_cloud->helper);
    child<QLineEdit>(dialog, "lineEdit_usr")->setText(QString::fromLatin1(CloudFixture::email));
    child<QLineEdit>(dialog, "lineEdit_pwd")->setText(password);
    QPushButton *signIn = child<QPushButton>(dialog, "pushButton_login");
    MessageBox::preAnswer(MessageBox::Ok);
    QTest::mouseClick(signIn, Qt::LeftButton);

    QTRY_VERIFY_WITH_TIMEOUT(signIn->isEnabled(), 10000);
    const QList<MessageBox::Asked> asked = MessageBox::takeAsked();
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.first().icon, QMessageBox::Critical);
    QCOMPARE(asked.first().text, text);
    QVERIFY(page<LoginWidget>(dialog));
}

void TestCloudUi::unansweredSignInGivesButtonBack()
{
    // While a synchronisation runs the client turns a login away without a
    // word; the page must not wait for it for ever.
    RecordDatabase::instance().close();
    QVERIFY(DemoGenerator().generate(m_tmp->path()));
    signInWithFixture();
    // Every recorder upload hangs, so the synchronisation outlasts the test.
    m_cloud->server.addFault("/v2/device/binding", Fault::Timeout, -1);
    QSignalSpy started(m_cloud->helper.get(), &SyncHelper::startSync);
    emit m_cloud->helper->sync();
    QTRY_COMPARE_WITH_TIMEOUT(started.count(), 1, 5000);

    LoginWidget login(*m_cloud->helper);
    login.setAnswerTimeout(300);
    login.findChild<QLineEdit *>("lineEdit_usr")->setText(QString::fromLatin1(CloudFixture::email));
    login.findChild<QLineEdit *>("lineEdit_pwd")->setText(QString::fromLatin1(CloudFixture::password));
    QPushButton *signIn = login.findChild<QPushButton *>("pushButton_login");
    QSignalSpy logined(&login, &LoginWidget::logined);
    MessageBox::preAnswer(MessageBox::Ok);
    QTest::mouseClick(signIn, Qt::LeftButton);
    QVERIFY(!signIn->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(signIn->isEnabled(), 3000);
    QCOMPARE(logined.count(), 0);
    const QList<MessageBox::Asked> asked = MessageBox::takeAsked();
    QCOMPARE(asked.size(), 1);
    QVERIFY(asked.first().text.startsWith("Login failed.\n"));
    QVERIFY(asked.first().text.size() > QString("Login failed.\n").size());
}

void TestCloudUi::forgotNeedsAnAddress()
{
    CloudDialog dialog(*m_cloud->helper);
    QLineEdit *account = child<QLineEdit>(dialog, "lineEdit_usr");
    QPushButton *forgot = child<QPushButton>(dialog, "pushButton_forgot");
    MessageBox::preAnswer(MessageBox::Ok);
    QTest::mouseClick(forgot, Qt::LeftButton);
    QList<MessageBox::Asked> asked = MessageBox::takeAsked();
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.first().text, QStringLiteral("Please enter your email address"));
    QTest::qWait(200);
    QVERIFY(m_cloud->server.requests().isEmpty());

    account->setText(QString::fromLatin1(CloudFixture::email));
    MessageBox::preAnswer(MessageBox::Ok);
    QTest::mouseClick(forgot, Qt::LeftButton);
    QVERIFY(!account->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(account->isEnabled(), 10000);
    asked = MessageBox::takeAsked();
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.first().icon, QMessageBox::Information);
    QCOMPARE(asked.first().text, QStringLiteral("Please check your email"));
    QCOMPARE(m_cloud->server.requests("/send/reset/password/url").size(), 1);
    QVERIFY(child<QPushButton>(dialog, "pushButton_login")->isEnabled());
}

void TestCloudUi::showsUploadProgress()
{
    RecordDatabase::instance().close();
    QVERIFY(DemoGenerator().generate(m_tmp->path()));
    signInWithFixture();
    AppConfig::instance().setAutoSyncData(true);

    CloudDialog dialog(*m_cloud->helper);
    QVERIFY(page<BackupWidget>(dialog));
    QLabel *total = child<QLabel>(dialog, "label_total");
    QLabel *progress = child<QLabel>(dialog, "label_progress");
    QPushButton *signOut = child<QPushButton>(dialog, "pushButton_signout");
    QCOMPARE(total->text(), QStringLiteral("Preparing for synchronization"));

    // Connected after the page, so each entry is what the page shows.
    QStringList shown;
    bool signOutWhileRunning = false;
    connect(m_cloud->helper.get(), &SyncHelper::progress, &dialog, [&] {
        shown << total->text() + '|' + progress->text();
        signOutWhileRunning |= signOut->isEnabled();
    });
    QTRY_COMPARE_WITH_TIMEOUT(total->text(), QStringLiteral("Synchronization is complete"), 30000);
    QVERIFY(progress->text().isEmpty());
    QVERIFY(signOut->isEnabled());
    QVERIFY(!signOutWhileRunning);

    int nights = 0;
    for (const QVector<CheckInfo> &device : RecordDatabase::instance().allRecords())
        nights += device.size();
    // Counted from 1 and ending on the total, the way a user reads it.
    const QString first = QStringLiteral("Records: %1|Uploading... 1/%1").arg(nights);
    const QString last = QStringLiteral("Records: %1|Uploading... %1/%1").arg(nights);
    QVERIFY2(shown.contains(first) && shown.contains(last), qPrintable(shown.join('\n')));
    QVERIFY2(!shown.filter(QStringLiteral("Devices: ")).isEmpty(), qPrintable(shown.join('\n')));
}

void TestCloudUi::signOutReturnsToLoginPage()
{
    signInWithFixture();
    AppConfig &config = AppConfig::instance();
    config.setUser(QString::fromLatin1(CloudFixture::email));
    config.setPassword(QString::fromLatin1(CloudFixture::password));
    CloudDialog dialog(*m_cloud->helper);
    QVERIFY(page<BackupWidget>(dialog));

    QTest::mouseClick(child<QPushButton>(dialog, "pushButton_signout"), Qt::LeftButton);
    QVERIFY(page<LoginWidget>(dialog));
    QVERIFY(!m_cloud->helper->isLoggedIn());
    QCOMPARE(config.user(), QString());
    QCOMPARE(config.password(), QString());
    QCOMPARE(child<QLineEdit>(dialog, "lineEdit_usr")->text(), QString());

    // Closing keeps the signed-out state on disk.
    dialog.reject();
    AppConfig reread(AppConfig::defaultPath());
    QVERIFY(reread.load());
    QCOMPARE(reread.user(), QString());
}

void TestCloudUi::documentsFollowLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("tail");
    QTest::newRow("terms, German") << int(AppConfig::German) << "pushButton_termsofuse"
                                   << "/quillet/#/document/TermsOfUse?lang=de";
    QTest::newRow("privacy, Chinese") << int(AppConfig::Chinese) << "pushButton_pricacypolicy"
                                      << "/quillet/#/document/PrivacyPolicy?lang=zh_CN";
    QTest::newRow("unknown language is English") << 9 << "pushButton_termsofuse"
                                                 << "/quillet/#/document/TermsOfUse?lang=en";
}

void TestCloudUi::documentsFollowLanguage()
{
    QFETCH(int, language);
    QFETCH(QString, button);
    QFETCH(QString, tail);
    signInWithFixture();
    AppConfig::instance().setLanguage(language);
    UrlCatcher browser;
    QDesktopServices::setUrlHandler("https", &browser, "open");
    CloudDialog dialog(*m_cloud->helper);
    QTest::mouseClick(child<QPushButton>(dialog, button.toLatin1().constData()), Qt::LeftButton);
    QDesktopServices::unsetUrlHandler("https");
    QCOMPARE(browser.urls.size(), 1);
    QCOMPARE(browser.urls.first().toString(), QStringLiteral(NOCTURNIX_WEB_URL) + tail);
}

QTEST_MAIN(TestCloudUi)
#include "test_cloudui.moc"
