#pragma once

#include <QCoreApplication>
#include <QString>

class AppConfig;
class QLocale;
class QTranslator;

// The program's entry routine and the start-up steps others reuse.
class AppShell
{
    Q_DECLARE_TR_FUNCTIONS(AppShell)

public:
    static constexpr const char *applicationName = "Nocturnix";
    // Fixed for every user and installation: a second copy must find the first.
    static constexpr const char *instanceKey = "Nocturnix_{5675A3E8-F1E4-4C5C-B907-2F0F9D4FCAB2}";

    // Runs the program; returns the process exit code.
    static int run(int &argc, char **argv);

    // Must run before the application object exists.
    static void prepareHighDpi();

    // The compiled-in translation of a Language setting; empty for none.
    static QString translationPath(int language);
    // The translation to install. On the first start it follows the system
    // locale, and a Chinese locale also switches the settings to Chinese and metric.
    static QString chooseTranslation(AppConfig &config, const QLocale &locale);
    // Chooses from the settings and system locale, loads and installs; false
    // when the program stays untranslated.
    static bool loadTranslation(QTranslator &translator);
    // Qt's own texts (file and print dialogs, standard buttons) in the
    // language in use, from the system's Qt translations; false for English
    // or when the system has none.
    static bool loadQtTranslation(QTranslator &translator);
    // The application style sheet; the platform's style when it is missing.
    static void applyStyleSheet();

private:
    static void installCrashHandler();
    static void ensureDataLocation();
};
