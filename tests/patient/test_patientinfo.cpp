#include "test_patient.h"

#include "patientinfo.h"

#include <QTest>

#include <limits>

namespace {
constexpr int imperial = PatientInfo::Imperial;
constexpr int metric = PatientInfo::Metric;

void fillEveryField(PatientInfo &p)
{
    p.setName(QStringLiteral("Ann Lee"));
    p.setUserId(QStringLiteral("ID-7"));
    p.setSex(1);
    p.setBirthday(QDate(1980, 5, 12));
    p.setHeight(175.0);
    p.setWeight(70.0);
    p.setPhysician(QStringLiteral("Dr. Moss"));
    p.setRemarks(QStringLiteral("snores"));
    p.setUnit(metric);
    p.setEmpty(false);
}
} // namespace

void TestPatientInfo::heightText_data()
{
    QTest::addColumn<double>("cm");
    QTest::addColumn<int>("unit");
    QTest::addColumn<bool>("withUnit");
    QTest::addColumn<bool>("withSpace");
    QTest::addColumn<QString>("text");

    QTest::newRow("six feet exactly") << 182.88 << imperial << true << false << "6'0''";
    QTest::newRow("five nine") << 175.0 << imperial << true << false << "5'9''";
    QTest::newRow("59.96 inches rounds up to five feet") << 152.3 << imperial << true << false << "5'0''";
    QTest::newRow("imperial with spaces") << 175.0 << imperial << true << true << "5 '9 ''";
    QTest::newRow("imperial without unit") << 175.0 << imperial << false << true << "59";
    QTest::newRow("inches round to 11, no carry") << 180.0 << imperial << true << false << "5'11''";
    QTest::newRow("metric with space") << 175.0 << metric << true << true << "175 cm";
    QTest::newRow("metric without space") << 175.0 << metric << true << false << "175cm";
    QTest::newRow("metric without unit") << 175.0 << metric << false << false << "175";
    QTest::newRow("metric drops decimals") << 175.6 << metric << true << true << "176 cm";
    QTest::newRow("not set") << -1.0 << metric << true << true << "";
    QTest::newRow("not set, imperial") << -1.0 << imperial << true << true << "";
    QTest::newRow("NaN from a broken store") << std::numeric_limits<double>::quiet_NaN() << imperial << true
                                             << true << "";
}

void TestPatientInfo::heightText()
{
    QFETCH(double, cm);
    QFETCH(int, unit);
    QFETCH(bool, withUnit);
    QFETCH(bool, withSpace);
    QFETCH(QString, text);

    PatientInfo p;
    p.setHeight(cm);
    p.setUnit(unit);
    QCOMPARE(p.heightText(withUnit, withSpace), text);
}

void TestPatientInfo::weightText_data()
{
    QTest::addColumn<double>("kg");
    QTest::addColumn<int>("unit");
    QTest::addColumn<bool>("withUnit");
    QTest::addColumn<bool>("withSpace");
    QTest::addColumn<QString>("text");

    QTest::newRow("70 kg in pounds") << 70.0 << imperial << true << true << "154 lbs";
    QTest::newRow("pounds without space") << 70.0 << imperial << true << false << "154lbs";
    QTest::newRow("pounds without unit") << 70.0 << imperial << false << false << "154";
    QTest::newRow("metric with space") << 70.4 << metric << true << true << "70 kg";
    QTest::newRow("metric without space") << 70.4 << metric << true << false << "70kg";
    QTest::newRow("not set") << -1.0 << imperial << true << true << "";
    QTest::newRow("infinite from a broken store") << std::numeric_limits<double>::infinity() << metric << true
                                                  << true << "";
}

void TestPatientInfo::weightText()
{
    QFETCH(double, kg);
    QFETCH(int, unit);
    QFETCH(bool, withUnit);
    QFETCH(bool, withSpace);
    QFETCH(QString, text);

    PatientInfo p;
    p.setWeight(kg);
    p.setUnit(unit);
    QCOMPARE(p.weightText(withUnit, withSpace), text);
}

