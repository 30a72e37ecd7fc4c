#include "settingdlg.h"
#include "ui_settingdlg.h"

#include "appconfig.h"
#include "branchcodes.h"
#include "messagebox.h"
#include "movefilethread.h"
#include "patientcompleter.h"
#include "patientinfo.h"
#include "recorddatabase.h"
#include "unitentry.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

namespace {
// Codes outside the list of languages run in English.
int languageInUse(int code)
{
    return code >= AppConfig::English && code <= AppConfig::French ? code : AppConfig::English;
}

void setItemData(QComboBox *combo, std::initializer_list<int> values)
{
    int index = 0;
    for (const int value : values)
        combo->setItemData(index++, value);
}

void selectByData(QComboBox *combo, int value)
{
    const int index = combo->findData(value);
    if (index >= 0)
        combo->setCurrentIndex(index);
}
} // namespace

SettingDlg::SettingDlg(QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::SettingDlg>())
{
    m_ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_ui->buttonBox->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    m_ui->buttonBox->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    m_ui->progressBar->hide();
    m_units = new UnitEntry(m_ui->spinBoxHeight1, m_ui->spinBoxHeight2, m_ui->spinBoxWeight, this);

    // The numbers are the codes kept in the configuration.
    setItemData(m_ui->comboBox_language, {0, 1, 2, 3, 4, 5});
    setItemData(m_ui->cmbSpO2YRange, {1, 2, 3, 4});
    setItemData(m_ui->cmbPrYRange, {2, 1});

    const AppConfig &config = AppConfig::instance();
    m_ui->dateEdit->setDisplayFormat(config.dateFormat());
    m_ui->dateEdit->setLocale(config.dateLocale());
    fillPatient(config.defaultPatient());
    selectByData(m_ui->comboBox_language, languageInUse(config.selectedLanguage()));
    selectByData(m_ui->cmbSpO2YRange, config.spo2YRange());
    selectByData(m_ui->cmbPrYRange, config.prYRange());
    m_ui->editDataDir->setText(config.dataDir());
    if (BranchCodes::hasNeutralBranding(config.branchCode())) {
        m_ui->comboBox_language->hide();
        m_ui->label_language->hide();
    }

    m_completer = new PatientCompleter(this);
    m_ui->editName->setCompleter(m_completer);
    connect(m_completer, QOverload<const QModelIndex &>::of(&QCompleter::activated), this,
            &SettingDlg::selectPatient);

    m_timer = new QTimer(this);
    m_timer->setInterval(100);
    connect(m_timer, &QTimer::timeout, this, &SettingDlg::onTimeOut);
}

SettingDlg::~SettingDlg()
{
    // A thread object must not die while it runs.
    if (m_mover)
        m_mover->wait();
}

void SettingDlg::fillPatient(const PatientInfo &patient)
{
    m_ui->editName->setText(patient.name());
    m_ui->editID->setText(patient.userId());
    m_ui->editPhysician->setText(patient.physician());
    m_ui->comboBox->setCurrentIndex(patient.sex() == 0 ? 0 : 1);
    if (patient.birthday().isValid())
        m_ui->dateEdit->setDate(patient.birthday());
    const int unit = patient.unit() == PatientInfo::Metric ? PatientInfo::Metric : PatientInfo::Imperial;
    {
        const QSignalBlocker quiet(m_ui->comboBoxUnit);
        m_ui->comboBoxUnit->setCurrentIndex(unit);
    }
    m_units->showPerson(patient.height(), patient.weight(), unit);
}

void SettingDlg::selectPatient(const QModelIndex &index)
{
    PatientInfo found;
    if (m_completer->lookUp(index, found))
        fillPatient(found);
}

void SettingDlg::on_comboBoxUnit_currentIndexChanged(int index)
{
    m_units->switchTo(index == 1 ? PatientInfo::Metric : PatientInfo::Imperial);
}

void SettingDlg::on_btnDataDir_clicked()
{
    const QString dir = QFileDialog::getExistingDirectory(this, tr("Save in"), m_ui->editDataDir->text(),
                                                          QFileDialog::ShowDirsOnly);
    if (!dir.isEmpty())
        m_ui->editDataDir->setText(dir);
}

void SettingDlg::on_buttonBox_accepted()
{
    if (m_moving || !checkInput())
        return;
    storeSettings();
    changeDataDir();
}

void SettingDlg::on_buttonBox_rejected()
{
    reject();
}

bool SettingDlg::checkInput()
{
    const QString problem = m_units->inputProblem("SettingDlg", m_ui->dateEdit->date());
    if (problem.isEmpty())
        return true;
    MessageBox::information(this, tr("Message"), problem, MessageBox::Ok);
    return false;
}

