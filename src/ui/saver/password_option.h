// The system's screen-saver password option, the value ScreenSaveUsePassword of the key
// "Control Panel\Desktop" under HKEY_CURRENT_USER, as the full-screen window reads it.
//
// The value may be stored as text ("1"), as a DWORD, or, on some systems, as binary
// data. A number is rounded to a whole number, a half going to the even neighbour, and
// is on unless that is 0; one beyond the 16-bit range counts as on. The words True and
// False count as on and off. Anything else (binary data, other text) counts as on when
// it holds any byte that is not zero, so binary 01 00 00 00 is on and 00 00 00 00 is
// off: an option that may be on is never taken as off, since that would let the saver
// close without the password. An absent value, or one that cannot be read, is off.
#pragma once

#include "settings/registry_functions.h"

namespace qs::ui {

// Whether the option is on, for a value as GetRegValue gives it.
bool PasswordOptionValue(const RegVariant& value);

// Reads the option through GetRegValue, with no default.
bool PasswordOptionFromRegistry();

} // namespace qs::ui
