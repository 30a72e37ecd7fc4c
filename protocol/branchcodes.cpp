#include "branchcodes.h"

#include <QLatin1String>

#include <initializer_list>

namespace BranchCodes {

namespace {

bool isOneOf(const QString &code, std::initializer_list<const char *> codes)
{
    for (const char *c : codes) {
        if (code == QLatin1String(c))
            return true;
    }
    return false;
}

bool startsWithOneOf(const QString &code, std::initializer_list<const char *> prefixes)
{
    for (const char *p : prefixes) {
        if (code.startsWith(QLatin1String(p)))
            return true;
    }
    return false;
}

QString exactModelName(const QString &code)
{
    if (code == QLatin1String("22010100"))
        return QStringLiteral("Pelsin O2 Ultra");
    if (isOneOf(code, {"2D010001", "2D010002"}))
        return QStringLiteral("Tarnel S");
    if (code == QLatin1String("2C100000"))
        return QStringLiteral("TR-40KM");
    if (code == QLatin1String("2C100002"))
        return QStringLiteral("TR-50KN");
    return {};
}

// The rows keyed by the model family number P; s is the last four characters.
QString familyModelName(int p, const QString &s)
{
    if (p >= 2101 && p <= 2106)
        return QStringLiteral("Pelsin_O2");
    if (p == 2107)
        return QStringLiteral("Dorvik");
    if (p >= 2301 && p <= 2303)
        return QStringLiteral("Somrel");
    if (p == 2401)
        return s == QLatin1String("0004") ? QStringLiteral("Venrik") : QStringLiteral("Tarnel");
    if (p == 2501)
        return QStringLiteral("Wenlo");
    if (p == 2601)
        return QStringLiteral("Kivra");
    if (p == 2701) {
        if (s == QLatin1String("0003"))
            return QStringLiteral("Bebrin S2");
        if (s == QLatin1String("0005"))
            return QStringLiteral("Lullen S1");
        if (s == QLatin1String("0006"))
            return QStringLiteral("Lullen S2");
        return QStringLiteral("Bebrin");
    }
    if (p == 2703)
        return s == QLatin1String("0001") ? QStringLiteral("Lullen S1") : QStringLiteral("Bebrin");
    if (p == 2704)
        return s == QLatin1String("0001") ? QStringLiteral("Lullen S2") : QStringLiteral("Bebrin S2");
    if (p == 2801)
        return QStringLiteral("Travin");
    if (p == 2901)
        return QStringLiteral("Fenmo");
    if (p == 5001)
        return QStringLiteral("Tarnel");
    return {};
}

} // namespace

QString modelName(const QString &code)
{
    const QString exact = exactModelName(code);
    if (!exact.isEmpty())
        return exact;
    const QString s = code.right(4);
    if (isPelsinMaxFamily(code))
        return s == QLatin1String("0002") ? QStringLiteral("Pelsin O2 Peak Plus") : QStringLiteral("Pelsin O2 Peak");
    const std::optional<int> p = prefixNumber(code);
    if (!p)
        return {};
    return familyModelName(*p, s);
}

std::optional<int> prefixNumber(const QString &code)
{
    // Checked by hand: toInt() would also take signs and spaces, and make
    // "+210" or " 210" look like a model family.
    if (code.size() < 4)
        return std::nullopt;
    int number = 0;
    for (int i = 0; i < 4; ++i) {
        const ushort c = code.at(i).unicode();
        if (c < '0' || c > '9')
            return std::nullopt;
        number = number * 10 + (c - '0');
    }
    return number;
}

bool isRefused(const QString &code)
{
    return isOneOf(code, {"24010009", "24010010", "24010007"});
}

bool usesConfigBlockA(const QString &code)
{
    return isOneOf(code, {"2D010001", "2D010002", "22010100"});
}

bool usesConfigBlockB(const QString &code)
{
    return isOneOf(code, {"2C100000", "2C100002"});
}

bool hasNeutralBranding(const QString &code)
{
    return isOneOf(code, {"23010001", "23020001", "27010002", "26010002", "24010002"});
}

bool isPulseOnly(const QString &code)
{
    return isOneOf(code, {"27010005", "27010006", "27030001", "27040001"});
}

bool hasPulseOnlyPrefix(const QString &code)
{
    return startsWithOneOf(code, {"2701", "2703", "2704"});
}

bool hasWideTrendPulseRange(const QString &code)
{
    const std::optional<int> p = prefixNumber(code);
    return p && (*p == 2701 || *p == 2703 || *p == 2704 || *p == 2801);
}

bool trendLacksO2Score(const QString &code)
{
    return isOneOf(code, {"2C100000", "2C100002"});
}

bool trendShowsAllSeries(const QString &code)
{
    return isOneOf(code, {"2D010001", "2D010002"});
}

bool isPelsinMaxFamily(const QString &code)
{
    return code.startsWith(QLatin1String("2B01"));
}

bool isOxygenLevelReport(const QString &code)
{
    return isOneOf(code, {"21070002", "24010004"});
}

bool saysOxygenLevel(const QString &code)
{
    return code == QLatin1String("24010004");
}

bool isBrandel(const QString &code)
{
    return isOneOf(code, {"29010002", "26010004", "2B010102", "2C100000"});
}

bool isSonvik(const QString &code)
{
    return isOneOf(code, {"29010001", "26010005", "2B010103", "21070002", "24010004", "2C100002"});
}

ReportBrand reportBrand(const QString &code)
{
    if (isBrandel(code))
        return ReportBrand::Brandel;
    if (isSonvik(code))
        return ReportBrand::Sonvik;
    return ReportBrand::None;
}

int cloudDeviceType(const QString &code)
{
    if (isOneOf(code, {"2D010001", "2D010002"}))
        return 81;
    if (code == QLatin1String("2C100002"))
        return 82;
    if (code == QLatin1String("2C100000"))
        return 83;
    if (code.startsWith(QLatin1String("2B01")))
        return 11;
    const std::optional<int> p = prefixNumber(code);
    if (!p)
        return -1;
    const QString s = code.right(4);
    struct Row { int prefix; const char *suffix; int type; };   // suffix nullptr: any
    static const Row rows[] = {
        {2107, nullptr, 17}, {2401, "0000", 20}, {2401, "0004", 59}, {2501, nullptr, 16},
        {2601, nullptr, 22}, {2701, "0000", 21}, {2701, "0003", 19}, {2701, "0005", 57},
        {2701, "0006", 58}, {2703, "0000", 21}, {2703, "0001", 57}, {2704, "0000", 19},
        {2704, "0001", 58}, {2801, nullptr, 18}, {2901, nullptr, 24}, {5001, nullptr, 20},
    };
    if (*p >= 2101 && *p <= 2106)
        return 10;
    if (*p >= 2301 && *p <= 2303)
        return 13;
    for (const Row &row : rows) {
        if (row.prefix == *p && (!row.suffix || s == QLatin1String(row.suffix)))
            return row.type;
    }
    return -1;
}

} // namespace BranchCodes