void SettingDlg::storeSettings()
{
    AppConfig &config = AppConfig::instance();
    PatientInfo patient;
    patient.copyFrom(config.defaultPatient());
    patient.setName(m_ui->editName->text());
    patient.setSex(m_ui->comboBox->currentIndex());
    patient.setBirthday(m_ui->dateEdit->date());
    patient.setUserId(m_ui->editID->text());
    patient.setPhysician(m_ui->editPhysician->text());
    patient.setUnit(m_units->unit());
    patient.setHeight(m_units->heightCm());
    patient.setWeight(m_units->weightKg());
    // Only a named person stands in for the recordings' own patients; a
    // visit to change the language must not invent one.
    const bool named = !patient.name().trimmed().isEmpty() || !patient.userId().trimmed().isEmpty()
        || !patient.physician().trimmed().isEmpty();
    patient.setEmpty(!named);

    config.setSpo2YRange(m_ui->cmbSpO2YRange->currentData().toInt());
    config.setPrYRange(m_ui->cmbPrYRange->currentData().toInt());

    const int language = m_ui->comboBox_language->currentData().toInt();
    if (language != languageInUse(config.language()))
        MessageBox::information(this, tr("Message"),
                                tr("The language setting is successful, please restart the software to take effect"),
                                MessageBox::Ok);
    config.setSelectedLanguage(language);

    if (!patient.name().trimmed().isEmpty())
        RecordDatabase::instance().saveSearchPatient(patient);
    config.setDefaultPatient(patient);
    emit unitTypeChange();
}

void SettingDlg::changeDataDir()
{
    const QString oldDir = AppConfig::instance().dataDir();
    const QString newDir = m_ui->editDataDir->text();
    if (DataDirAccess::isSame(newDir, oldDir)) {
        finish();
        return;
    }
    // Checked before anything is created: a refused choice leaves no trace.
    if (DataDirAccess::isInside(newDir, oldDir)) {
        MessageBox::information(this, tr("Message"), tr("Can not select subdirectory."), MessageBox::Ok);
        return;
    }
    if (!DataDirAccess::prepare(newDir)) {
        DataDirAccess::reportDenied(this);
        return;
    }
    // Its own database would stay in charge there and hide every moved night.
    if (DataDirAccess::holdsDatabase(newDir)) {
        MessageBox::information(this, tr("Message"),
                                tr("The selected directory already holds a database. Please select another directory."),
                                MessageBox::Ok);
        return;
    }
    startMove(oldDir, newDir);
}

void SettingDlg::startMove(const QString &from, const QString &to)
{
    m_moving = true;
    m_oldDir = from;
    m_newDir.setPath(to);
    m_ui->groupPatient->setEnabled(false);
    m_ui->groupDisplay->setEnabled(false);
    m_ui->btnDataDir->setEnabled(false);
    m_ui->buttonBox->setEnabled(false);

    // Counted in files, not top-level entries: one recorder folder would
    // otherwise be a single step.
    m_filesAlreadyThere = DataDirAccess::countFiles(to);
    m_entryCount = DataDirAccess::countFiles(from);
    m_ui->progressBar->setRange(0, m_entryCount);
    m_ui->progressBar->setValue(0);
    m_ui->progressBar->show();
    m_timer->start();

    AppConfig::instance().setDataDir(to);
    m_mover = new MoveFileThread(this);
    m_mover->setSource(from);
    m_mover->setDestination(to);
    connect(m_mover, &MoveFileThread::moveFinish, this, &SettingDlg::moveFinish);
    m_mover->start();
}

void SettingDlg::onTimeOut()
{
    const int moved = DataDirAccess::countFiles(m_newDir.path()) - m_filesAlreadyThere;
    m_ui->progressBar->setValue(qBound(0, moved, m_entryCount));
}

void SettingDlg::moveFinish()
{
    m_mover->wait();
    // Opened afresh here, so the connection belongs to the GUI thread and
    // not to the one that has just ended.
    RecordDatabase &db = RecordDatabase::instance();
    db.close();
    const bool opened = db.openAt(m_newDir.path());
    m_timer->stop();
    m_moving = false;
    m_ui->progressBar->setValue(m_ui->progressBar->maximum());
    // The new place is written down at once: the old one no longer holds the database.
    AppConfig::instance().save();

    if (!opened)
        MessageBox::critical(this, tr("Message"),
                             tr("The database could not be opened in %1.").arg(m_newDir.path()), MessageBox::Ok);
    const int left = DataDirAccess::countFiles(m_oldDir);
    if (left > 0)
        MessageBox::information(this, tr("Message"),
                                tr("%n file(s) could not be moved and stayed in %1.", nullptr, left).arg(m_oldDir),
                                MessageBox::Ok);
    finish();
}

void SettingDlg::finish()
{
    emit endSetting();
    accept();
}

void SettingDlg::closeEvent(QCloseEvent *event)
{
    if (m_moving) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void SettingDlg::reject()
{
    // Escape and Cancel land here: a move is never abandoned half done.
    if (m_moving)
        return;
    QDialog::reject();
}
