// The argument string of a command line: what follows the program's own name.
#pragma once

#include <string>
#include <string_view>

namespace qs::platform {

// Splits off the program name the way Windows reads it: a name that starts with a
// quote runs to the next quote (blanks inside are part of it), any other name to the
// first blank or tab. The blanks and tabs after the name are dropped; the rest is
// returned as it stands, so "\"C:\\My Savers\\q.scr\" /p 1234" gives "/p 1234".
std::string ArgumentsFromCommandLine(std::string_view commandLine);

} // namespace qs::platform
