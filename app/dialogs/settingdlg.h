#pragma once

#include "datadiraccess.h"

#include <QDialog>
#include <QDir>

#include <memory>

class MoveFileThread;
class PatientCompleter;
class PatientInfo;
class QTimer;
class UnitEntry;

namespace Ui {
class SettingDlg;
}

// "Options": the default patient, language, chart ranges and the data
// location. A new location moves every recording and the database there
// before the dialog closes; meanwhile it cannot be closed.
class SettingDlg : public QDialog
{
    Q_OBJECT

public:
    explicit SettingDlg(QWidget *parent = nullptr);
    ~SettingDlg() override;

    bool isMoving() const { return m_moving; }

signals:
    // The settings are stored (and any data moved): show the recording again.
    void endSetting();
    // The default patient's details or unit may have changed.
    void unitTypeChange();

private slots:
    void on_buttonBox_accepted();
    void on_btnDataDir_clicked();
    void on_buttonBox_rejected();
    void onTimeOut();
    void moveFinish();
    void on_comboBoxUnit_currentIndexChanged(int index);
    void selectPatient(const QModelIndex &index);

protected:
    void closeEvent(QCloseEvent *event) override;

public slots:
    void reject() override;

private:
    void fillPatient(const PatientInfo &patient);
    bool checkInput();
    void storeSettings();
    void changeDataDir();
    void startMove(const QString &from, const QString &to);
    void finish();

    std::unique_ptr<Ui::SettingDlg> m_ui;
    bool m_moving = false;
    int m_entryCount = 0;   // files in the old directory: the progress bar's end
    QDir m_newDir;
    QTimer *m_timer;

    DataDirAccess::PermissionScope m_permissions;
    UnitEntry *m_units;
    PatientCompleter *m_completer;
    MoveFileThread *m_mover = nullptr;
    QString m_oldDir;
    int m_filesAlreadyThere = 0;
};
