#include "editdialog.h"
#include "ui_editdialog.h"

#include "appconfig.h"
#include "messagebox.h"
#include "patientcompleter.h"
#include "patientcontroller.h"
#include "patientinfo.h"
#include "unitentry.h"

#include <QPushButton>
#include <QSignalBlocker>
#include <QTextCursor>

namespace {
// The report has room for this much of a note.
constexpr int maxRemarkChars = 200;
constexpr int maxRemarkBreaks = 2;   // three lines

// What of an insertion fits beside the text already there: line breaks past
// the limit are dropped, the rest is cut at the length limit. Judging the
// inserted part only means a pasted block is trimmed, never the note
// already written around it.
QString fitRemark(const QString &rest, const QString &inserted)
{
    int breaksLeft = qMax(0, maxRemarkBreaks - int(rest.count(QLatin1Char('\n'))));
    const int room = qMax(0, maxRemarkChars - int(rest.size()));
    QString fitted;
    for (const QChar c : inserted) {
        if (fitted.size() >= room)
            break;
        if (c == QLatin1Char('\n')) {
            if (breaksLeft == 0)
                continue;
            --breaksLeft;
        }
        fitted.append(c);
    }
    return fitted;
}
} // namespace

EditDialog::EditDialog(PatientController *controller, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::EditDialog>())
    , m_controller(controller)
{
    m_ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_ui->buttonBox->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    m_ui->buttonBox->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    m_units = new UnitEntry(m_ui->spinBoxHeight1, m_ui->spinBoxHeight2, m_ui->spinBoxWeight, this);

    const AppConfig &config = AppConfig::instance();
    m_ui->dateEdit->setDisplayFormat(config.dateFormat());
    m_ui->dateEdit->setLocale(config.dateLocale());

    const PatientInfo &own = *m_controller->patient();
    const PatientInfo &fallback = config.defaultPatient();
    const PatientInfo &source = !own.isEmpty() ? own : (!fallback.isEmpty() ? fallback : own);
    int unit = source.unit();
    if (own.isEmpty() && fallback.isEmpty())
        unit = config.language() == AppConfig::Chinese ? PatientInfo::Metric : PatientInfo::Imperial;
    fill(source, unit);

    m_completer = new PatientCompleter(this);
    m_ui->editName->setCompleter(m_completer);
    connect(m_completer, QOverload<const QModelIndex &>::of(&QCompleter::activated), this,
            &EditDialog::selectPatient);
    connect(m_ui->editRemarks, &QTextEdit::textChanged, this, &EditDialog::onRemarkEditTextChanged);
    connect(m_ui->editRemarks->document(), &QTextDocument::contentsChange, this, &EditDialog::noteRemarkChange);
}

EditDialog::~EditDialog() = default;

void EditDialog::fill(const PatientInfo &patient, int unit)
{
    m_ui->editName->setText(patient.name());
    m_ui->comboBox_gender->setCurrentIndex(patient.sex() == 0 ? 0 : 1);
    if (patient.birthday().isValid())
        m_ui->dateEdit->setDate(patient.birthday());
    {
        // A note stored longer than the limit stays whole until it is edited.
        const QSignalBlocker quiet(m_ui->editRemarks);
        m_ui->editRemarks->setPlainText(patient.remarks());
    }
    m_ui->editID->setText(patient.userId());
    m_ui->editPhysician->setText(patient.physician());
    {
        const QSignalBlocker quiet(m_ui->comboBoxUnit);
        m_ui->comboBoxUnit->setCurrentIndex(unit == PatientInfo::Metric ? 1 : 0);
    }
    if (patient.isEmpty())
        m_units->showPerson(0.0, 0.0, unit);
    else
        m_units->showPerson(patient.height(), patient.weight(), unit);
}

void EditDialog::selectPatient(const QModelIndex &index)
{
    PatientInfo found;
    if (m_completer->lookUp(index, found))
        fill(found, found.unit());
}

void EditDialog::on_comboBoxUnit_currentIndexChanged(int index)
{
    m_units->switchTo(index == 1 ? PatientInfo::Metric : PatientInfo::Imperial);
}

void EditDialog::noteRemarkChange(int position, int /*removed*/, int added)
{
    m_remarkChangeAt = position;
    m_remarkChangeAdded = added;
}

void EditDialog::onRemarkEditTextChanged()
{
    if (m_fittingRemarks)
        return;
    const QString text = m_ui->editRemarks->toPlainText();
    // The document reports one character too many when it is replaced whole.
    const int start = qBound(0, m_remarkChangeAt, int(text.size()));
    const int added = qBound(0, m_remarkChangeAdded, int(text.size()) - start);
    const QString inserted = text.mid(start, added);
    const QString fitted = fitRemark(text.left(start) + text.mid(start + added), inserted);
    if (fitted == inserted)
        return;
    m_fittingRemarks = true;
    QTextCursor cursor(m_ui->editRemarks->document());
    cursor.setPosition(start);
    cursor.setPosition(start + added, QTextCursor::KeepAnchor);
    cursor.insertText(fitted);
    m_ui->editRemarks->setTextCursor(cursor);
    m_fittingRemarks = false;
}

void EditDialog::on_buttonBox_clicked(QAbstractButton *button)
{
    if (m_ui->buttonBox->buttonRole(button) != QDialogButtonBox::AcceptRole) {
        reject();
        return;
    }
    if (!checkInput())
        return;
    if (!save()) {
        MessageBox::critical(this, tr("Message"), tr("The patient details could not be saved."), MessageBox::Ok);
        return;
    }
    emit editFinish();
    accept();
}

bool EditDialog::checkInput()
{
    const QString problem = m_units->inputProblem("EditDialog", m_ui->dateEdit->date());
    if (problem.isEmpty())
        return true;
    MessageBox::information(this, tr("Message"), problem, MessageBox::Ok);
    return false;
}

bool EditDialog::save()
{
    PatientInfo entered;
    entered.setName(m_ui->editName->text());
    entered.setSex(m_ui->comboBox_gender->currentIndex());
    entered.setBirthday(m_ui->dateEdit->date());
    entered.setRemarks(m_ui->editRemarks->toPlainText());
    entered.setEmpty(false);
    entered.setUserId(m_ui->editID->text());
    entered.setPhysician(m_ui->editPhysician->text());
    entered.setUnit(m_units->unit());
    entered.setHeight(m_units->heightCm());
    entered.setWeight(m_units->weightKg());

    // The report shows the controller's copy: it must not show details
    // that never reached the database.
    PatientInfo *patient = m_controller->patient();
    PatientInfo previous;
    previous.copyFrom(*patient);
    patient->copyFrom(entered);
    if (m_controller->save())
        return true;
    patient->copyFrom(previous);
    return false;
}
