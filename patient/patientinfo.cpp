#include "patientinfo.h"

#include <cmath>

namespace {
constexpr double inchesPerCm = 0.3937008;
constexpr double poundsPerKg = 2.2046226;

// Heights and weights come from the database and the settings file; a NaN
// or infinity there must read as "not set", not as a number.
bool isSet(double value)
{
    return std::isfinite(value) && value >= 0.0;
}

QString wholeNumber(double value)
{
    return QString::number(value, 'f', 0);
}

QString unitSuffix(const char *unit, bool withUnit, bool withSpace)
{
    if (!withUnit)
        return QString();
    return (withSpace ? QStringLiteral(" ") : QString()) + QLatin1String(unit);
}
} // namespace

PatientInfo::PatientInfo(QObject *parent)
    : QObject(parent)
{
}

void PatientInfo::copyFrom(const PatientInfo &other)
{
    m_name = other.m_name;
    m_userId = other.m_userId;
    m_sex = other.m_sex;
    m_birthday = other.m_birthday;
    m_height = other.m_height;
    m_weight = other.m_weight;
    m_physician = other.m_physician;
    m_remarks = other.m_remarks;
    m_unit = other.m_unit;
    m_empty = other.m_empty;
}

void PatientInfo::reset()
{
    PatientInfo initial;
    copyFrom(initial);
}

QString PatientInfo::birthdayText() const
{
    return m_birthday.toString(QStringLiteral("yyyy/MM/dd"));
}

QDate PatientInfo::birthdayFromText(const QString &text)
{
    QString digits = text;
    digits.remove(QLatin1Char('-')).remove(QLatin1Char('/'));
    if (digits.size() != 8)
        return QDate();
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return QDate();
    }
    return QDate(digits.leftRef(4).toInt(), digits.midRef(4, 2).toInt(), digits.midRef(6, 2).toInt());
}

QString PatientInfo::sexText(int sex)
{
    return sex == 0 ? tr("Male") : tr("Female");
}

QString PatientInfo::sexText() const
{
    return sexText(m_sex);
}

QString PatientInfo::heightText(bool withUnit, bool withSpace) const
{
    if (!isSet(m_height))
        return QString();
    if (m_unit == Metric)
        return wholeNumber(m_height) + unitSuffix("cm", withUnit, withSpace);

    // Feet and inches both come from the one rounded inch count, so 59.96
    // inches reads 5'0'' rather than 4'0'' or 4'12''.
    const double totalInches = std::trunc(m_height * inchesPerCm + 0.5);
    const double feet = std::floor(totalInches / 12.0);
    const double inches = totalInches - feet * 12.0;
    return wholeNumber(feet) + unitSuffix("'", withUnit, withSpace)
        + wholeNumber(inches) + unitSuffix("''", withUnit, withSpace);
}

QString PatientInfo::weightText(bool withUnit, bool withSpace) const
{
    if (!isSet(m_weight))
        return QString();
    if (m_unit == Metric)
        return wholeNumber(m_weight) + unitSuffix("kg", withUnit, withSpace);
    return wholeNumber(m_weight * poundsPerKg) + unitSuffix("lbs", withUnit, withSpace);
}

QString PatientInfo::bmiText() const
{
    if (!isSet(m_height) || !isSet(m_weight) || m_height == 0.0)
        return QString();
    const double metres = m_height / 100.0;
    return QString::asprintf("%0.1f", m_weight / (metres * metres));
}
