#include "devicesettingdlg.h"
#include "ui_devicesettingdlg.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QTimer>

#include <array>

#include "branchcodes.h"
#include "devicecontroller.h"
#include "legacychangetext.h"
#include "messagebox.h"
#include "protocollog.h"

namespace {

// Volume models step through these motor values instead of 20..100.
constexpr std::array<int, 5> motorTable{5, 10, 17, 22, 35};

enum Param { CurOxiThr = 0, OxiSwitch, CurMotor, LightingMode, HRSwitch, HRLowThr, HRHighThr, LightStr, CurBuzzer,
             MtSW = 10, IvSW = 12, IvThr = 13 };

int intensityIndexOf(int curMotor)
{
    // Integer division toward zero: a motor value of 0 still shows the first step.
    return qBound(0, (curMotor - 1) / 20, 4);
}

bool isOnText(const QString &value)
{
    return value != QLatin1String("0");
}

} // namespace

DeviceSettingDlg::DeviceSettingDlg(DeviceController *controller, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::DeviceSettingDlg)
    , m_controller(controller)
    , m_hintTimer(new QTimer(this))
    , m_spo2Sound(new QButtonGroup(this))
    , m_hrSound(new QButtonGroup(this))
    , m_noValue(new QButtonGroup(this))
{
    ui->setupUi(this);
    setWindowTitle(tr("Configure"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    QFile sheet(QStringLiteral(":/qss/devicesettingdlg.qss"));
    if (sheet.open(QIODevice::ReadOnly))
        setStyleSheet(QString::fromUtf8(sheet.readAll()));
    ui->buttonBox->button(QDialogButtonBox::Save)->setText(tr("Save"));
    ui->buttonBox->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));

    m_spo2Sound->addButton(ui->rdoSpO2SoundOn);
    m_spo2Sound->addButton(ui->rdoSpO2SoundOff);
    m_hrSound->addButton(ui->rdoHRSoundOn);
    m_hrSound->addButton(ui->rdoHRSoundOff);
    m_noValue->addButton(ui->rdoNoValueHintOn);
    m_noValue->addButton(ui->rdoNoValueHintOff);
    connect(m_spo2Sound, qOverload<QAbstractButton *, bool>(&QButtonGroup::buttonToggled), this,
            &DeviceSettingDlg::onBtnGrpSpO2SoundToggle);
    connect(m_hrSound, qOverload<QAbstractButton *, bool>(&QButtonGroup::buttonToggled), this,
            &DeviceSettingDlg::onBtnGrpHRSoundToggle);
    connect(m_noValue, qOverload<QAbstractButton *, bool>(&QButtonGroup::buttonToggled), this,
            &DeviceSettingDlg::onBtnGrpHRNoValueToggle);
    for (QSpinBox *box : {ui->spinBoxUpThreshold, ui->spinBoxLowThreshold, ui->spinBoxThreshold})
        connect(box, qOverload<int>(&QSpinBox::valueChanged), this, &DeviceSettingDlg::onSpinBoxWithStepValueChanged);
    connect(m_hintTimer, &QTimer::timeout, this, &DeviceSettingDlg::timeout_handle);

    ui->cbBoxIntensity->setCurrentIndex(2);
    ui->spinBoxThreshold->setRange(80, 95);
    ui->spinBoxThreshold->setValue(90);
    // Models that name no pulse-rate ranges keep these.
    setSpin(ui->spinBoxUpThreshold, 70, 200, 5);
    setSpin(ui->spinBoxLowThreshold, 30, 70, 5);
    ui->labelSpO2Hint->clear();
    ui->labelSettingHint->clear();
    fill();
}

void DeviceSettingDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Only now are the widths final: a wrapped hint gets the height its text
    // needs at its width, which the layout alone squeezes to one line.
    for (QLabel *label : findChildren<QLabel *>()) {
        if (label->wordWrap() && label->isVisibleTo(this))
            label->setMinimumHeight(label->heightForWidth(label->width()));
    }
    resize(width(), sizeHint().height());
}

DeviceSettingDlg::~DeviceSettingDlg()
{
    delete ui;
}

void DeviceSettingDlg::setRadios(QAbstractButton *on, QAbstractButton *off, bool isOn)
{
    on->setChecked(isOn);
    off->setChecked(!isOn);
}

