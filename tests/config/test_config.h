#pragma once

#include <QObject>
#include <QTemporaryDir>

class TestConfig : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void freshInstallationDefaults();
    void firstStartUnit_data();
    void firstStartUnit();
    void languageLookups_data();
    void languageLookups();
    void saveWritesTheSelectedLanguage();
    void roundTripKeepsEveryValue();
    void defaultPatientBirthdayRoundTrip_data();
    void defaultPatientBirthdayRoundTrip();
    void birthdayReadToleratesPunctuation_data();
    void birthdayReadToleratesPunctuation();
    void wrongTypesReadAsNull_data();
    void wrongTypesReadAsNull();
    void saveFailureIsReported();
    void instanceIsOneObjectFromAnyThread();

private:
    QString writeIni(const QByteArray &lines);

    QScopedPointer<QTemporaryDir> m_dir;
};
