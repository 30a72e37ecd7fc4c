#pragma once

#include <QString>
#include <QVector>

// The value axis of an SpO2 or pulse chart for one chart-range setting:
// its range, its grid lines (labelled ones drawn major) and its labels.
struct ChartAxis
{
    struct Line
    {
        int value;
        bool isMajor;
    };

    double bottom = 0;
    double top = 100;
    QVector<Line> lines;        // bottom to top; empty: no grid, no labels
    QVector<int> labels;        // top to bottom
    QString topLabelPrefix;     // "≥" where values beyond the top are drawn on it

    // SpO2YRange 1 "0-100", 2 "35-100", 3 "50-100", 4 "70-100".
    static ChartAxis spo2(int range);
    // PrYRange 2 "25-150", 1 "25-250"; the whole night uses finer divisions
    // than the hour rows.
    static ChartAxis pulse(int range, bool hourRow);

    QString labelText(int value) const;

private:
    static ChartAxis make(double bottom, double top, int step, const QVector<int> &labels);
};
