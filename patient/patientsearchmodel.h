#pragma once

#include "patientsearchentry.h"

#include <QAbstractTableModel>

// The people entered before, offered as name completion. Column 0 completes
// the name; column 1 carries the birthday exactly as stored, because name and
// birthday together look the person up again.
class PatientSearchModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { NameColumn = 0, BirthdayColumn = 1, ColumnCount = 3 };

    explicit PatientSearchModel(QObject *parent = nullptr);

    void setList(const PatientSearchList &list);
    const PatientSearchList &list() const { return m_list; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    PatientSearchList m_list;
};
