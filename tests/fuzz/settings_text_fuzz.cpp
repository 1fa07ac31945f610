// Any value text of the settings file read as a number, a flag or the picture count.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "settings/settings_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto leading = qs::LeadingNumber(text);
    const auto whole = qs::WholeNumber(text);
    if (whole && leading != whole) std::abort(); // a whole number is also a leading one
    double value = 0;
    if (size == sizeof value) std::memcpy(&value, data, sizeof value); // any double, NaN included
    for (const double v : {leading.value_or(0.0), value})
        if (const auto n = qs::RoundToInt32(v); n && !(std::fabs(*n - v) <= 0.5)) std::abort();
    if (const auto flag = qs::BooleanText(text)) (void)qs::FlagText(*flag);
    return 0;
}
