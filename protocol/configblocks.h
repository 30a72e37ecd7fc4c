#pragma once

#include <QByteArray>
#include <QPair>
#include <QVector>

// One set-parameter command: type and the value written as its first byte.
using ParamChange = QPair<int, int>;

// The settings of a current recorder that answers with configuration block A.
struct BlockASettings
{
    bool spo2On = false;
    bool pulseOn = false;
    int spo2Threshold = 0;
    int pulseLow = 0;
    int pulseHigh = 0;
    int intensity = 0;      // 20, 40, 60, 80 or 100
    int screenMode = 0;     // 0 or 2
    int brightness = 0;     // index
    int averagingTime = 0;  // seconds, 1 or 4

    static BlockASettings fromBlock(const QByteArray &block);
    // The commands that turn `was` into `now`, in the order the recorder takes them.
    static QVector<ParamChange> changes(const BlockASettings &was, const BlockASettings &now);
};

// The same for configuration block B.
struct BlockBSettings
{
    bool reminderOn = false;
    int spo2Threshold = 0;
    int pulseHigh = 0;
    int pulseLow = 0;

    static BlockBSettings fromBlock(const QByteArray &block);
    static QVector<ParamChange> changes(const BlockBSettings &was, const BlockBSettings &now);
};
