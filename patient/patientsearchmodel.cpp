#include "patientsearchmodel.h"

#include "patientinfo.h"

PatientSearchModel::PatientSearchModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void PatientSearchModel::setList(const PatientSearchList &list)
{
    beginResetModel();
    m_list = list;
    endResetModel();
}

int PatientSearchModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_list.size();
}

int PatientSearchModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PatientSearchModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.model() != this || index.row() >= m_list.size()
        || index.column() >= ColumnCount)
        return QVariant();
    const PatientSearchEntry &entry = m_list.at(index.row());
    if (role == Qt::DisplayRole)
        return QStringLiteral("%1 %2 %3").arg(entry.name, PatientInfo::sexText(entry.sex), entry.birthday);
    if (role != Qt::EditRole)
        return QVariant();
    if (index.column() == NameColumn)
        return entry.name;
    if (index.column() == BirthdayColumn)
        return entry.birthday;
    return QVariant();
}
