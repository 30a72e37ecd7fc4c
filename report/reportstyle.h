#pragma once

#include <QFont>
#include <QPen>

// Fonts and pens of the report at one scale (device units per millimetre).
struct ReportStyle
{
    double s = 5.0;
    QFont title;
    QFont large;
    QFont medium;
    QFont small;
    double lineWidth = 0.8;
    QPen majorPen;
    QPen minorPen;

    double mm(double millimetres) const { return s * millimetres; }

    static ReportStyle forScale(double s);
    // The report asks for "arial"; Linux has the metric-compatible Liberation
    // Sans instead, so texts keep the widths the layout was made for.
    static void registerFontSubstitutes();
};
