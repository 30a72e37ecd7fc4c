#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QString>

class OxiDataController;

// The texts of the report's first page that carry a rule of their own,
// apart from their painting so the rules can be checked as text.
class ReportTexts
{
    Q_DECLARE_TR_FUNCTIONS(ReportHelper)

public:
    // Drop counters are stored in one byte; these texts stand for "too many to count".
    static constexpr int countCap = 250;

    // "1h0m0s", "1m1s", "59s"; "Unknown" for a negative time.
    static QString formatDuration(int seconds);
    // The same split without the "Unknown" case; translated or not.
    static QString durationText(int seconds, bool translated);

    // The count shown for the 3 % (percent 3) or 4 % drops, ">250" when
    // the counter overflowed.
    static QString dropCountText(int drops3, int drops4, int percent);
    // "Drops over 3%: 12 times", with the per-hour rate for nights of an hour or more.
    static QString dropsOverText(const OxiDataController &night, int percent, bool withRate);
    // "Drops per hour:1.5/h", or "Drops per hour: Time<1h" for short nights.
    static QString dropsPerHourText(const OxiDataController &night, int percent);

    static QString startDateText(const OxiDataController &night, const QLocale &locale, const QString &format);
    static QString startTimeText(const OxiDataController &night);
    static QString endTimeText(const OxiDataController &night);
    static QString durationLine(const OxiDataController &night);
    static QString below90Line(const OxiDataController &night);
    static QString o2ScoreText(const OxiDataController &night);

private:
    static bool isCapped(int drops3, int drops4, int percent);
    // Count per hour to one decimal; a lower bound (">") for a capped count.
    static QString rateText(const OxiDataController &night, int percent);
};
