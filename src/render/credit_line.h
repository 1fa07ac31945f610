// The line the full-screen window's text slide shows at its bottom edge: the
// program's name and version, as its version resource gives them.
#pragma once

namespace qs {

inline constexpr const char* kCreditLine = "Quillo Slide Show 1.3.67";

} // namespace qs
