// Numbers on the command line. The window handle after "/P" or "/A" is read the way
// the classic string-to-number conversion reads text, then narrowed to 32 bits
// (RoundToInt32 of settings/settings_text.h).
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/services.h"

namespace qs::app {

// The decimal number at the start of text, read by ScanNumber of settings_text.h with E
// or D for the exponent ("1D3" is 1000). Blanks, tabs and line feeds are skipped
// wherever they stand (so "12 34" is 1234). No number at the start gives 0. A number
// beyond the range of a double gives an infinity of its sign, or a zero when too small.
double ReadDecimalNumber(std::string_view text);

// The window handle that a 32-bit number names: widened with its sign, the way
// Windows widens 32-bit handles to pointer size.
platform::WindowHandle HandleFromInt32(std::int32_t number);

} // namespace qs::app
