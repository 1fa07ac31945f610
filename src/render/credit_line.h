// The line the full-screen window's text slide shows at its bottom edge: the
// program's name and version, as its version resource gives them.
#pragma once

#include "version.h"

namespace qs {

inline constexpr const char* kCreditLine = "Quillo Slide Show " QS_VERSION_TEXT;

} // namespace qs
