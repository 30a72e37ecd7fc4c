#include "reporttexts.h"

#include "oxidatacontroller.h"

namespace {

QString split(int seconds, bool translated)
{
    const int hours = seconds / 3600;
    const int minutes = seconds % 3600 / 60;
    const int rest = seconds % 60;
    auto format = [translated](const char *source) {
        return translated ? QCoreApplication::translate("ReportHelper", source) : QString::fromLatin1(source);
    };
    if (hours > 0)
        return format(QT_TRANSLATE_NOOP("ReportHelper", "%1h%2m%3s")).arg(hours).arg(minutes).arg(rest);
    if (minutes > 0)
        return format(QT_TRANSLATE_NOOP("ReportHelper", "%1m%2s")).arg(minutes).arg(rest);
    return format(QT_TRANSLATE_NOOP("ReportHelper", "%1s")).arg(rest);
}

int dropCount(const OxiDataController &night, int percent)
{
    return percent == 3 ? night.drops3 : night.drops4;
}

} // namespace

QString ReportTexts::formatDuration(int seconds)
{
    if (seconds < 0)
        return tr("Unknown");
    return split(seconds, true);
}

QString ReportTexts::durationText(int seconds, bool translated)
{
    return split(qMax(0, seconds), translated);
}

bool ReportTexts::isCapped(int drops3, int drops4, int percent)
{
    if (percent == 4)
        return drops4 > countCap;
    // Every 4 % drop is also a 3 % drop: a 3 % count far below a large 4 %
    // count means the recorder's one-byte counter wrapped.
    if (drops4 > 150 && drops4 - drops3 > 50)
        return true;
    return drops3 > countCap;
}

QString ReportTexts::dropCountText(int drops3, int drops4, int percent)
{
    if (isCapped(drops3, drops4, percent))
        return QStringLiteral(">%1").arg(countCap);
    return QString::number(percent == 3 ? drops3 : drops4);
}

QString ReportTexts::rateText(const OxiDataController &night, int percent)
{
    const bool capped = isCapped(night.drops3, night.drops4, percent);
    const int count = capped ? countCap : dropCount(night, percent);
    const QString rate = QString::number(double(count) / night.duration * 3600.0, 'f', 1);
    return capped ? QLatin1Char('>') + rate : rate;
}

QString ReportTexts::dropsOverText(const OxiDataController &night, int percent, bool withRate)
{
    const QString name = percent == 3 ? tr("Drops over 3%:") : tr("Drops over 4%:");
    QString text = name + QLatin1Char(' ')
        + tr("%1 times").arg(dropCountText(night.drops3, night.drops4, percent));
    if (withRate && night.duration >= 3600)
        text += QStringLiteral("  %1/h").arg(rateText(night, percent));
    return text;
}

QString ReportTexts::dropsPerHourText(const OxiDataController &night, int percent)
{
    if (night.duration < 3600)
        return tr("Drops per hour:") + QLatin1Char(' ') + tr("Time<1h");
    return tr("Drops per hour:") + rateText(night, percent) + QStringLiteral("/h");
}

QString ReportTexts::startDateText(const OxiDataController &night, const QLocale &locale, const QString &format)
{
    return tr("Start Date:") + QLatin1Char(' ') + locale.toString(night.startDate, format);
}

QString ReportTexts::startTimeText(const OxiDataController &night)
{
    return tr("Start Time:") + QLatin1Char(' ') + night.startTime.toString(QStringLiteral("HH:mm"));
}

QString ReportTexts::endTimeText(const OxiDataController &night)
{
    const QDateTime end = night.startDateTime.addSecs(night.duration);
    return tr("End Time:") + QLatin1Char(' ') + end.toString(QStringLiteral("HH:mm"));
}

QString ReportTexts::durationLine(const OxiDataController &night)
{
    return tr("Duration:") + QLatin1Char(' ') + durationText(night.duration, true);
}

QString ReportTexts::below90Line(const OxiDataController &night)
{
    return tr("<90% time:") + QLatin1Char(' ') + durationText(night.few90Duration, false);
}

QString ReportTexts::o2ScoreText(const OxiDataController &night)
{
    if (night.o2Score == 255)
        return tr("O2 Score:") + QStringLiteral(" --");
    return QStringLiteral("%1 %2").arg(tr("O2 Score:"), QString::number(night.o2Score / 10.0, 'f', 1));
}
