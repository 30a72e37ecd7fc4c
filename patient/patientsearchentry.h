#pragma once

#include <QString>
#include <QVector>

// One person offered for completion: as the completion table stores it.
struct PatientSearchEntry
{
    QString name;
    int sex = 0;
    QString birthday;  // "yyyy/MM/dd" as stored
};

using PatientSearchList = QVector<PatientSearchEntry>;
