// Where the settings file lives: the folder the executable was started from, "\", the
// executable's name without its extension, ".INI" (D:\SAVERS\SLIDES.SCR uses
// D:\SAVERS\SLIDES.INI). The folder is taken as the platform reports folders, where a
// drive's root keeps its separator ("D:\"), and joined without testing for one, so an
// executable in a root folder gives "D:\\SLIDES.INI", which the file functions accept.
#pragma once

#include <string>

namespace qs {

std::string SettingsFilePath();

} // namespace qs
