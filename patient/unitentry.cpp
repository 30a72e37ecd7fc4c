#include "unitentry.h"

#include "patientinfo.h"
#include "unitconversion.h"

#include <QCoreApplication>
#include <QSignalBlocker>
#include <QSpinBox>

#include <cmath>

namespace {
// A remembered value the box shows as its whole part keeps its decimals;
// one the box had to clamp or the user changed is taken as shown.
double keptOr(double remembered, int shown)
{
    return int(std::trunc(UnitConversion::plausible(remembered))) == shown ? remembered : shown;
}

// "154 lbs" reads better than "154lbs"; feet and inches marks stay attached.
QString unitSuffix(const QString &unit)
{
    return QLatin1Char(' ') + unit;
}

void setBox(QSpinBox *box, int maximum, const QString &suffix, int value)
{
    const QSignalBlocker quiet(box);
    box->setRange(0, maximum);
    box->setSuffix(suffix);
    box->setValue(value);
}
} // namespace

UnitEntry::UnitEntry(QSpinBox *height, QSpinBox *inches, QSpinBox *weight, QObject *parent)
    : QObject(parent)
    , m_height(height)
    , m_inches(inches)
    , m_weight(weight)
    , m_unit(PatientInfo::Metric)
{
    connect(m_height, QOverload<int>::of(&QSpinBox::valueChanged), this, &UnitEntry::onHeightEdited);
    connect(m_weight, QOverload<int>::of(&QSpinBox::valueChanged), this, &UnitEntry::onWeightEdited);
    show(m_unit);
}

void UnitEntry::showPerson(double heightCm, double weightKg, int unit)
{
    m_heightCm = heightCm;
    m_weightKg = weightKg;
    show(unit);
}

void UnitEntry::switchTo(int unit)
{
    if (unit == m_unit)
        return;
    if (unit == PatientInfo::Metric) {
        m_heightCm = UnitConversion::centimetres(m_height->value(), m_inches->value());
        m_weightKg = UnitConversion::rounded(UnitConversion::kilograms(m_weight->value()));
    } else {
        m_heightCm = keptOr(m_heightCm, m_height->value());
        m_weightKg = keptOr(m_weightKg, m_weight->value());
    }
    show(unit);
}

void UnitEntry::show(int unit)
{
    m_unit = unit == PatientInfo::Metric ? PatientInfo::Metric : PatientInfo::Imperial;
    const double cm = UnitConversion::plausible(m_heightCm);
    const double kg = UnitConversion::plausible(m_weightKg);
    if (m_unit == PatientInfo::Metric) {
        m_inches->hide();
        setBox(m_height, 302, unitSuffix(tr("cm")), int(std::trunc(cm)));
        setBox(m_weight, 300, unitSuffix(tr("kg")), int(std::trunc(kg)));
        return;
    }
    const UnitConversion::FeetInches height = UnitConversion::feetInches(cm);
    setBox(m_height, 9, QStringLiteral("'"), height.feet);
    setBox(m_inches, 11, QStringLiteral("''"), height.inches);
    m_inches->show();
    setBox(m_weight, 662, unitSuffix(tr("lbs")), UnitConversion::pounds(kg));
}

void UnitEntry::onHeightEdited(int value)
{
    if (m_unit == PatientInfo::Metric)
        m_heightCm = value;
}

void UnitEntry::onWeightEdited(int value)
{
    if (m_unit == PatientInfo::Metric)
        m_weightKg = value;
}

bool UnitEntry::isHeightMissing() const
{
    if (m_unit == PatientInfo::Metric)
        return m_height->value() == 0;
    return m_height->value() == 0 && m_inches->value() == 0;
}

bool UnitEntry::isWeightMissing() const
{
    return m_weight->value() == 0;
}

double UnitEntry::heightCm() const
{
    if (m_unit == PatientInfo::Metric)
        return keptOr(m_heightCm, m_height->value());
    return UnitConversion::centimetres(m_height->value(), m_inches->value());
}

double UnitEntry::weightKg() const
{
    if (m_unit == PatientInfo::Metric)
        return keptOr(m_weightKg, m_weight->value());
    return UnitConversion::kilograms(m_weight->value());
}

QString UnitEntry::inputProblem(const char *context, const QDate &birthday) const
{
    // Marked for both dialogs' translation contexts.
    static const char *const texts[] = {
        QT_TRANSLATE_NOOP("EditDialog", "Please enter the correct birthday"),
        QT_TRANSLATE_NOOP("EditDialog", "Please enter the correct weight"),
        QT_TRANSLATE_NOOP("EditDialog", "Please enter the correct height"),
        QT_TRANSLATE_NOOP("SettingDlg", "Please enter the correct birthday"),
        QT_TRANSLATE_NOOP("SettingDlg", "Please enter the correct weight"),
        QT_TRANSLATE_NOOP("SettingDlg", "Please enter the correct height"),
    };
    int problem = -1;
    if (birthday > QDate::currentDate())
        problem = 0;
    else if (isWeightMissing())
        problem = 1;
    else if (isHeightMissing())
        problem = 2;
    return problem < 0 ? QString() : QCoreApplication::translate(context, texts[problem]);
}