void DeviceSettingDlg::setSpin(QSpinBox *box, int minimum, int maximum, int step)
{
    box->setRange(minimum, maximum);
    box->setSingleStep(step);
}

void DeviceSettingDlg::selectByData(QComboBox *box, int value)
{
    const int index = box->findData(value);
    if (index < 0)
        qCWarning(lcProtocol) << "[ERR] cmb idx" << box->objectName() << value;
    box->setCurrentIndex(index);
}

int DeviceSettingDlg::motorIndex(int value)
{
    for (int i = 0; i < int(motorTable.size()); ++i) {
        if (motorTable[i] == value)
            return i;
    }
    return -1;
}

void DeviceSettingDlg::setPicture(const QString &resource)
{
    const QPixmap picture(resource);
    if (picture.isNull()) {
        ui->labelImage->clear();
        return;
    }
    ui->labelImage->setPixmap(picture.scaled(ui->labelImage->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void DeviceSettingDlg::fill()
{
    fillHeader();
    ui->widCalcAvgTime->hide();
    switch (m_group) {
    case SettingsGroup::BlockA:
        fillBlockA();
        break;
    case SettingsGroup::BlockB:
        fillBlockB();
        break;
    default:
        fillLegacy();
        break;
    }
    on_spinBoxThreshold_valueChanged(ui->spinBoxThreshold->value());
}

void DeviceSettingDlg::fillHeader()
{
    m_info = m_controller->deviceInfo();
    m_code = m_info->branchCode();
    m_snAtOpen = m_info->serialNumber();
    m_group = SettingsGroups::groupOf(m_code);
    ui->labelDevName->setText(BranchCodes::modelName(m_code));
    ui->labelSN->setText(tr("SN:") + m_info->serialNumber());
    ui->labelSoftware->setText(tr("Software Version: V") + m_info->softwareVersion());
}

void DeviceSettingDlg::fillBlockA()
{
    setPicture(QStringLiteral(":/images/tarnels.png"));
    ui->widCalcAvgTime->show();
    for (QWidget *w : {static_cast<QWidget *>(ui->grpBoxReminder), ui->widSpO2Sound, ui->widHRSound,
                       static_cast<QWidget *>(ui->grpNoValue), static_cast<QWidget *>(ui->grpMoving), ui->widDevVolume})
        w->hide();
    const BlockASettings a = BlockASettings::fromBlock(m_controller->configBlockA());
    ui->cbBoxIntensity->setCurrentIndex(qBound(0, a.intensity / 20 - 1, 4));
    setRadios(ui->radioBtnSpO2On, ui->radioBtnSpO2Off, a.spo2On);
    setSpin(ui->spinBoxThreshold, 80, 95, 1);
    ui->spinBoxThreshold->setValue(a.spo2Threshold);
    setRadios(ui->radioBtnHROn, ui->radioBtnHROff, a.pulseOn);
    setSpin(ui->spinBoxUpThreshold, 70, 200, 5);
    ui->spinBoxUpThreshold->setValue(a.pulseHigh);
    setSpin(ui->spinBoxLowThreshold, 30, 70, 5);
    ui->spinBoxLowThreshold->setValue(a.pulseLow);
    ui->cbBoxMode->setCurrentIndex(a.screenMode == 0 ? 0 : a.screenMode == 2 ? 1 : -1);
    ui->cbBoxBrightness->setCurrentIndex(a.brightness < ui->cbBoxBrightness->count() ? a.brightness : -1);
    ui->cmbCalcAvgTime->clear();
    ui->cmbCalcAvgTime->addItem(QStringLiteral("1s"), 1);
    ui->cmbCalcAvgTime->addItem(QStringLiteral("4s"), 4);
    ui->cmbCalcAvgTime->setCurrentIndex(qMax(0, ui->cmbCalcAvgTime->findData(a.averagingTime)));
    ui->lblCalcAvgTimeHint->setText(tr("t_calc_avg_time_hint"));
    updateSpO2Controls();
    updatePulseControls();
    // Compared with what the controls showed, not with the raw block: an
    // intensity byte of 0 shows "Very weak" and must not be written back
    // as 20 when the user changed nothing.
    m_blockAAtOpen = blockAFromControls();
}

void DeviceSettingDlg::fillBlockB()
{
    setPicture(QStringLiteral(":/TR502nd"));
    for (QWidget *w : {static_cast<QWidget *>(ui->gBoxVibration), ui->widSpO2VSwitch, ui->widSpO2Sound,
                       ui->widPrVSwitch, ui->widHRSound, static_cast<QWidget *>(ui->grpNoValue),
                       static_cast<QWidget *>(ui->grpMoving), ui->widDevVolume, ui->widScreenMode,
                       ui->widScreenBrightness})
        w->hide();
    const BlockBSettings b = BlockBSettings::fromBlock(m_controller->configBlockB());
    setRadios(ui->rdoReminderOn, ui->rdoReminderOff, b.reminderOn);
    setSpin(ui->spinBoxThreshold, 85, 99, 1);
    ui->spinBoxThreshold->setValue(b.spo2Threshold);
    setSpin(ui->spinBoxUpThreshold, 100, 240, 5);
    ui->spinBoxUpThreshold->setValue(b.pulseHigh);
    setSpin(ui->spinBoxLowThreshold, 30, 60, 5);
    ui->spinBoxLowThreshold->setValue(b.pulseLow);
    m_blockBAtOpen = blockBFromControls();
}

QString DeviceSettingDlg::wakeUpHint() const
{
    if (m_group == SettingsGroup::ScreenKey)
        return tr("Press the key briefly to wake up the screen in standard mode when the device is at rest");
    return tr("You can wake up screen by touching the key on the device top when it's off.");
}

void DeviceSettingDlg::fillLegacy()
{
    m_params = m_controller->paramStrings();
    ui->grpBoxReminder->hide();
    ui->grpNoValue->hide();
    ui->grpMoving->hide();
    ui->labelDeviceHint->setText(wakeUpHint());

    const int p = BranchCodes::prefixNumber(m_code).value_or(0);
    QString picture;
    if (m_group == SettingsGroup::ScreenKey || p == 2101)
        picture = QStringLiteral(":/PelsinO2");
    else if (p == 2107)
        picture = QStringLiteral(":/Dorvik");
    else if (m_code == QLatin1String("22010100"))
        picture = QStringLiteral("://images/pelsin_o2_ultra.png");
    else if (p >= 2301 && p <= 2303)
        picture = QStringLiteral(":/Somrel");
    else if (p == 2401 || p == 5001)
        picture = QStringLiteral(":/Tarnel");
    else if (p == 2501)
        picture = QStringLiteral(":/Wenlo");
    else if (p == 2601)
        picture = QStringLiteral(":/Kivra");
    else if (p == 2701 || p == 2703 || p == 2704)
        picture = QStringLiteral(":/Bebrin");
    else if (p == 2801)
        picture = QStringLiteral(":/Travin");
    else if (p == 2901)
        picture = QStringLiteral(":/Fenmo");
    setPicture(picture);
    setSpin(ui->spinBoxThreshold, 80, 95, 1);

    hideLegacyControls();
    setRadios(ui->radioBtnHROn, ui->radioBtnHROff, param(HRSwitch) == QLatin1String("1"));
    ui->cbBoxMode->setCurrentIndex(paramNumber(LightingMode) > 0 ? 1 : 0);
    ui->cbBoxBrightness->setCurrentIndex(param(LightStr).isEmpty() ? -1 : paramNumber(LightStr));
    fillLegacyGroup();

    ui->spinBoxUpThreshold->setValue(paramNumber(HRHighThr));
    ui->spinBoxLowThreshold->setValue(paramNumber(HRLowThr));
    ui->spinBoxThreshold->setValue(paramNumber(CurOxiThr));
    updateSpO2Controls();
    updatePulseControls();
}

void DeviceSettingDlg::hideLegacyControls()
{
    if (m_group == SettingsGroup::ScreenKey) {
        ui->widScreenBrightness->hide();
    } else {
        ui->widSpO2Sound->hide();
        ui->widHRSound->hide();
        ui->widDevVolume->hide();
        if (m_group != SettingsGroup::Ring) {
            ui->gBoxHeartRate->hide();
            ui->widScreenMode->hide();
            ui->widScreenBrightness->hide();
        }
    }
    if (SettingsGroups::hasNoReminder(m_code)) {
        ui->gBoxVibration->hide();
        ui->gBoxSpO2->hide();
    }
    if (m_group == SettingsGroup::PulseOnlyBaby)
        ui->gBoxSpO2->hide();
}

void DeviceSettingDlg::fillLegacyGroup()
{
    const int motor = paramNumber(CurMotor);
    switch (m_group) {
    case SettingsGroup::ScreenKey: {
        const int oxi = paramNumber(OxiSwitch);
        const int hr = paramNumber(HRSwitch);
        setRadios(ui->radioBtnSpO2On, ui->radioBtnSpO2Off, oxi & 1);
        setRadios(ui->rdoSpO2SoundOn, ui->rdoSpO2SoundOff, oxi & 2);
        setRadios(ui->radioBtnHROn, ui->radioBtnHROff, hr & 1);
        setRadios(ui->rdoHRSoundOn, ui->rdoHRSoundOff, hr & 2);
        ui->cbBoxIntensity->setCurrentIndex(intensityIndexOf(motor));
        ui->cmbVolume->clear();
        const std::pair<const char *, int> volumes[] = {
            {QT_TRANSLATE_NOOP("volome", "Lowest"), 20}, {QT_TRANSLATE_NOOP("volome", "Low"), 40},
            {QT_TRANSLATE_NOOP("volome", "Middle"), 60}, {QT_TRANSLATE_NOOP("volome", "High"), 80},
            {QT_TRANSLATE_NOOP("volome", "Highest"), 100}};
        for (const auto &v : volumes)
            ui->cmbVolume->addItem(QCoreApplication::translate("volome", v.first), v.second);
        selectByData(ui->cmbVolume, paramNumber(CurBuzzer));
        break;
    }
    case SettingsGroup::Ring:
        setRadios(ui->radioBtnSpO2On, ui->radioBtnSpO2Off, param(OxiSwitch) == QLatin1String("1"));
        if (m_code == QLatin1String("24010004"))
            ui->gBoxSpO2->setTitle(QCoreApplication::translate("venrik", "Oxgen Reminder"));
        ui->cbBoxIntensity->setCurrentIndex(intensityIndexOf(motor));
        break;
    case SettingsGroup::MotorTable:
        if (SettingsGroups::isKidsMotorTable(m_code)) {
            setRadios(ui->radioBtnSpO2On, ui->radioBtnSpO2Off, param(OxiSwitch) == QLatin1String("1"));
            ui->cbBoxIntensity->setCurrentIndex(motorIndex(motor));
        } else {
            setRadios(ui->radioBtnSpO2On, ui->radioBtnSpO2Off, motor != 0);
            ui->cbBoxIntensity->setCurrentIndex(intensityIndexOf(motor));
        }
        ui->gBoxVibration->setTitle(tr("Volume"));
        ui->labelSwitch->setText(tr("Volume Switch"));
        break;
    case SettingsGroup::Volume:
        ui->gBoxVibration->setTitle(tr("Volume"));
        ui->labelSwitch->setText(tr("Volume Switch"));
        setSpin(ui->spinBoxThreshold, 80, 96, 2);
        setRadios(ui->radioBtnSpO2On, ui->radioBtnSpO2Off, motor > 0);
        ui->cbBoxIntensity->setCurrentIndex(motorIndex(motor));
        break;
    case SettingsGroup::BabyReminders:
    case SettingsGroup::PulseOnlyBaby:
        fillBaby();
        break;
    case SettingsGroup::NotEditable:
        ui->gBoxVibration->hide();
        ui->gBoxSpO2->hide();
        break;
    default:
        if (m_code == QLatin1String("27010002"))
            setSpin(ui->spinBoxThreshold, 80, 96, 2);
        setRadios(ui->radioBtnSpO2On, ui->radioBtnSpO2Off, motor != 0);
        ui->cbBoxIntensity->setCurrentIndex(intensityIndexOf(motor));
        break;
    }
}

void DeviceSettingDlg::fillBaby()
{
    for (QWidget *w : {static_cast<QWidget *>(ui->gBoxVibration), ui->widDevVolume, ui->widScreenMode,
                       ui->widScreenBrightness})
        w->hide();
    const bool reminders = m_group == SettingsGroup::BabyReminders;
    for (QWidget *w : {static_cast<QWidget *>(ui->gBoxSpO2), static_cast<QWidget *>(ui->gBoxHeartRate),
                       static_cast<QWidget *>(ui->grpNoValue), static_cast<QWidget *>(ui->grpMoving)})
        w->setVisible(reminders);
    const auto text = [](const char *source) { return QCoreApplication::translate("bebrins2", source); };
    ui->gBoxSpO2->setTitle(text(QT_TRANSLATE_NOOP("bebrins2", "Oxgen Reminder")));
    ui->labelSwitch->setText(text(QT_TRANSLATE_NOOP("bebrins2", "Oxgen Reminder Switch")));
    ui->lblThreshold->setText(text(QT_TRANSLATE_NOOP("bebrins2", "Oxgen Threshold")));
    ui->gBoxHeartRate->setTitle(text(QT_TRANSLATE_NOOP("bebrins2", "PR Reminder")));
    ui->lblPrSwitch->setText(text(QT_TRANSLATE_NOOP("bebrins2", "PR Reminder Switch")));
    ui->lblLowThreshold->setText(text(QT_TRANSLATE_NOOP("bebrins2", "Low PR Threshold")));
    ui->lblUpThreshold->setText(text(QT_TRANSLATE_NOOP("bebrins2", "High PR Threshold")));
    ui->cmbNoValueHintDelayTime->clear();
    const std::pair<const char *, int> delays[] = {
        {QT_TRANSLATE_NOOP("bebrins2", "30 s"), 30},  {QT_TRANSLATE_NOOP("bebrins2", "1 min"), 60},
        {QT_TRANSLATE_NOOP("bebrins2", "2 min"), 120}, {QT_TRANSLATE_NOOP("bebrins2", "3 min"), 180},
        {QT_TRANSLATE_NOOP("bebrins2", "4 min"), 240}, {QT_TRANSLATE_NOOP("bebrins2", "5 min"), 300}};
    for (const auto &d : delays)
        ui->cmbNoValueHintDelayTime->addItem(text(d.first), d.second);
    setSpin(ui->spinBoxUpThreshold, 110, 220, 5);
    setSpin(ui->spinBoxLowThreshold, 30, 110, 5);
    setSpin(ui->spinBoxThreshold, 70, 96, 2);
    setRadios(ui->radioBtnSpO2On, ui->radioBtnSpO2Off, isOnText(param(OxiSwitch)));
    setRadios(ui->radioBtnHROn, ui->radioBtnHROff, isOnText(param(HRSwitch)));
    setRadios(ui->rdoNoValueHintOn, ui->rdoNoValueHintOff, isOnText(param(IvSW)));
    setRadios(ui->rdoMovingHintOn, ui->rdoMovingHintOff, isOnText(param(MtSW)));
    selectByData(ui->cmbNoValueHintDelayTime, paramNumber(IvThr));
    ui->cmbNoValueHintDelayTime->setEnabled(ui->rdoNoValueHintOn->isChecked());
}

BlockASettings DeviceSettingDlg::blockAFromControls() const
{
    BlockASettings a = m_blockAAtOpen;
    a.intensity = (ui->cbBoxIntensity->currentIndex() + 1) * 20;
    // A switch neither of whose radios is selected stays as it was.
    if (ui->radioBtnSpO2On->isChecked() || ui->radioBtnSpO2Off->isChecked())
        a.spo2On = ui->radioBtnSpO2On->isChecked();
    a.spo2Threshold = ui->spinBoxThreshold->value();
    if (ui->radioBtnHROn->isChecked() || ui->radioBtnHROff->isChecked())
        a.pulseOn = ui->radioBtnHROn->isChecked();
    a.pulseHigh = ui->spinBoxUpThreshold->value();
    a.pulseLow = ui->spinBoxLowThreshold->value();
    if (ui->cbBoxMode->currentIndex() >= 0)
        a.screenMode = ui->cbBoxMode->currentIndex() == 1 ? 2 : 0;
    if (ui->cbBoxBrightness->currentIndex() >= 0)
        a.brightness = ui->cbBoxBrightness->currentIndex();
    a.averagingTime = ui->cmbCalcAvgTime->currentData().toInt();
    return a;
}

BlockBSettings DeviceSettingDlg::blockBFromControls() const
{
    BlockBSettings b = m_blockBAtOpen;
    if (ui->rdoReminderOn->isChecked() || ui->rdoReminderOff->isChecked())
        b.reminderOn = ui->rdoReminderOn->isChecked();
    b.spo2Threshold = ui->spinBoxThreshold->value();
    b.pulseHigh = ui->spinBoxUpThreshold->value();
    b.pulseLow = ui->spinBoxLowThreshold->value();
    return b;
}

QString DeviceSettingDlg::legacyChangeText() const
{
    const bool spo2On = ui->radioBtnSpO2On->isChecked();
    const bool pulseOn = ui->radioBtnHROn->isChecked();
    const int intensity = ui->cbBoxIntensity->currentIndex();
    const int motor = (intensity + 1) * 20;
    const int tableMotor = intensity >= 0 && intensity < int(motorTable.size()) ? motorTable[intensity] : 0;
    const int threshold = ui->spinBoxThreshold->value();
    LegacyChangeText t;
    switch (m_group) {
    case SettingsGroup::ScreenKey: {
        const bool spo2Sound = ui->rdoSpO2SoundOn->isChecked();
        const bool pulseSound = ui->rdoHRSoundOn->isChecked();
        t.set("SetOxiSwitch", (spo2On ? 1 : 0) + (spo2Sound ? 2 : 0));
        if (spo2On)
            t.set("SetOxiThr", threshold);
        t.set("SetHRSwitch", (pulseOn ? 1 : 0) + (pulseSound ? 2 : 0));
        if (pulseOn || pulseSound) {
            t.set("SetHRLowThr", ui->spinBoxLowThreshold->value());
            t.set("SetHRHighThr", ui->spinBoxUpThreshold->value());
        }
        t.set("SetMotor", motor);
        if (ui->cmbVolume->currentIndex() >= 0)
            t.set("SetBuzzer", ui->cmbVolume->currentData().toInt());
        t.set("SetLightingMode", ui->cbBoxMode->currentIndex() == 1 ? 2 : 0);
        break;
    }
    case SettingsGroup::Ring:
        t.set("SetOxiSwitch", spo2On ? 1 : 0);
        if (spo2On)
            t.set("SetOxiThr", threshold);
        t.set("SetMotor", motor);
        t.set("SetHRSwitch", pulseOn ? 1 : 0);
        if (pulseOn) {
            t.set("SetHRLowThr", ui->spinBoxLowThreshold->value());
            t.set("SetHRHighThr", ui->spinBoxUpThreshold->value());
        }
        t.set("SetLightingMode", ui->cbBoxMode->currentIndex() == 1 ? 2 : 0);
        if (ui->cbBoxBrightness->currentIndex() >= 0)
            t.set("SetLightStr", ui->cbBoxBrightness->currentIndex());
        break;
    case SettingsGroup::MotorTable:
        if (SettingsGroups::isKidsMotorTable(m_code)) {
            t.set("SetOxiSwitch", spo2On ? 1 : 0);
            if (spo2On && intensity >= 0)
                t.set("SetMotor", tableMotor);
            t.set("SetOxiThr", threshold);
        } else {
            // Read as steps of 20, so written back as steps of 20.
            t.set("SetMotor", spo2On ? motor : 0);
            if (spo2On)
                t.set("SetOxiThr", threshold);
        }
        break;
    case SettingsGroup::BabyReminders:
        if (ui->radioBtnSpO2On->isChecked() || ui->radioBtnSpO2Off->isChecked())
            t.set("SetOxiSwitch", spo2On ? 1 : 0);
        if (ui->radioBtnHROn->isChecked() || ui->radioBtnHROff->isChecked())
            t.set("SetHRSwitch", pulseOn ? 1 : 0);
        if (ui->rdoNoValueHintOn->isChecked() || ui->rdoNoValueHintOff->isChecked())
            t.set("SetIvSW", ui->rdoNoValueHintOn->isChecked() ? 1 : 0);
        if (ui->rdoMovingHintOn->isChecked() || ui->rdoMovingHintOff->isChecked())
            t.set("SetMtSW", ui->rdoMovingHintOn->isChecked() ? 1 : 0);
        t.set("SetOxiThr", threshold);
        t.set("SetHRLowThr", ui->spinBoxLowThreshold->value());
        t.set("SetHRHighThr", ui->spinBoxUpThreshold->value());
        if (ui->cmbNoValueHintDelayTime->currentIndex() >= 0)
            t.set("SetIvThr", ui->cmbNoValueHintDelayTime->currentData().toInt());
        break;
    case SettingsGroup::PulseOnlyBaby:
        t.set("SetSpO2SW", 0);
        break;
    case SettingsGroup::Volume:
        t.set("SetMotor", spo2On && intensity >= 0 ? tableMotor : 0);
        t.set("SetOxiThr", threshold);
        break;
    case SettingsGroup::NotEditable:
        break;
    default:
        if (SettingsGroups::hasNoReminder(m_code))
            break;
        if (spo2On)
            t.set("SetOxiThr", threshold);
        t.set("SetMotor", spo2On ? motor : 0);
        break;
    }
    return t.text();
}

bool DeviceSettingDlg::saveChanges(const QVector<ParamChange> &changes)
{
    // Every change is tried even after one failed; the save fails as a whole.
    bool ok = true;
    for (const ParamChange &change : changes)
        ok = m_controller->setParam(change.first, change.second, 0, 0, 0) == 0 && ok;
    return ok;
}

void DeviceSettingDlg::setBusy(bool busy)
{
    m_busy = busy;
    ui->buttonBox->setEnabled(!busy);
}

void DeviceSettingDlg::on_buttonBox_accepted()
{
    setBusy(true);
    if (m_controller->pingDevice() != 0 || m_controller->deviceInfo()->serialNumber() != m_snAtOpen) {
        setBusy(false);
        MessageBox::warning(this, tr("warning"), tr("Save failed"));
        done(QDialog::Rejected);
        return;
    }
    bool ok = true;
    if (m_group == SettingsGroup::BlockA) {
        ok = saveChanges(BlockASettings::changes(m_blockAAtOpen, blockAFromControls()));
    } else if (m_group == SettingsGroup::BlockB) {
        ok = saveChanges(BlockBSettings::changes(m_blockBAtOpen, blockBFromControls()));
    } else {
        const QString text = legacyChangeText();
        if (text.isEmpty()) {
            setBusy(false);
            done(QDialog::Accepted);
            return;
        }
        ok = m_controller->syncParam(text, true) == 0;
    }
    setBusy(false);
    if (!ok) {
        MessageBox::warning(this, tr("warning"), tr("Save failed"));
        return;
    }
    MessageBox::information(this, tr("message"), tr("Save successed."));
    done(QDialog::Accepted);
}

void DeviceSettingDlg::on_buttonBox_rejected()
{
    reject();
}

void DeviceSettingDlg::reject()
{
    if (m_busy) {
        MessageBox::warning(this, tr("warning"), tr("busy"));
        return;
    }
    QDialog::reject();
}

void DeviceSettingDlg::closeEvent(QCloseEvent *event)
{
    if (m_busy) {
        MessageBox::warning(this, tr("warning"), tr("busy"));
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void DeviceSettingDlg::timeout_handle()
{
    m_hintTimer->stop();
    ui->labelSettingHint->clear();
}

void DeviceSettingDlg::showHint(const QString &text)
{
    ui->labelSettingHint->setText(text);
    ui->labelSettingHint->show();
    m_hintTimer->start(hintMs);
}

void DeviceSettingDlg::on_btnSyncTime_clicked()
{
    if (MessageBox::question(this, tr("Synchronize the clock"),
                             tr("Synchronize your device's clock with your computer's?"),
                             MessageBox::Yes | MessageBox::No) != MessageBox::Yes)
        return;
    qCDebug(lcProtocol) << "sync the time";
    setBusy(true);
    if (m_controller->syncTime(QDateTime::currentDateTime()) == 0) {
        qCDebug(lcProtocol) << "sync the time success.";
        showHint(tr("Synchronize the clock successed."));
    } else {
        showHint(tr("Synchronize the clock failed."));
    }
    setBusy(false);
}

void DeviceSettingDlg::on_btnFactory_clicked()
{
    if (MessageBox::question(this, tr("Factory Reset"),
                             tr("It will RESTORE default settings and ERASE all the data on your device."),
                             MessageBox::Yes | MessageBox::No) != MessageBox::Yes)
        return;
    setBusy(true);
    const bool ok = m_controller->factoryReset() == 0;
    setBusy(false);
    if (!ok) {
        qCDebug(lcProtocol) << "Factory Reset failed.";
        showHint(tr("Factory Reset failed."));
        MessageBox::warning(this, tr("warning"), tr("Factory Reset failed."));
        return;
    }
    showHint(tr("Factory Reset successed."));
    MessageBox::information(this, tr("info"), tr("Factory Reset successed."));
    done(QDialog::Accepted);
}

void DeviceSettingDlg::on_spinBoxThreshold_valueChanged(int value)
{
    if (value >= 85) {
        ui->labelSpO2Hint->clear();
        return;
    }
    const bool baby = m_group == SettingsGroup::BabyReminders || m_group == SettingsGroup::PulseOnlyBaby;
    ui->labelSpO2Hint->setText(baby ? tr("Low blood oxygen condition may have adverse effect on your health. The reminder "
                                         "is only for notification purpose, never use it for any medical condition")
                                    : tr("Low blood oxygen condition may have adverse effect on your health. The vibration "
                                         "is only for notification purpose, never use it for any medical condition"));
}

void DeviceSettingDlg::onSpinBoxWithStepValueChanged(int value)
{
    auto *box = qobject_cast<QSpinBox *>(sender());
    if (!box)
        return;
    const int step = qMax(1, box->singleStep());
    int snapped = box->minimum() + (value - box->minimum()) / step * step;
    if (value <= box->minimum())
        snapped = box->minimum();
    else if (value >= box->maximum())
        snapped = box->maximum();
    if (snapped != value)
        box->setValue(snapped);
}

void DeviceSettingDlg::updateSpO2Controls()
{
    const bool soundKeepsIt = m_group == SettingsGroup::ScreenKey && ui->rdoSpO2SoundOn->isChecked();
    const bool on = ui->radioBtnSpO2On->isChecked() || soundKeepsIt;
    ui->spinBoxThreshold->setEnabled(on);
    // Where the intensity is the reminder's own strength, it follows the switch.
    const bool followsSwitch = m_group == SettingsGroup::Ring || m_group == SettingsGroup::MotorTable
        || m_group == SettingsGroup::Volume || m_group == SettingsGroup::OtherLegacy;
    ui->cbBoxIntensity->setEnabled(on || !followsSwitch);
}

void DeviceSettingDlg::updatePulseControls()
{
    const bool soundKeepsIt = m_group == SettingsGroup::ScreenKey && ui->rdoHRSoundOn->isChecked();
    const bool on = ui->radioBtnHROn->isChecked() || soundKeepsIt || m_group == SettingsGroup::BlockB;
    ui->spinBoxUpThreshold->setEnabled(on);
    ui->spinBoxLowThreshold->setEnabled(on);
}

void DeviceSettingDlg::on_radioBtnSpO2On_clicked()
{
    updateSpO2Controls();
}

void DeviceSettingDlg::on_radioBtnSpO2Off_clicked()
{
    updateSpO2Controls();
}

void DeviceSettingDlg::on_radioBtnHROn_clicked()
{
    updatePulseControls();
}

void DeviceSettingDlg::on_radioBtnHROff_clicked()
{
    updatePulseControls();
}

void DeviceSettingDlg::on_cbBoxMode_currentIndexChanged(int index)
{
    if (index == 1)
        ui->labelDeviceHint->setText(tr("This mode will consume power much more quickly."));
    else if (index == 0)
        ui->labelDeviceHint->setText(wakeUpHint());
}

void DeviceSettingDlg::onBtnGrpSpO2SoundToggle(QAbstractButton *, bool)
{
    updateSpO2Controls();
}

void DeviceSettingDlg::onBtnGrpHRSoundToggle(QAbstractButton *, bool)
{
    updatePulseControls();
}

void DeviceSettingDlg::onBtnGrpHRNoValueToggle(QAbstractButton *, bool)
{
    ui->cmbNoValueHintDelayTime->setEnabled(ui->rdoNoValueHintOn->isChecked());
}
