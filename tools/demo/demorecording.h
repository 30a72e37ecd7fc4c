#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QVector>

#include "oxipoint.h"

// The file formats the demo recorders write.
enum class DemoFormat {
    OldThreeByte,    // the ring's old format
    OldFiveByte,     // old format, samples as stored in memory
    NewWithSummary,  // file kind 4: the recorder's own summary in the trailer
    NewPlain,        // file kind 1: the program computes the summary
    NewZeroMarker,   // file kind 7: 0 marks a missing value
};

// Encodes one night's samples as a recorder would have written them,
// including the summary the recorder computes where its format has one.
class DemoRecording
{
public:
    struct Summary
    {
        int spo2Avg = 0xFF;  // 0xFF: no value
        int spo2Min = 0xFF;
        int pulseAvg = 0;
        int drops3 = 0;
        int drops4 = 0;
        int few90 = 0;       // seconds below 90 %
        int o2Score = 255;   // tenths; 255: none
    };

    // interval: seconds per sample, 1, 2 or 4 for the old formats.
    static QByteArray encode(const QVector<OxiPoint> &points, DemoFormat format, const QDateTime &start,
                             int interval);
    static Summary summarise(const QVector<OxiPoint> &points, int interval);
};
