#pragma once

#include <QObject>
#include <QTemporaryDir>

class TestParser : public QObject
{
    Q_OBJECT

private slots:
    void newFormatDecodesSamplesAndSummary();
    void kind4TakesTheRecordersSummary();
    void kind7TreatsZeroAsMissing();
    void twoByteSamplesIgnoreTrailingBytes();
    void durationComesFromDeclaredCount();
    void noValidValues_data();
    void noValidValues();
    void rejectsBrokenFiles_data();
    void rejectsBrokenFiles();
    void oldFormatFiveByteSamples();
    void oldFormatSamplingRate_data();
    void oldFormatSamplingRate();
    void oldFormatPointCount_data();
    void oldFormatPointCount();
    void oldFormatThreeByteSamples();
    void oldFormatSizeMismatchIsLoggedNotFatal();
    void shortFileIsOldFormat();
    void checkInfoCarriesTheSummary();
    void parsesOnSeveralThreadsMatchSerial();

private:
    QString write(const QString &name, const QByteArray &bytes);
    QByteArray logTail();

    QTemporaryDir m_dir;
    qint64 m_logMark = 0;
};

class TestDropAnalysis : public QObject
{
    Q_OBJECT

private slots:
    void timingRules_data();
    void timingRules();
    void countsPastSixteenBitSampleNumbers();
    void streamingAndWholeNightAgree();
    void newFormatFileRunsTheDetector();
};
