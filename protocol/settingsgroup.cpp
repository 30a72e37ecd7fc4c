#include "settingsgroup.h"

#include <initializer_list>

namespace SettingsGroups {

namespace {

bool isOneOf(long long n, std::initializer_list<long long> numbers)
{
    for (long long m : numbers) {
        if (n == m)
            return true;
    }
    return false;
}

bool isOneOf(const QString &code, std::initializer_list<const char *> codes)
{
    for (const char *c : codes) {
        if (code == QLatin1String(c))
            return true;
    }
    return false;
}

} // namespace

long long codeNumber(const QString &branchCode)
{
    bool ok = false;
    const long long n = branchCode.toLongLong(&ok, 10);
    // Hexadecimal letters, signs or spaces make no model number.
    for (QChar c : branchCode) {
        if (!c.isDigit())
            return 0;
    }
    return ok ? n : 0;
}

bool isKidsMotorTable(const QString &branchCode)
{
    return isOneOf(codeNumber(branchCode), {26010000, 26010003});
}

bool hasNoReminder(const QString &branchCode)
{
    return isOneOf(codeNumber(branchCode), {23030000, 21010002});
}

SettingsGroup groupOf(const QString &code)
{
    if (isOneOf(code, {"2D010001", "2D010002"}))
        return SettingsGroup::BlockA;
    if (isOneOf(code, {"2C100000", "2C100002"}))
        return SettingsGroup::BlockB;
    if (isOneOf(code, {"2B010000", "2B010100", "2B010102", "2B010002"}))
        return SettingsGroup::ScreenKey;
    if (isOneOf(code, {"2B010105", "22010100", "24010001"}))
        return SettingsGroup::NotEditable;
    const long long n = codeNumber(code);
    if (isOneOf(n, {24010000, 24010002, 24010003, 24010004, 24010008, 50010000, 50010001}))
        return SettingsGroup::Ring;
    if (isOneOf(n, {26010000, 26010003, 28010000}))
        return SettingsGroup::MotorTable;
    if (isOneOf(n, {27010000, 27030000}))
        return SettingsGroup::Volume;
    if (isOneOf(n, {27010003, 27040000}))
        return SettingsGroup::BabyReminders;
    if (isOneOf(n, {27010005, 27010006, 27030001, 27040001}))
        return SettingsGroup::PulseOnlyBaby;
    return SettingsGroup::OtherLegacy;
}

bool isLegacy(SettingsGroup group)
{
    return group != SettingsGroup::BlockA && group != SettingsGroup::BlockB;
}

} // namespace SettingsGroups
