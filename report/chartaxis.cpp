#include "chartaxis.h"

ChartAxis ChartAxis::make(double bottom, double top, int step, const QVector<int> &labels)
{
    ChartAxis axis;
    axis.bottom = bottom;
    axis.top = top;
    axis.labels = labels;
    for (int v = int(bottom); v <= int(top); v += step)
        axis.lines.append({v, labels.contains(v)});
    return axis;
}

ChartAxis ChartAxis::spo2(int range)
{
    switch (range) {
    case 4:
        return make(70, 100, 2, {100, 90, 80, 70});
    case 3:
        return make(50, 100, 2, {100, 90, 70, 50});
    case 2:
        return make(35, 100, 5, {100, 90, 70, 50, 35});
    case 1:
        return make(0, 100, 5, {100, 75, 50, 25, 0});
    default: {
        ChartAxis bare;
        bare.bottom = 70;
        return bare;
    }
    }
}

ChartAxis ChartAxis::pulse(int range, bool hourRow)
{
    // U+2265; the only character of these labels outside ASCII.
    const QString atLeast(QChar(0x2265));
    ChartAxis axis;
    switch (range) {
    case 2:
        axis = make(25, 150, hourRow ? 25 : 5, {150, 125, 75, 25});
        break;
    case 1:
        axis = make(25, 250, 25, {250, 225, 125, 25});
        break;
    default:
        axis.bottom = 25;
        axis.top = 150;
        return axis;
    }
    axis.topLabelPrefix = atLeast;
    return axis;
}

QString ChartAxis::labelText(int value) const
{
    if (value == int(top) && !topLabelPrefix.isEmpty())
        return QStringLiteral("%1%2").arg(topLabelPrefix).arg(value);
    return QString::number(value);
}