void TestPatientInfo::bmiText_data()
{
    QTest::addColumn<double>("cm");
    QTest::addColumn<double>("kg");
    QTest::addColumn<QString>("text");

    QTest::newRow("175 cm, 70 kg") << 175.0 << 70.0 << "22.9";
    QTest::newRow("one decimal kept") << 200.0 << 100.0 << "25.0";
    QTest::newRow("height zero") << 0.0 << 70.0 << "";
    QTest::newRow("height not set") << -1.0 << 70.0 << "";
    QTest::newRow("weight not set") << 175.0 << -1.0 << "";
}

void TestPatientInfo::bmiText()
{
    QFETCH(double, cm);
    QFETCH(double, kg);
    QFETCH(QString, text);

    PatientInfo p;
    p.setHeight(cm);
    p.setWeight(kg);
    QCOMPARE(p.bmiText(), text);
}

void TestPatientInfo::newAndResetPatientsShowNothing()
{
    PatientInfo fresh;
    PatientInfo used;
    fillEveryField(used);
    used.reset();

    for (const PatientInfo *p : {&fresh, &used}) {
        QCOMPARE(p->name(), QString());
        QCOMPARE(p->userId(), QString());
        QCOMPARE(p->sex(), 0);
        QCOMPARE(p->birthday(), QDate(2000, 1, 1));
        QCOMPARE(p->physician(), QString());
        QCOMPARE(p->remarks(), QString());
        QCOMPARE(p->unit(), imperial);
        QVERIFY(p->isEmpty());
        QCOMPARE(p->heightText(true, true), QString());
        QCOMPARE(p->weightText(true, true), QString());
        QCOMPARE(p->bmiText(), QString());
    }
}

void TestPatientInfo::copyFromTakesEveryField()
{
    PatientInfo source;
    fillEveryField(source);
    PatientInfo copy;
    copy.copyFrom(source);

    QCOMPARE(copy.name(), source.name());
    QCOMPARE(copy.userId(), source.userId());
    QCOMPARE(copy.sex(), source.sex());
    QCOMPARE(copy.birthday(), source.birthday());
    QCOMPARE(copy.height(), source.height());
    QCOMPARE(copy.weight(), source.weight());
    QCOMPARE(copy.physician(), source.physician());
    QCOMPARE(copy.remarks(), source.remarks());
    QCOMPARE(copy.unit(), source.unit());
    QCOMPARE(copy.isEmpty(), source.isEmpty());
}

void TestPatientInfo::sexText_data()
{
    QTest::addColumn<int>("sex");
    QTest::addColumn<QString>("text");

    QTest::newRow("0 is male") << 0 << "Male";
    QTest::newRow("1 is female") << 1 << "Female";
    QTest::newRow("any other code is female") << 7 << "Female";
    QTest::newRow("negative code is female") << -1 << "Female";
}

void TestPatientInfo::sexText()
{
    QFETCH(int, sex);
    QFETCH(QString, text);

    PatientInfo p;
    p.setSex(sex);
    QCOMPARE(p.sexText(), text);
    QCOMPARE(PatientInfo::sexText(sex), text);
}

void TestPatientInfo::birthdayFromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");

    const QDate may12(1980, 5, 12);
    QTest::newRow("dashes") << "1980-05-12" << may12;
    QTest::newRow("slashes, the stored form") << "1980/05/12" << may12;
    QTest::newRow("digits only") << "19800512" << may12;
    QTest::newRow("dots are not separators") << "1980.05.12" << QDate();
    QTest::newRow("single-digit month") << "1980-5-12" << QDate();
    QTest::newRow("no such day") << "1980/02/30" << QDate();
    QTest::newRow("letters") << "1980/ab/12" << QDate();
    QTest::newRow("sign smuggled in") << "+1980/05/1" << QDate();
    QTest::newRow("surrounding space") << " 19800512" << QDate();
    QTest::newRow("empty") << "" << QDate();
}

void TestPatientInfo::birthdayFromText()
{
    QFETCH(QString, text);
    QFETCH(QDate, date);

    QCOMPARE(PatientInfo::birthdayFromText(text), date);
    PatientInfo p;
    p.setBirthdayText(text);
    QCOMPARE(p.birthday(), date);
}

void TestPatientInfo::birthdayTextIsTheStoredForm()
{
    PatientInfo p;
    p.setBirthday(QDate(1980, 5, 2));
    QCOMPARE(p.birthdayText(), QStringLiteral("1980/05/02"));
    QCOMPARE(PatientInfo::birthdayFromText(p.birthdayText()), p.birthday());
}
