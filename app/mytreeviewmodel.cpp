#include "mytreeviewmodel.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QMap>

#include "appconfig.h"
#include "branchcodes.h"
#include "datadirectory.h"
#include "recorddatabase.h"

namespace {

const QString checkTimeFormat = QStringLiteral("yyyyMMddhhmmss");

QStandardItem *newItem(int nodeType)
{
    auto *item = new QStandardItem;
    item->setEditable(false);
    item->setSizeHint(QSize(24, 24));
    item->setData(nodeType, MyTreeViewModel::NodeTypeRole);
    return item;
}

int nodeType(const QStandardItem *item)
{
    return item->data(MyTreeViewModel::NodeTypeRole).toInt();
}

bool isMarkedForRemoval(const QStandardItem *item)
{
    return item->data(MyTreeViewModel::RemovalRole).toBool();
}

QString withCount(const QString &text, int count)
{
    return text + QStringLiteral(" [") + QString::number(count) + QLatin1Char(']');
}

} // namespace

QColor MyTreeViewModel::newRecordColour()
{
    return QColor(120, 220, 220);
}

MyTreeViewModel::MyTreeViewModel(QObject *parent)
    : QStandardItemModel(parent)
{
}

QLocale MyTreeViewModel::dateLocale() const
{
    return AppConfig::instance().language() == AppConfig::Chinese ? QLocale(QLocale::Chinese, QLocale::China)
                                                                    : QLocale(QLocale::English);
}

QString MyTreeViewModel::deviceText(const QString &modelName, const QString &sn)
{
    return modelName.isEmpty() ? sn : modelName + QStringLiteral(" - ") + sn;
}

QString MyTreeViewModel::monthText(const QString &monthKey) const
{
    const QDate month = QDate::fromString(monthKey + QStringLiteral("01"), QStringLiteral("yyyyMMdd"));
    return dateLocale().toString(month, tr("MMM-yyyy"));
}

QString MyTreeViewModel::recordText(const QString &checkTime, const QString &remark) const
{
    const QDateTime time = QDateTime::fromString(checkTime, checkTimeFormat);
    QString text = dateLocale().toString(time, tr("hh:mm-dd-MMM"));
    if (!remark.isEmpty())
        text += QLatin1Char('(') + remark + QLatin1Char(')');
    return text;
}

void MyTreeViewModel::refresh(bool markNew)
{
    sweep();
    RecordDatabase &db = RecordDatabase::instance();
    for (const QString &sn : db.deviceSerialList()) {
        const QStringList checkTimes = db.recordList(sn);
        if (!checkTimes.isEmpty())
            addDevice(sn, checkTimes, markNew);
    }
}

void MyTreeViewModel::sweep()
{
    for (int d = rowCount() - 1; d >= 0; --d) {
        QStandardItem *device = item(d);
        if (isMarkedForRemoval(device)) {
            removeRow(d);
            continue;
        }
        for (int m = device->rowCount() - 1; m >= 0; --m) {
            QStandardItem *month = device->child(m);
            if (!isMarkedForRemoval(month)) {
                for (int r = month->rowCount() - 1; r >= 0; --r) {
                    if (isMarkedForRemoval(month->child(r)))
                        month->removeRow(r);
                }
            }
            if (isMarkedForRemoval(month) || month->rowCount() == 0)
                device->removeRow(m);
        }
        if (device->rowCount() == 0) {
            RecordDatabase::instance().deleteDevice(device->data(SerialRole).toString());
            removeRow(d);
        }
    }
}

QStandardItem *MyTreeViewModel::deviceItem(const QString &key) const
{
    for (int d = 0; d < rowCount(); ++d) {
        if (item(d)->data(DeviceKeyRole).toString() == key)
            return item(d);
    }
    return nullptr;
}

void MyTreeViewModel::addDevice(const QString &sn, const QStringList &checkTimes, bool markNew)
{
    const DeviceInfoPtr info = RecordDatabase::instance().device(sn);
    const QString branch = info ? info->branchCode() : QString();
    const QString key = deviceText(BranchCodes::modelName(branch), sn);

    QStandardItem *device = deviceItem(key);
    if (!device) {
        device = newItem(DeviceNode);
        device->setData(sn, SerialRole);
        device->setData(branch, BranchRole);
        device->setData(key, DeviceKeyRole);
        insertRow(0, device);
    }
    device->setText(withCount(key, checkTimes.size()));

    // Check times are fixed-width, so grouping and ordering by text is chronological.
    QMap<QString, QStringList> byMonth;
    for (const QString &time : checkTimes)
        byMonth[time.left(6)].append(time);
    // One query for every remark of the recorder: a refresh runs after each
    // downloaded night, and a recorder may hold years of them.
    const QHash<QString, QString> remarks = RecordDatabase::instance().recordRemarks(sn);
    for (auto it = byMonth.cbegin(); it != byMonth.cend(); ++it) {
        QStandardItem *month = monthItem(device, it.key(), true);
        month->setText(withCount(monthText(it.key()), it.value().size()));
        for (const QString &time : it.value())
            addRecord(month, sn, branch, time, remarks.value(time), markNew);
    }
}

