#pragma once

// Tells "no recorder" apart from "a recorder this user may not open": on
// Linux the hidraw nodes belong to root until the udev rule hands them to
// the logged-in user, and hid_open then fails as if nothing were attached.
namespace HidAccess {

// The rule that gives the logged-in user access, as installed.
constexpr const char *udevRuleName = "70-nocturnix.rules";

// True when a recorder or one of the two bridges is listed by the system but
// cannot be opened.
bool isRecorderListedButClosed();

} // namespace HidAccess
