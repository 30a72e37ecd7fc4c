#include <QMenu>
#include <QTest>

#include "fixture.h"
#include "messagebox.h"
#include "mytreeview.h"
#include "mytreeviewmodel.h"
#include "test_mainwindow.h"

namespace {

QStringList rowTexts(const QStandardItem *parent)
{
    QStringList texts;
    for (int r = 0; r < parent->rowCount(); ++r)
        texts << parent->child(r)->text();
    return texts;
}

QStringList topTexts(const MyTreeViewModel &model)
{
    return rowTexts(model.invisibleRootItem());
}

} // namespace

void TestRecordTree::ordersAndCounts()
{
    DataFixture data;
    data.addDevice("RING1", "22010100");
    data.addDevice("WRIST2", "2D010001");
    QVERIFY(data.addNight("RING1", "20260301223000"));
    QVERIFY(data.addNight("WRIST2", "20260214230000"));
    QVERIFY(data.addNight("WRIST2", "20260315221500"));
    QVERIFY(data.addNight("WRIST2", "20260302224500"));
    QVERIFY(data.addNight("WRIST2", "20260310010203"));
    RecordDatabase::instance().setRecordRemarks("WRIST220260310010203", "snoring");

    MyTreeViewModel model;
    model.refresh(false);
    // Each recorder new to the tree goes on top, visited newest row first.
    QCOMPARE(topTexts(model), QStringList({"Pelsin O2 Ultra - RING1 [1]", "Tarnel S - WRIST2 [4]"}));
    const QStandardItem *wrist = model.item(1);
    QCOMPARE(rowTexts(wrist), QStringList({"Mar-2026 [3]", "Feb-2026 [1]"}));
    QCOMPARE(rowTexts(wrist->child(0)), QStringList({"22:15-15-Mar", "01:02-10-Mar(snoring)", "22:45-02-Mar"}));
    QCOMPARE(wrist->child(0)->child(1)->data(MyTreeViewModel::RemarkRole).toString(), QString("snoring"));
    QCOMPARE(wrist->data(MyTreeViewModel::NodeTypeRole).toInt(), int(MyTreeViewModel::DeviceNode));
    QCOMPARE(wrist->data(MyTreeViewModel::BranchRole).toString(), QString("2D010001"));

    const QModelIndex found = model.find("WRIST2", "20260302224500");
    QCOMPARE(found.data().toString(), QString("22:45-02-Mar"));
    QVERIFY(!model.find("RING1", "20260302224500").isValid());

    // A second refresh changes nothing.
    model.refresh(false);
    QCOMPARE(topTexts(model).size(), 2);
    QCOMPARE(rowTexts(model.item(1)->child(0)).size(), 3);
}

void TestRecordTree::marksOnlyNewRecordings()
{
    DataFixture data;
    data.addDevice("WRIST2", "2D010001");
    QVERIFY(data.addNight("WRIST2", "20260301223000"));
    MyTreeViewModel model;
    model.refresh(false);
    QVERIFY(data.addNight("WRIST2", "20260302223000"));
    QVERIFY(data.addNight("WRIST2", "20260402223000"));
    model.refresh(true);

    const QColor mark = MyTreeViewModel::newRecordColour();
    auto isMarked = [&](const QString &t) {
        return model.itemFromIndex(model.find("WRIST2", t))->background().color() == mark;
    };
    QVERIFY(isMarked("20260302223000"));
    QVERIFY(isMarked("20260402223000"));
    QVERIFY(!isMarked("20260301223000"));
    QCOMPARE(rowTexts(model.item(0)), QStringList({"Apr-2026 [1]", "Mar-2026 [2]"}));
}

