#include <QTest>

#include <functional>
#include <utility>
#include <vector>

#include "branchcodes.h"
#include "test_protocol.h"

Q_DECLARE_METATYPE(std::optional<int>)

void TestBranchCodes::modelName_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    QTest::newRow("ultra") << "22010100" << "Pelsin O2 Ultra";
    QTest::newRow("ultra family other code") << "22010101" << "";
    QTest::newRow("tarnel s 1") << "2D010001" << "Tarnel S";
    QTest::newRow("tarnel s 2") << "2D010002" << "Tarnel S";
    QTest::newRow("2D01 other code") << "2D010003" << "";
    QTest::newRow("40KM") << "2C100000" << "TR-40KM";
    QTest::newRow("50KN") << "2C100002" << "TR-50KN";
    QTest::newRow("2C10 other code") << "2C100001" << "";
    QTest::newRow("max plus") << "2B010002" << "Pelsin O2 Peak Plus";
    QTest::newRow("max") << "2B010000" << "Pelsin O2 Peak";
    QTest::newRow("max, other suffix") << "2B010103" << "Pelsin O2 Peak";
    QTest::newRow("max prefix is case-sensitive") << "2b010002" << "";
    QTest::newRow("pelsin low end") << "21010000" << "Pelsin_O2";
    QTest::newRow("pelsin high end") << "21060001" << "Pelsin_O2";
    QTest::newRow("below pelsin range") << "21000000" << "";
    QTest::newRow("dorvik") << "21070002" << "Dorvik";
    QTest::newRow("above dorvik") << "21080000" << "";
    QTest::newRow("somrel low end") << "23010001" << "Somrel";
    QTest::newRow("somrel high end") << "23030000" << "Somrel";
    QTest::newRow("above somrel") << "23040000" << "";
    QTest::newRow("venrik") << "24010004" << "Venrik";
    QTest::newRow("tarnel") << "24010001" << "Tarnel";
    QTest::newRow("tarnel, 5001") << "50010001" << "Tarnel";
    QTest::newRow("wenlo") << "25010000" << "Wenlo";
    QTest::newRow("kivra") << "26010002" << "Kivra";
    QTest::newRow("2701 0003") << "27010003" << "Bebrin S2";
    QTest::newRow("2701 0005") << "27010005" << "Lullen S1";
    QTest::newRow("2701 0006") << "27010006" << "Lullen S2";
    QTest::newRow("2701 other") << "27010000" << "Bebrin";
    QTest::newRow("2702 is no family") << "27020001" << "";
    QTest::newRow("2703 0001") << "27030001" << "Lullen S1";
    QTest::newRow("2703 other") << "27030000" << "Bebrin";
    QTest::newRow("2704 0001") << "27040001" << "Lullen S2";
    QTest::newRow("2704 other") << "27040000" << "Bebrin S2";
    QTest::newRow("travin") << "28010000" << "Travin";
    QTest::newRow("fenmo") << "29010001" << "Fenmo";
    QTest::newRow("letters in the prefix") << "2G010000" << "";
    QTest::newRow("sign in the prefix") << "+2101000" << "";
    QTest::newRow("space in the prefix") << " 2101000" << "";
    QTest::newRow("empty") << "" << "";
}

void TestBranchCodes::modelName()
{
    QFETCH(QString, code);
    QFETCH(QString, name);
    QCOMPARE(BranchCodes::modelName(code), name);
}

void TestBranchCodes::prefixNumber_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<std::optional<int>>("number");
    QTest::newRow("digits") << "21070002" << std::optional<int>(2107);
    QTest::newRow("leading zero") << "0701ABCD" << std::optional<int>(701);
    QTest::newRow("hex letter") << "2B010000" << std::optional<int>();
    QTest::newRow("minus sign") << "-1010000" << std::optional<int>();
    QTest::newRow("three characters") << "210" << std::optional<int>();
}

void TestBranchCodes::prefixNumber()
{
    QFETCH(QString, code);
    QFETCH(std::optional<int>, number);
    QCOMPARE(BranchCodes::prefixNumber(code), number);
}

