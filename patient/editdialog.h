#pragma once

#include <QDialog>

#include <memory>

class PatientCompleter;
class PatientController;
class PatientInfo;
class QAbstractButton;
class UnitEntry;

namespace Ui {
class EditDialog;
}

// Enters or corrects the patient details of the recording open in the main
// window. Pre-filled from the recording's own patient, else from the default
// patient; saved through the controller only when the input passes its checks.
class EditDialog : public QDialog
{
    Q_OBJECT

public:
    // The controller holds the open recording and must outlive the dialog.
    explicit EditDialog(PatientController *controller, QWidget *parent = nullptr);
    ~EditDialog() override;

signals:
    // The details were saved; the report should repaint.
    void editFinish();

private slots:
    void selectPatient(const QModelIndex &index);
    void on_buttonBox_clicked(QAbstractButton *button);
    void onRemarkEditTextChanged();
    void on_comboBoxUnit_currentIndexChanged(int index);

private:
    void fill(const PatientInfo &patient, int unit);
    bool checkInput();
    bool save();
    void noteRemarkChange(int position, int removed, int added);

    std::unique_ptr<Ui::EditDialog> m_ui;
    PatientController *m_controller;
    UnitEntry *m_units;
    PatientCompleter *m_completer;
    int m_remarkChangeAt = 0;
    int m_remarkChangeAdded = 0;
    bool m_fittingRemarks = false;
};
