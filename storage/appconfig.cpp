#include "appconfig.h"

#include "storagelog.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QThread>

#include <cmath>

namespace {
const QString birthdayFormat = QStringLiteral("yyyy/MM/dd");

// QVariant's own conversions are too lenient for a hand-edited file: "yes"
// would read as true and "12abc" as a number. A value of the wrong type reads
// as the type's null value; only a missing key takes the default.
bool readBool(const QSettings &ini, const QString &key, bool fallback)
{
    if (!ini.contains(key))
        return fallback;
    const QVariant value = ini.value(key);
    if (value.type() == QVariant::Bool)
        return value.toBool();
    const QString text = value.toString().trimmed().toLower();
    return text == QLatin1String("true") || text == QLatin1String("1");
}

int readInt(const QSettings &ini, const QString &key, int fallback)
{
    if (!ini.contains(key))
        return fallback;
    bool ok = false;
    const int number = ini.value(key).toInt(&ok);
    return ok ? number : 0;
}

double readDouble(const QSettings &ini, const QString &key, double fallback)
{
    if (!ini.contains(key))
        return fallback;
    bool ok = false;
    const double number = ini.value(key).toDouble(&ok);
    return ok && std::isfinite(number) ? number : 0.0;
}

QString readText(const QSettings &ini, const QString &key, const QString &fallback)
{
    if (!ini.contains(key))
        return fallback;
    return ini.value(key).toString();
}

// Year, month and day separated by any punctuation: "1980/05/12" as written,
// but also "1980-05-12" or "1980.05.12" from an edited file. An unquoted comma
// makes QSettings hand back a list, so that is joined again first.
QDate readBirthday(const QSettings &ini, const QString &key)
{
    const QVariant value = ini.value(key);
    const QString text = value.type() == QVariant::StringList ? value.toStringList().join(QLatin1Char(','))
                                                               : value.toString().trimmed();
    if (text.size() != 10 || !text.at(4).isPunct() || !text.at(7).isPunct())
        return QDate();
    const QString digits = text.left(4) + text.mid(5, 2) + text.mid(8, 2);
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return QDate();
    }
    return QDate(digits.leftRef(4).toInt(), digits.midRef(4, 2).toInt(), digits.midRef(6, 2).toInt());
}
} // namespace

AppConfig &AppConfig::instance()
{
    // Function-local static initialisation is thread-safe; the object is
    // leaked on purpose (see the header).
    static AppConfig *const config = [] {
        auto *created = new AppConfig(defaultPath());
        created->load();
        return created;
    }();
    return *config;
}

AppConfig::AppConfig(const QString &path)
    : m_path(path)
    , m_values(defaults())
{
    // A first call from a worker thread must not leave the default patient
    // tied to that thread after it ends.
    const QCoreApplication *app = QCoreApplication::instance();
    if (app && app->thread() != QThread::currentThread())
        m_defaultPatient.moveToThread(app->thread());
    m_defaultPatient.setBirthday(QDate());
}

AppConfig::Values AppConfig::defaults()
{
    Values values;
    values.savePath = appDataDir();
    values.dataDir = appDataDir() + QStringLiteral("/DATA");
    return values;
}

QString AppConfig::appDataDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

QString AppConfig::defaultPath()
{
    return appDataDir() + QStringLiteral("/config.ini");
}

QString AppConfig::translationNameFor(int language)
{
    switch (language) {
    case Chinese: return QStringLiteral("zh_CN");
    case German: return QStringLiteral("de");
    case Italian: return QStringLiteral("it");
    case Spanish: return QStringLiteral("es");
    case French: return QStringLiteral("fr");
    default: return QStringLiteral("en");
    }
}

QString AppConfig::dateFormatFor(int language)
{
    return language == Chinese ? QStringLiteral("yyyy-MM-dd") : QStringLiteral("MMM d, yyyy");
}

QLocale::Language AppConfig::dateLocaleLanguageFor(int language)
{
    return language == Chinese ? QLocale::Chinese : QLocale::English;
}

