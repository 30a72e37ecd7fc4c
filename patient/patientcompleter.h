#pragma once

#include <QCompleter>

class PatientInfo;
class PatientSearchModel;

// Name completion over the people entered before. The popup shows name,
// gender and birthday; choosing a row looks that person up again by name
// and stored birthday.
class PatientCompleter : public QCompleter
{
    Q_OBJECT

public:
    // Filled from the record database at once.
    explicit PatientCompleter(QObject *parent = nullptr);

    // The person behind a row as activated() hands it over (an index of the
    // completion model); false when the database no longer has them.
    bool lookUp(const QModelIndex &completionIndex, PatientInfo &patient) const;

private:
    PatientSearchModel *m_model;
};