QStandardItem *MyTreeViewModel::monthItem(QStandardItem *device, const QString &monthKey, bool create)
{
    int row = 0;
    for (; row < device->rowCount(); ++row) {
        const QString key = device->child(row)->data(MonthRole).toString();
        if (key == monthKey)
            return device->child(row);
        if (key < monthKey)
            break;
    }
    if (!create)
        return nullptr;
    QStandardItem *month = newItem(MonthNode);
    month->setData(monthKey, MonthRole);
    device->insertRow(row, month);
    return month;
}

void MyTreeViewModel::addRecord(QStandardItem *month, const QString &sn, const QString &branch,
                                const QString &checkTime, const QString &remark, bool markNew)
{
    int row = 0;
    for (; row < month->rowCount(); ++row) {
        QStandardItem *existing = month->child(row);
        const QString time = existing->data(CheckTimeRole).toString();
        if (time == checkTime) {
            existing->setData(remark, RemarkRole);
            existing->setText(recordText(checkTime, remark));
            return;
        }
        if (time < checkTime)
            break;
    }
    QStandardItem *record = newItem(RecordNode);
    record->setData(sn, SerialRole);
    record->setData(branch, BranchRole);
    record->setData(checkTime, CheckTimeRole);
    record->setData(remark, RemarkRole);
    record->setText(recordText(checkTime, remark));
    if (markNew)
        record->setBackground(QBrush(newRecordColour(), Qt::SolidPattern));
    month->insertRow(row, record);
}

QModelIndex MyTreeViewModel::find(const QString &sn, const QString &checkTime) const
{
    for (int d = 0; d < rowCount(); ++d) {
        const QStandardItem *device = item(d);
        if (device->data(SerialRole).toString() != sn)
            continue;
        for (int m = 0; m < device->rowCount(); ++m) {
            const QStandardItem *month = device->child(m);
            for (int r = 0; r < month->rowCount(); ++r) {
                if (month->child(r)->data(CheckTimeRole).toString() == checkTime)
                    return month->child(r)->index();
            }
        }
    }
    return {};
}

void MyTreeViewModel::removeItems(const QModelIndexList &indexes)
{
    RecordDatabase &db = RecordDatabase::instance();
    const DataDirectory layout(AppConfig::instance().dataDir());
    for (const QModelIndex &index : indexes) {
        QStandardItem *it = itemFromIndex(index);
        if (!it)
            continue;
        it->setData(true, RemovalRole);
        const QString sn = it->data(SerialRole).toString();
        switch (nodeType(it)) {
        case DeviceNode: {
            db.deleteRecord(sn, QString());
            db.deleteDevice(sn);
            if (const auto dir = layout.deviceDir(sn))
                QDir(*dir).removeRecursively();
            break;
        }
        case MonthNode: {
            const QString deviceSn = it->parent()->data(SerialRole).toString();
            const QString monthKey = it->data(MonthRole).toString();
            for (const QString &time : db.recordList(deviceSn)) {
                if (!time.startsWith(monthKey))
                    continue;
                db.deleteRecord(deviceSn, time);
                if (const auto path = layout.recordPath(deviceSn, time))
                    QFile::remove(*path);
            }
            break;
        }
        case RecordNode: {
            const QString time = it->data(CheckTimeRole).toString();
            db.deleteRecord(sn, time);
            if (const auto path = layout.recordPath(sn, time))
                QFile::remove(*path);
            break;
        }
        }
    }
    refresh(false);
}

bool MyTreeViewModel::setRemark(const QModelIndex &recording, const QString &remark)
{
    QStandardItem *it = itemFromIndex(recording);
    if (!it || nodeType(it) != RecordNode)
        return false;
    // Only the remark changes: the summary and the cloud ids of the night stay.
    const bool stored = RecordDatabase::instance().setRecordRemarks(
        it->data(SerialRole).toString() + it->data(CheckTimeRole).toString(), remark);
    refresh(false);
    return stored;
}
