#include "appconfig.h"

#include <QDebug>
#include <QSettings>
#include <QStandardPaths>

namespace {
const QString keyFirstStart = QStringLiteral("isFirstStart");
const QString keyLanguage = QStringLiteral("Language");
const QString keyDataDir = QStringLiteral("dataDir");
const QString keyUnit = QStringLiteral("unit");
} // namespace

AppConfig &AppConfig::instance()
{
    // Created and loaded by whichever thread asks first.
    static AppConfig config = [] {
        AppConfig c(defaultPath());
        c.load();
        return c;
    }();
    return config;
}

AppConfig::AppConfig(const QString &path)
    : m_path(path)
    , m_dataDir(appDataDir() + QStringLiteral("/DATA"))
{
}

QString AppConfig::appDataDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

QString AppConfig::defaultPath()
{
    return appDataDir() + QStringLiteral("/config.ini");
}

bool AppConfig::load()
{
    qDebug() << "config file:" << m_path;
    QSettings ini(m_path, QSettings::IniFormat);
    m_isFirstStart = ini.value(keyFirstStart, true).toBool();
    m_language = m_selectedLanguage = ini.value(keyLanguage, 0).toInt();
    m_dataDir = ini.value(keyDataDir, appDataDir() + QStringLiteral("/DATA")).toString();
    // Before anything was saved the unit follows the language.
    m_defaultPatientUnit = m_isFirstStart ? (m_language == 1 ? 1 : 0) : ini.value(keyUnit, 0).toInt();
    return ini.status() == QSettings::NoError;
}

bool AppConfig::save() const
{
    QSettings ini(m_path, QSettings::IniFormat);
    ini.setValue(keyFirstStart, m_isFirstStart);
    ini.setValue(keyLanguage, m_selectedLanguage);
    ini.setValue(keyDataDir, m_dataDir);
    ini.setValue(keyUnit, m_defaultPatientUnit);
    ini.sync();
    return ini.status() == QSettings::NoError;
}
