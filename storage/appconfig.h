#pragma once

#include "patientinfo.h"

#include <QLocale>
#include <QMutex>
#include <QMutexLocker>
#include <QPoint>
#include <QSize>
#include <QString>

class QSettings;

// The user settings in "config.ini" in the per-user application-data
// directory, loaded once on first use and written back as a whole by save().
//
// The plain values sit behind a mutex: the device thread stores the branch
// code and the device and sync threads read the data directory while the GUI
// thread edits the rest. The default patient is a QObject handed out by
// reference and belongs to the GUI thread, as do load() and save().
class AppConfig
{
public:
    enum Language { English = 0, Chinese = 1, German = 2, Italian = 3, Spanish = 4, French = 5 };

    // Created and loaded by whichever thread asks first; never destroyed,
    // so other process-wide objects may still read it while the process ends.
    static AppConfig &instance();

    // Starts with the defaults of a fresh installation; nothing is read yet.
    explicit AppConfig(const QString &path);
    AppConfig(const AppConfig &) = delete;
    AppConfig &operator=(const AppConfig &) = delete;

    QString path() const { return m_path; }
    // Every key with its default; a missing file leaves the defaults and
    // counts as success, an unreadable or malformed one returns false.
    bool load();
    // Every key from the current values, the default patient included.
    bool save() const;

    bool isMaxSized() const { return get(&Values::maxSized); }
    void setMaxSized(bool value) { set(&Values::maxSized, value); }
    QSize mainWindowSize() const { return get(&Values::mainWindowSize); }
    void setMainWindowSize(const QSize &size) { set(&Values::mainWindowSize, size); }
    QPoint mainWindowPos() const { return get(&Values::mainWindowPos); }
    void setMainWindowPos(const QPoint &pos) { set(&Values::mainWindowPos, pos); }
    // Last folder a report or export was saved in.
    QString savePath() const { return get(&Values::savePath); }
    void setSavePath(const QString &dir) { set(&Values::savePath, dir); }
    // Carried through load and save only.
    int hidInterval() const { return get(&Values::hidInterval); }
    void setHidInterval(int ms) { set(&Values::hidInterval, ms); }
    QString dataDir() const { return get(&Values::dataDir); }
    void setDataDir(const QString &dir) { set(&Values::dataDir, dir); }
    bool isFirstStart() const { return get(&Values::firstStart); }
    void setFirstStart(bool value) { set(&Values::firstStart, value); }
    // Carried through load and save only; patients are shown in their own unit.
    bool isImperial() const { return get(&Values::imperial); }
    void setImperial(bool value) { set(&Values::imperial, value); }

    // Cloud account as the sign-in dialog hands it over.
    QString user() const { return get(&Values::user); }
    void setUser(const QString &user) { set(&Values::user, user); }
    QString password() const { return get(&Values::password); }
    void setPassword(const QString &password) { set(&Values::password, password); }
    bool isAutoSyncData() const { return get(&Values::autoSyncData); }
    void setAutoSyncData(bool value) { set(&Values::autoSyncData, value); }

    // Branch code of the recorder last identified.
    QString branchCode() const { return get(&Values::branchCode); }
    void setBranchCode(const QString &code) { set(&Values::branchCode, code); }

    // SpO2 axis: 1 "0-100", 2 "35-100", 3 "50-100", 4 "70-100".
    int spo2YRange() const { return get(&Values::spo2YRange); }
    void setSpo2YRange(int code) { set(&Values::spo2YRange, code); }
    // Pulse axis: 2 "25-150", 1 "25-250".
    int prYRange() const { return get(&Values::prYRange); }
    void setPrYRange(int code) { set(&Values::prYRange, code); }

    // Address of a newer program version found this run; not kept in the file.
    QString newVersionUrl() const { return get(&Values::newVersionUrl); }
    void setNewVersionUrl(const QString &url) { set(&Values::newVersionUrl, url); }

    // The language in use (read by every lookup) and the one the options
    // dialog selected, which save() writes. Loading sets both.
    int language() const { return get(&Values::language); }
    int selectedLanguage() const { return get(&Values::selectedLanguage); }
    void setLanguage(int code) { set(&Values::language, code); }
    void setSelectedLanguage(int code) { set(&Values::selectedLanguage, code); }

    // Lookups for the language in use; unknown codes behave as English.
    QString translationName() const { return translationNameFor(language()); }
    QString dateFormat() const { return dateFormatFor(language()); }
    QLocale::Language dateLocaleLanguage() const { return dateLocaleLanguageFor(language()); }
    QLocale dateLocale() const { return QLocale(dateLocaleLanguage()); }
    static QString translationNameFor(int language);
    static QString dateFormatFor(int language);
    static QLocale::Language dateLocaleLanguageFor(int language);

    // Fills a new recording's patient until the user edits it.
    PatientInfo &defaultPatient() { return m_defaultPatient; }
    const PatientInfo &defaultPatient() const { return m_defaultPatient; }
    void setDefaultPatient(const PatientInfo &patient) { m_defaultPatient.copyFrom(patient); }
    // Display unit of the default patient: 1 metric, 0 imperial.
    int defaultPatientUnit() const { return m_defaultPatient.unit(); }
    void setDefaultPatientUnit(int unit) { m_defaultPatient.setUnit(unit); }

    static QString defaultPath();
    static QString appDataDir();

private:
    struct Values
    {
        bool maxSized = true;
        QSize mainWindowSize;
        QPoint mainWindowPos;
        QString savePath;
        int hidInterval = 200;
        QString dataDir;
        bool firstStart = true;
        bool imperial = true;
        QString user;
        QString password;
        QString branchCode;
        bool autoSyncData = false;
        int language = English;
        int selectedLanguage = English;
        int spo2YRange = 4;
        int prYRange = 2;
        QString newVersionUrl;
    };

    static Values defaults();
    void loadDefaultPatient(const QSettings &ini, const Values &values);

    template<typename T>
    T get(T Values::*field) const
    {
        QMutexLocker lock(&m_mutex);
        return m_values.*field;
    }
    template<typename T>
    void set(T Values::*field, const T &value)
    {
        QMutexLocker lock(&m_mutex);
        m_values.*field = value;
    }

    const QString m_path;
    mutable QMutex m_mutex;
    Values m_values;
    PatientInfo m_defaultPatient;
};