void TestBranchCodes::groups_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("groups");
    QTest::newRow("refused 07") << "24010007" << QStringList{"refused"};
    QTest::newRow("refused 09") << "24010009" << QStringList{"refused"};
    QTest::newRow("refused 10") << "24010010" << QStringList{"refused"};
    QTest::newRow("ring beside the refused ones") << "24010008" << QStringList{};
    QTest::newRow("block A ultra") << "22010100" << QStringList{"blockA"};
    QTest::newRow("block A 1") << "2D010001" << QStringList{"blockA"};
    QTest::newRow("block A 2") << "2D010002" << QStringList{"blockA"};
    QTest::newRow("block A is case-sensitive") << "2d010001" << QStringList{};
    QTest::newRow("block B, Brandel") << "2C100000" << QStringList{"blockB", "brandel"};
    QTest::newRow("block B, Sonvik") << "2C100002" << QStringList{"blockB", "sonvik"};
    QTest::newRow("neutral 23010001") << "23010001" << QStringList{"neutral"};
    QTest::newRow("neutral 23020001") << "23020001" << QStringList{"neutral"};
    QTest::newRow("neutral 27010002") << "27010002" << QStringList{"neutral", "pulsePrefix"};
    QTest::newRow("neutral 26010002") << "26010002" << QStringList{"neutral"};
    QTest::newRow("neutral 24010002") << "24010002" << QStringList{"neutral"};
    QTest::newRow("pulse-only 27010005") << "27010005" << QStringList{"pulseOnly", "pulsePrefix"};
    QTest::newRow("pulse-only 27010006") << "27010006" << QStringList{"pulseOnly", "pulsePrefix"};
    QTest::newRow("pulse-only 27030001") << "27030001" << QStringList{"pulseOnly", "pulsePrefix"};
    QTest::newRow("pulse-only 27040001") << "27040001" << QStringList{"pulseOnly", "pulsePrefix"};
    QTest::newRow("pulse prefix alone") << "27030000" << QStringList{"pulsePrefix"};
    QTest::newRow("2702 has no pulse prefix") << "27020001" << QStringList{};
    QTest::newRow("oxygen level, Sonvik") << "21070002" << QStringList{"oxygenLevelReport", "sonvik"};
    QTest::newRow("24010004")
        << "24010004" << QStringList{"oxygenLevelReport", "oxygenLevelWording", "sonvik"};
    QTest::newRow("Brandel 29010002") << "29010002" << QStringList{"brandel"};
    QTest::newRow("Brandel 26010004") << "26010004" << QStringList{"brandel"};
    QTest::newRow("Brandel 2B010102") << "2B010102" << QStringList{"maxFamily", "brandel"};
    QTest::newRow("Sonvik 29010001") << "29010001" << QStringList{"sonvik"};
    QTest::newRow("Sonvik 26010005") << "26010005" << QStringList{"sonvik"};
    QTest::newRow("Sonvik 2B010103") << "2B010103" << QStringList{"maxFamily", "sonvik"};
    QTest::newRow("max family only") << "2B010000" << QStringList{"maxFamily"};
    QTest::newRow("max prefix is case-sensitive") << "2b010102" << QStringList{};
    QTest::newRow("leading space") << " 24010004" << QStringList{};
    QTest::newRow("trailing space") << "24010004 " << QStringList{};
    QTest::newRow("member cut short") << "2401000" << QStringList{};
    QTest::newRow("empty") << "" << QStringList{};
}

void TestBranchCodes::groups()
{
    QFETCH(QString, code);
    QFETCH(QStringList, groups);

    using namespace BranchCodes;
    const std::vector<std::pair<QString, std::function<bool(const QString &)>>> tests = {
        {"refused", isRefused},
        {"blockA", usesConfigBlockA},
        {"blockB", usesConfigBlockB},
        {"neutral", hasNeutralBranding},
        {"pulseOnly", isPulseOnly},
        {"pulsePrefix", hasPulseOnlyPrefix},
        {"maxFamily", isPelsinMaxFamily},
        {"oxygenLevelReport", isOxygenLevelReport},
        {"oxygenLevelWording", saysOxygenLevel},
        {"brandel", isBrandel},
        {"sonvik", isSonvik},
    };
    QStringList member;
    for (const auto &t : tests) {
        if (t.second(code))
            member.append(t.first);
    }
    QCOMPARE(member, groups);

    const ReportBrand brand = groups.contains("brandel") ? ReportBrand::Brandel
        : groups.contains("sonvik")                      ? ReportBrand::Sonvik
                                                         : ReportBrand::None;
    QVERIFY(reportBrand(code) == brand);
}
