#pragma once

#include <cmath>

// Heights and weights are kept in centimetres and kilograms; these are the
// conversions the patient forms use when a person is entered in feet,
// inches and pounds.
namespace UnitConversion {

constexpr double inchesPerCm = 0.3937008;
constexpr double cmPerFoot = 30.48;
constexpr double cmPerInch = 2.54;
constexpr double poundsPerKg = 2.2046226;
constexpr double kgPerPound = 0.4535924;

// Values come from the database and the settings file: anything not a
// plausible body measure is clamped before it becomes an int.
inline double plausible(double value)
{
    return std::isfinite(value) && value > 0.0 ? std::fmin(value, 10000.0) : 0.0;
}

inline int rounded(double value)
{
    return int(std::trunc(plausible(value) + 0.5));
}

struct FeetInches
{
    int feet = 0;
    int inches = 0;
};

// Both parts come from the one rounded inch count, so 152.3 cm (59.96
// inches) reads 5'0'', never 4'0'' or 4'12''.
inline FeetInches feetInches(double cm)
{
    const int total = rounded(plausible(cm) * inchesPerCm);
    return {total / 12, total % 12};
}

inline int centimetres(int feet, int inches)
{
    return rounded(feet * cmPerFoot + inches * cmPerInch);
}

inline int pounds(double kg)
{
    return rounded(plausible(kg) * poundsPerKg);
}

// Not rounded: 154 lbs stores 69.853... kg.
inline double kilograms(int pounds)
{
    return pounds * kgPerPound;
}

} // namespace UnitConversion
