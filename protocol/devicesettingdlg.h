#pragma once

#include <QDialog>
#include <QStringList>

#include "configblocks.h"
#include "deviceinfo.h"
#include "settingsgroup.h"

class DeviceController;
class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QSpinBox;
class QTimer;

namespace Ui {
class DeviceSettingDlg;
}

// The connected recorder's own settings, its clock and its factory reset.
// Opened only after a ping and a settings read succeeded; every device call
// is synchronous on the GUI thread, so a busy flag keeps the dialog open
// while one runs.
class DeviceSettingDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int hintMs = 5000;

    DeviceSettingDlg(DeviceController *controller, QWidget *parent = nullptr);
    ~DeviceSettingDlg() override;

    SettingsGroup group() const { return m_group; }
    bool isBusy() const { return m_busy; }

public slots:
    void on_buttonBox_accepted();
    void on_buttonBox_rejected();
    void timeout_handle();
    void on_btnSyncTime_clicked();
    void on_btnFactory_clicked();
    void on_spinBoxThreshold_valueChanged(int value);
    void on_radioBtnSpO2On_clicked();
    void on_radioBtnSpO2Off_clicked();
    void on_radioBtnHROn_clicked();
    void on_radioBtnHROff_clicked();
    void on_cbBoxMode_currentIndexChanged(int index);
    void onBtnGrpSpO2SoundToggle(QAbstractButton *button, bool checked);
    void onBtnGrpHRSoundToggle(QAbstractButton *button, bool checked);
    void onBtnGrpHRNoValueToggle(QAbstractButton *button, bool checked);
    void onSpinBoxWithStepValueChanged(int value);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void fill();
    void fillHeader();
    void fillBlockA();
    void fillBlockB();
    void fillLegacy();
    void fillLegacyGroup();
    void hideLegacyControls();
    void fillBaby();
    void setPicture(const QString &resource);
    BlockASettings blockAFromControls() const;
    BlockBSettings blockBFromControls() const;
    QString legacyChangeText() const;
    bool saveChanges(const QVector<ParamChange> &changes);
    void showHint(const QString &text);
    void setBusy(bool busy);
    void updateSpO2Controls();
    void updatePulseControls();
    QString wakeUpHint() const;
    QString param(int index) const { return m_params.value(index); }
    int paramNumber(int index) const { return m_params.value(index).toInt(); }

    static void setRadios(QAbstractButton *on, QAbstractButton *off, bool isOn);
    static void setSpin(QSpinBox *box, int minimum, int maximum, int step);
    static void selectByData(QComboBox *box, int value);
    static int motorIndex(int value);

    Ui::DeviceSettingDlg *ui;
    DeviceController *m_controller;
    ConstDeviceInfoPtr m_info;
    QString m_snAtOpen;
    QString m_code;
    QStringList m_params;
    bool m_busy = false;
    QTimer *m_hintTimer;
    SettingsGroup m_group = SettingsGroup::OtherLegacy;
    BlockASettings m_blockAAtOpen;
    BlockBSettings m_blockBAtOpen;
    QButtonGroup *m_spo2Sound;
    QButtonGroup *m_hrSound;
    QButtonGroup *m_noValue;
};
