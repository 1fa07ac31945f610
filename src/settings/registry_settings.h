// Settings that live in the registry under the program's own key
// HKEY_CURRENT_USER\Software\Brindle\QuilloSaverF1, one subkey per section, and the
// profile reader they are copied from.
#pragma once

#include <string>

namespace qs {

// One key of any section of a profile file; at most 1023 characters, empty when missing.
std::string ReadIniString(const std::string& file, const std::string& section, const std::string& key);

// The setting key of section. When the settings file carries the key, its value wins:
// it is copied into the registry (the section's key created as needed, the outcome not
// checked) and returned. Otherwise the registry's value is returned as text (REG_DWORD
// in decimal), or fallback when the registry has none.
std::string GetRegistrySetting(const std::string& section, const std::string& key, const std::string& fallback);

} // namespace qs
