#include "test_patient.h"

#include "patientsearchmodel.h"

#include <QSignalSpy>
#include <QTest>

namespace {
PatientSearchList twoPeople()
{
    // The second birthday is kept exactly as a database might hold it:
    // looking the person up again needs the very same text.
    return {{QStringLiteral("Ann Lee"), 1, QStringLiteral("1980/05/12")},
            {QStringLiteral("Bo Chen"), 0, QStringLiteral("1975-11-03")}};
}
} // namespace

void TestPatientSearchModel::displayRoleJoinsNameSexAndBirthday()
{
    PatientSearchModel model;
    model.setList(twoPeople());

    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.columnCount(), 3);
    for (int column = 0; column < model.columnCount(); ++column) {
        QCOMPARE(model.index(0, column).data(Qt::DisplayRole).toString(), QStringLiteral("Ann Lee Female 1980/05/12"));
        QCOMPARE(model.index(1, column).data(Qt::DisplayRole).toString(), QStringLiteral("Bo Chen Male 1975-11-03"));
    }
}

void TestPatientSearchModel::editRoleCompletesNameAndStoredBirthday_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("role");
    QTest::addColumn<QVariant>("value");

    QTest::newRow("column 0 is the name") << 1 << 0 << int(Qt::EditRole) << QVariant(QStringLiteral("Bo Chen"));
    QTest::newRow("column 1 is the stored birthday")
        << 1 << 1 << int(Qt::EditRole) << QVariant(QStringLiteral("1975-11-03"));
    QTest::newRow("column 2 has no edit value") << 1 << 2 << int(Qt::EditRole) << QVariant();
    QTest::newRow("tool tip has no value") << 0 << 0 << int(Qt::ToolTipRole) << QVariant();
    QTest::newRow("user role has no value") << 0 << 1 << int(Qt::UserRole) << QVariant();
}

void TestPatientSearchModel::editRoleCompletesNameAndStoredBirthday()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, role);
    QFETCH(QVariant, value);

    PatientSearchModel model;
    model.setList(twoPeople());
    QCOMPARE(model.index(row, column).data(role), value);
}

void TestPatientSearchModel::outsideTheListGivesNoValue()
{
    PatientSearchModel model;
    model.setList(twoPeople());

    QVERIFY(!model.data(QModelIndex(), Qt::DisplayRole).isValid());
    QVERIFY(!model.data(model.index(2, 0), Qt::DisplayRole).isValid());
    QCOMPARE(model.rowCount(model.index(0, 0)), 0);
    QCOMPARE(model.columnCount(model.index(0, 0)), 0);

    PatientSearchModel other;
    other.setList({{QStringLiteral("Cy"), 0, QStringLiteral("1990/01/01")}});
    // An index of another model must not be read as a row of this one.
    QVERIFY(!model.data(other.index(0, 0), Qt::DisplayRole).isValid());
}

void TestPatientSearchModel::setListReplacesTheRows()
{
    PatientSearchModel model;
    model.setList(twoPeople());
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);

    model.setList({{QStringLiteral("Cy Park"), 0, QStringLiteral("1990/01/01")}});

    QCOMPARE(reset.count(), 1);
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.index(0, 0).data(Qt::EditRole).toString(), QStringLiteral("Cy Park"));
    model.setList({});
    QCOMPARE(model.rowCount(), 0);
}
