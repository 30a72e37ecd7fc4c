#pragma once

#include <QString>

// Which controls a recorder's settings dialog shows and how it encodes
// them, decided by branch code.
enum class SettingsGroup {
    BlockA,
    BlockB,
    ScreenKey,       // legacy, screen-key family
    Ring,
    MotorTable,      // volume models stepping through the motor table
    Volume,
    BabyReminders,
    PulseOnlyBaby,
    NotEditable,
    OtherLegacy,
};

namespace SettingsGroups {
SettingsGroup groupOf(const QString &branchCode);
bool isLegacy(SettingsGroup group);
// The whole code read as a decimal number; 0 when it is not one.
long long codeNumber(const QString &branchCode);
// Kids codes among the motor-table models: their switch is "OxiSwitch".
bool isKidsMotorTable(const QString &branchCode);
// Codes whose vibration and SpO2 groups are hidden and nothing is saved.
bool hasNoReminder(const QString &branchCode);
} // namespace SettingsGroups
