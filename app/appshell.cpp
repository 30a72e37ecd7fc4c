#include "appshell.h"

#include "appconfig.h"
#include "commcontroller.h"
#include "crashhandler.h"
#include "mainwindow.h"
#include "setdatadirdlg.h"
#include "messagebox.h"
#include "singleinstanceguard.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>
#include <QVector>

#include <iterator>

namespace {
constexpr int chineseLanguage = 1;
constexpr int metricUnit = 1;
} // namespace

void AppShell::prepareHighDpi()
{
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::RoundPreferFloor);
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QCoreApplication::setAttribute(Qt::AA_DisableHighDpiScaling, false);
}

QString AppShell::translationPath(int language)
{
    // Indexed by the Language setting; the order is part of every saved config.ini.
    static const char *const files[] = {"en", "cn", "de", "it", "es", "fr"};
    if (language < 0 || language >= int(std::size(files)))
        return QString();
    return QStringLiteral(":/translations/%1.qm").arg(QLatin1String(files[language]));
}

QString AppShell::chooseTranslation(AppConfig &config, const QLocale &locale)
{
    if (!config.isFirstStart())
        return translationPath(config.language());
    if (locale.language() != QLocale::Chinese)
        return QString();
    config.setLanguage(chineseLanguage);
    config.setSelectedLanguage(chineseLanguage);
    config.setDefaultPatientUnit(metricUnit);
    return translationPath(chineseLanguage);
}

bool AppShell::loadTranslation(QTranslator &translator)
{
    const QString path = chooseTranslation(AppConfig::instance(), QLocale::system());
    if (path.isEmpty() || !QFile::exists(path) || !translator.load(path))
        return false;
    return QCoreApplication::installTranslator(&translator);
}

bool AppShell::loadQtTranslation(QTranslator &translator)
{
    const int language = AppConfig::instance().language();
    if (language == AppConfig::English || translationPath(language).isEmpty())
        return false;
    const QString name = QStringLiteral("qtbase_") + AppConfig::translationNameFor(language);
    if (!translator.load(name, QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(&translator);
}

void AppShell::installCrashHandler()
{
    const QString programDir = QCoreApplication::applicationDirPath();
    CrashHandler::install(programDir, AppConfig::appDataDir(), programDir + QStringLiteral("/nocturnix-crashbox"));
}

void AppShell::applyStyleSheet()
{
    QFile sheet(QStringLiteral(":/qss/qsstest.qss"));
    if (sheet.open(QIODevice::ReadOnly))
        qApp->setStyleSheet(QString::fromUtf8(sheet.readAll()));
}

void AppShell::ensureDataLocation()
{
    if (QDir().mkpath(AppConfig::appDataDir()))
        return;
    MessageBox::critical(nullptr, tr("Permission denied"),
                         tr("Please relaunch the software with administrator privileges"), MessageBox::Ok);
}

int AppShell::run(int &argc, char **argv)
{
    prepareHighDpi();
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QString::fromLatin1(applicationName));
    qRegisterMetaType<QVector<int>>("QVector<int>");
    installCrashHandler();

    QTranslator translator;
    loadTranslation(translator);
    QTranslator qtTranslator;
    loadQtTranslation(qtTranslator);

    SingleInstanceGuard guard(QString::fromLatin1(instanceKey));
    if (!guard.tryToRun()) {
        MessageBox::information(nullptr, tr("Nocturnix"),
                                tr("Nocturnix") + QLatin1Char(' ') + tr("is already running..."), MessageBox::Ok);
        guard.release();
        return 0;
    }

    applyStyleSheet();
    ensureDataLocation();

    QPointer<MainWindow> window;
    const auto openMainWindow = [&window] {
        window = new MainWindow(new CommController);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
    };
    if (AppConfig::instance().isFirstStart()) {
        // Direct, so the main window exists before the dialog, the last
        // window so far, closes and would end the program.
        auto *dialog = new SetDataDirDlg;
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setModal(true);
        QObject::connect(dialog, &SetDataDirDlg::dataDirChosen, dialog, openMainWindow, Qt::DirectConnection);
        dialog->show();
    } else {
        openMainWindow();
    }

    const int code = app.exec();
    delete window.data();
    guard.release();
    return code;
}
