#pragma once

#include <QModelIndexList>
#include <QStandardItemModel>

class QStandardItem;

// The stored recordings by recorder and month, rebuilt from the record
// database. Items are never edited in place; a refresh adds what is new and
// sweeps what was marked for removal.
class MyTreeViewModel : public QStandardItemModel
{
    Q_OBJECT

public:
    enum NodeType { DeviceNode = 0, MonthNode = 1, RecordNode = 2 };
    enum Role {
        NodeTypeRole = Qt::UserRole + 1,
        SerialRole = Qt::UserRole + 2,
        MonthRole = Qt::UserRole + 3,
        CheckTimeRole = Qt::UserRole + 4,
        RemarkRole = Qt::UserRole + 5,
        RemovalRole = Qt::UserRole + 6,
        BranchRole = Qt::UserRole + 7,
        DeviceKeyRole = Qt::UserRole + 8,
    };

    // The background of a recording that a refresh with marking added.
    static QColor newRecordColour();

    explicit MyTreeViewModel(QObject *parent = nullptr);

    void refresh(bool markNew);
    QModelIndex find(const QString &sn, const QString &checkTime) const;
    // Removes what the indexes name from disk, database and tree.
    void removeItems(const QModelIndexList &indexes);
    // Stores a new remark for one recording and shows it.
    bool setRemark(const QModelIndex &recording, const QString &remark);

    static QString deviceText(const QString &modelName, const QString &sn);
    QString monthText(const QString &monthKey) const;
    QString recordText(const QString &checkTime, const QString &remark) const;

private:
    void sweep();
    void addDevice(const QString &sn, const QStringList &checkTimes, bool markNew);
    QStandardItem *deviceItem(const QString &key) const;
    QStandardItem *monthItem(QStandardItem *device, const QString &monthKey, bool create);
    void addRecord(QStandardItem *month, const QString &sn, const QString &branch, const QString &checkTime,
                   const QString &remark, bool markNew);
    QLocale dateLocale() const;
};
