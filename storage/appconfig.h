#pragma once

#include <QString>

// The user settings in "config.ini" in the per-user application-data
// directory, loaded once on first use and written back as a whole by save().
class AppConfig
{
public:
    static AppConfig &instance();

    explicit AppConfig(const QString &path);

    QString path() const { return m_path; }
    bool load();
    bool save() const;

    bool isFirstStart() const { return m_isFirstStart; }
    void setFirstStart(bool value) { m_isFirstStart = value; }

    // The language in use (read by every lookup) and the one the options
    // dialog selected, which save() writes. Loading sets both.
    int language() const { return m_language; }
    int selectedLanguage() const { return m_selectedLanguage; }
    void setLanguage(int code) { m_language = code; }
    void setSelectedLanguage(int code) { m_selectedLanguage = code; }

    QString dataDir() const { return m_dataDir; }
    void setDataDir(const QString &dir) { m_dataDir = dir; }

    // Display unit of the default patient: 1 metric, 0 imperial.
    int defaultPatientUnit() const { return m_defaultPatientUnit; }
    void setDefaultPatientUnit(int unit) { m_defaultPatientUnit = unit; }

    static QString defaultPath();
    static QString appDataDir();

private:
    QString m_path;
    bool m_isFirstStart = true;
    int m_language = 0;
    int m_selectedLanguage = 0;
    QString m_dataDir;
    int m_defaultPatientUnit = 0;
};