bool AppConfig::load()
{
    qCDebug(lcStorage) << "config file:" << m_path;
    QSettings ini(m_path, QSettings::IniFormat);
    const bool readable = ini.status() == QSettings::NoError;
    if (!readable)
        qCWarning(lcStorage) << "config file unreadable, using defaults:" << m_path << ini.status();

    Values values = defaults();
    values.maxSized = readBool(ini, QStringLiteral("isMaxSized"), values.maxSized);
    values.mainWindowSize = ini.value(QStringLiteral("mainwindowSize")).toSize();
    values.mainWindowPos = ini.value(QStringLiteral("mainwindowPos")).toPoint();
    values.savePath = readText(ini, QStringLiteral("savePath"), values.savePath);
    values.hidInterval = readInt(ini, QStringLiteral("hidInterval"), values.hidInterval);
    values.dataDir = readText(ini, QStringLiteral("dataDir"), values.dataDir);
    values.firstStart = readBool(ini, QStringLiteral("isFirstStart"), values.firstStart);
    values.imperial = readBool(ini, QStringLiteral("isImperial"), values.imperial);
    values.user = readText(ini, QStringLiteral("usr"), values.user);
    values.password = readText(ini, QStringLiteral("pwd"), values.password);
    values.branchCode = readText(ini, QStringLiteral("branchCode"), values.branchCode);
    values.autoSyncData = readBool(ini, QStringLiteral("isAutoSyncData"), values.autoSyncData);
    values.language = readInt(ini, QStringLiteral("Language"), values.language);
    values.selectedLanguage = values.language;
    values.spo2YRange = readInt(ini, QStringLiteral("SpO2YRange"), values.spo2YRange);
    values.prYRange = readInt(ini, QStringLiteral("PrYRange"), values.prYRange);

    loadDefaultPatient(ini, values);
    {
        QMutexLocker lock(&m_mutex);
        values.newVersionUrl = m_values.newVersionUrl;
        m_values = values;
    }
    return readable;
}

void AppConfig::loadDefaultPatient(const QSettings &ini, const Values &values)
{
    PatientInfo &patient = m_defaultPatient;
    patient.reset();
    patient.setEmpty(readBool(ini, QStringLiteral("isEmpty"), true));
    patient.setName(readText(ini, QStringLiteral("name"), QString()));
    patient.setUserId(readText(ini, QStringLiteral("userID"), QString()));
    patient.setSex(readInt(ini, QStringLiteral("sex"), 0));
    patient.setBirthday(readBirthday(ini, QStringLiteral("birthday")));
    patient.setHeight(readDouble(ini, QStringLiteral("height"), 160.5));
    patient.setWeight(readDouble(ini, QStringLiteral("weight"), 160.5));
    patient.setPhysician(readText(ini, QStringLiteral("physician"), QString()));
    // Until the first save the unit follows the language, whatever the file says.
    if (values.firstStart)
        patient.setUnit(values.language == Chinese ? PatientInfo::Metric : PatientInfo::Imperial);
    else
        patient.setUnit(readInt(ini, QStringLiteral("unit"), PatientInfo::Imperial));
}

bool AppConfig::save() const
{
    Values values;
    {
        QMutexLocker lock(&m_mutex);
        values = m_values;
    }
    const PatientInfo &patient = m_defaultPatient;

    QSettings ini(m_path, QSettings::IniFormat);
    ini.setValue(QStringLiteral("isMaxSized"), values.maxSized);
    ini.setValue(QStringLiteral("mainwindowSize"), values.mainWindowSize);
    ini.setValue(QStringLiteral("mainwindowPos"), values.mainWindowPos);
    ini.setValue(QStringLiteral("savePath"), values.savePath);
    ini.setValue(QStringLiteral("hidInterval"), values.hidInterval);
    ini.setValue(QStringLiteral("dataDir"), values.dataDir);
    ini.setValue(QStringLiteral("isFirstStart"), values.firstStart);
    ini.setValue(QStringLiteral("isImperial"), values.imperial);
    ini.setValue(QStringLiteral("usr"), values.user);
    ini.setValue(QStringLiteral("pwd"), values.password);
    ini.setValue(QStringLiteral("branchCode"), values.branchCode);
    ini.setValue(QStringLiteral("isEmpty"), patient.isEmpty());
    ini.setValue(QStringLiteral("name"), patient.name());
    ini.setValue(QStringLiteral("userID"), patient.userId());
    ini.setValue(QStringLiteral("sex"), patient.sex());
    ini.setValue(QStringLiteral("birthday"), patient.birthday().toString(birthdayFormat));
    ini.setValue(QStringLiteral("height"), patient.height());
    ini.setValue(QStringLiteral("weight"), patient.weight());
    ini.setValue(QStringLiteral("physician"), patient.physician());
    ini.setValue(QStringLiteral("unit"), patient.unit());
    ini.setValue(QStringLiteral("isAutoSyncData"), values.autoSyncData);
    ini.setValue(QStringLiteral("Language"), values.selectedLanguage);
    ini.setValue(QStringLiteral("SpO2YRange"), values.spo2YRange);
    ini.setValue(QStringLiteral("PrYRange"), values.prYRange);
    ini.sync();
    if (ini.status() != QSettings::NoError) {
        qCWarning(lcStorage) << "config file not written:" << m_path << ini.status();
        return false;
    }
    // The file holds the cloud password: readable by its owner only.
    if (!QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        qCWarning(lcStorage) << "config file permissions not set:" << m_path;
        return false;
    }
    return true;
}
