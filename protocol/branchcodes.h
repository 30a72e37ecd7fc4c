#pragma once

#include <QString>

#include <optional>

// The branch code is the 8-character model code a recorder reports. Every
// model name and every group of codes that changes the program's behaviour
// lives here, so that no other file repeats a list of codes.
// Membership is exact, case-sensitive equality unless a name says prefix.
namespace BranchCodes {

// Model name shown to the user; empty for a code outside the table.
QString modelName(const QString &code);

// The first four characters read as a decimal number; nullopt unless they
// are four ASCII digits.
std::optional<int> prefixNumber(const QString &code);

// Recorders the program does not serve: ping and download stop at once.
bool isRefused(const QString &code);

// Current recorders whose settings come as configuration block A or B.
bool usesConfigBlockA(const QString &code);
bool usesConfigBlockB(const QString &code);

// Partner devices: the maker's branding stays hidden.
bool hasNeutralBranding(const QString &code);

// Pulse-rate-only recorders: no oxygen columns in report, trend and CSV.
bool isPulseOnly(const QString &code);

// Codes beginning "2701", "2703" or "2704", the baby-monitor families.
bool hasPulseOnlyPrefix(const QString &code);

// Prefix number 2701, 2703, 2704 or 2801: the trend offers only the averages
// and its pulse axis reaches 270 instead of 180.
bool hasWideTrendPulseRange(const QString &code);

// Trend without the O2 score button.
bool trendLacksO2Score(const QString &code);

// Trend with all five series buttons and the SpO2 average first.
bool trendShowsAllSeries(const QString &code);

// Codes beginning "2B01"; their legacy reminder switches carry a sound bit.
bool isPelsinMaxFamily(const QString &code);

// The report is titled "Oxygen Level Report".
bool isOxygenLevelReport(const QString &code);

// Report, trend and CSV say "Oxygen Level" instead of "SpO2".
bool saysOxygenLevel(const QString &code);

bool isBrandel(const QString &code);
bool isSonvik(const QString &code);

enum class ReportBrand { None, Brandel, Sonvik };

// The brand a report carries; Brandel wins where a code were in both groups.
ReportBrand reportBrand(const QString &code);

// The number the cloud service uses for a recorder model; -1 for models
// that are not synchronised.
int cloudDeviceType(const QString &code);

} // namespace BranchCodes