void TestRecordTree::removalSweepsEmptiedMonthAndRecorder()
{
    DataFixture data;
    data.addDevice("WRIST2", "2D010001");
    QVERIFY(data.addNight("WRIST2", "20260301223000"));
    QVERIFY(data.addNight("WRIST2", "20260402223000"));
    MyTreeViewModel model;
    model.refresh(false);

    model.removeItems({model.find("WRIST2", "20260402223000")});
    QCOMPARE(rowTexts(model.item(0)), QStringList({"Mar-2026 [1]"}));
    QVERIFY(!QFile::exists(data.path() + "/WRIST2/20260402223000"));
    QVERIFY(QFile::exists(data.path() + "/WRIST2/20260301223000"));

    // The last night of the last month: the recorder and its row go as well.
    model.removeItems({model.find("WRIST2", "20260301223000")});
    QCOMPARE(model.rowCount(), 0);
    QVERIFY(!RecordDatabase::instance().device("WRIST2"));
    // Deleted nights stay deleted when the recorder offers them again.
    QVERIFY(!data.addNight("WRIST2", "20260301223000"));
}

void TestRecordTree::removingARecorderTakesItsFolder()
{
    DataFixture data;
    data.addDevice("RING1", "22010100");
    data.addDevice("WRIST2", "2D010001");
    QVERIFY(data.addNight("RING1", "20260301223000"));
    QVERIFY(data.addNight("WRIST2", "20260301223000"));
    MyTreeViewModel model;
    model.refresh(false);
    const QModelIndex ring = model.index(0, 0);
    QCOMPARE(ring.data(MyTreeViewModel::SerialRole).toString(), QString("RING1"));
    model.removeItems({ring});
    QCOMPARE(topTexts(model), QStringList({"Tarnel S - WRIST2 [1]"}));
    QVERIFY(!QFileInfo::exists(data.path() + "/RING1"));
    QVERIFY(RecordDatabase::instance().recordList("RING1").isEmpty());
    QCOMPARE(RecordDatabase::instance().recordList("WRIST2").size(), 1);

    // A month goes with its nights only.
    QVERIFY(data.addNight("WRIST2", "20260401223000"));
    model.refresh(false);
    model.removeItems({model.index(1, 0, model.index(0, 0))});
    QCOMPARE(RecordDatabase::instance().recordList("WRIST2"), QStringList({"20260401223000"}));
}

void TestRecordTree::markOfferedForOneRecordingOnly()
{
    DataFixture data;
    data.addDevice("WRIST2", "2D010001");
    QVERIFY(data.addNight("WRIST2", "20260301223000"));
    QVERIFY(data.addNight("WRIST2", "20260302223000"));
    MyTreeView view;
    MyTreeViewModel model;
    view.setModel(&model);
    model.refresh(false);
    const QModelIndex one = model.find("WRIST2", "20260301223000");
    const QModelIndex two = model.find("WRIST2", "20260302223000");
    auto actions = [&](const QModelIndex &at) {
        QStringList names;
        if (QMenu *menu = view.contextMenuFor(at))
            for (QAction *a : menu->actions())
                names << a->text();
        return names;
    };

    view.selectionModel()->select(one, QItemSelectionModel::ClearAndSelect);
    QCOMPARE(actions(one), QStringList({"Remove", "Mark"}));
    view.selectionModel()->select(two, QItemSelectionModel::Select);
    QCOMPARE(actions(one), QStringList({"Remove"}));
    view.selectionModel()->select(one.parent(), QItemSelectionModel::ClearAndSelect);
    QCOMPARE(actions(one.parent()), QStringList({"Remove"}));
    QCOMPARE(actions(one.parent().parent()), QStringList({"Remove"}));
    QVERIFY(!view.contextMenuFor(QModelIndex()));
}

void TestRecordTree::remarkKeepsTheRestOfTheRow()
{
    DataFixture data;
    data.addDevice("WRIST2", "2D010001");
    QVERIFY(data.addNight("WRIST2", "20260301223000"));
    RecordDatabase::instance().setRecordCloudId("9001", "WRIST220260301223000");
    MyTreeViewModel model;
    model.refresh(false);
    QVERIFY(model.setRemark(model.find("WRIST2", "20260301223000"), "after wine"));
    QCOMPARE(model.find("WRIST2", "20260301223000").data().toString(), QString("22:30-01-Mar(after wine)"));
    const CheckInfo row = RecordDatabase::instance().allRecords().value("WRIST2").value(0);
    QCOMPARE(row.remarks, QString("after wine"));
    QCOMPARE(row.resourceID, QString("9001"));
    QCOMPARE(row.drops3, 3);
}
