#include "patientcompleter.h"

#include "patientinfo.h"
#include "patientsearchmodel.h"
#include "recorddatabase.h"

#include <QAbstractProxyModel>

PatientCompleter::PatientCompleter(QObject *parent)
    : QCompleter(parent)
    , m_model(new PatientSearchModel(this))
{
    m_model->setList(RecordDatabase::instance().searchPatientList());
    setModel(m_model);
    setCompletionColumn(PatientSearchModel::NameColumn);
    setCaseSensitivity(Qt::CaseInsensitive);
}

bool PatientCompleter::lookUp(const QModelIndex &completionIndex, PatientInfo &patient) const
{
    QModelIndex source = completionIndex;
    if (const auto *proxy = qobject_cast<const QAbstractProxyModel *>(completionIndex.model()))
        source = proxy->mapToSource(completionIndex);
    if (!source.isValid() || source.model() != m_model)
        return false;
    const QString name = source.siblingAtColumn(PatientSearchModel::NameColumn).data(Qt::EditRole).toString();
    const QString birthday = source.siblingAtColumn(PatientSearchModel::BirthdayColumn).data(Qt::EditRole).toString();
    PatientInfo found;
    if (!RecordDatabase::instance().searchPatient(name, birthday, found))
        return false;
    patient.copyFrom(found);
    return true;
}
