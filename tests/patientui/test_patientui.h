#pragma once

#include <QObject>
#include <QTemporaryDir>

class TestEditDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void checksRunInOrder_data();
    void checksRunInOrder();
    void opensFromTheRightPatient_data();
    void opensFromTheRightPatient();
    void unitSwitchConverts_data();
    void unitSwitchConverts();
    void imperialEntryIsStoredMetric();
    void untouchedMetricValuesKeepTheirDecimals_data();
    void untouchedMetricValuesKeepTheirDecimals();
    void completionFillsTheChosenPerson();
    void typedThirdLineBreakHasNoEffect();
    void pastedNoteIsTrimmed_data();
    void pastedNoteIsTrimmed();
    void failedSaveIsReportedAndChangesNothing();

private:
    QTemporaryDir *m_dir = nullptr;
};

class TestRemarksInputDialog : public QObject
{
    Q_OBJECT

private slots:
    void returnsTextOnlyWhenAccepted_data();
    void returnsTextOnlyWhenAccepted();
};
