#include "toolkit/cross_fade.h"

#include <algorithm>
#include <cmath>

namespace qs::tk {

int FadeWeight(double elapsedMs, int lengthMs) {
    if (lengthMs <= 0 || elapsedMs >= lengthMs) return kFullFadeWeight;
    if (elapsedMs <= 0) return 0;
    return std::clamp(static_cast<int>(std::lround(elapsedMs * kFullFadeWeight / lengthMs)), 0, kFullFadeWeight);
}

// Byte by byte with 16-bit products (at most 255 * 256 + 128), a shape the compiler turns
// into vector code: a full screen takes a few milliseconds. Rounded to the nearest, not down,
// so that the mix is even-handed: from red to green, no weight short of the ends gives a
// channel of 0 or 255.
void BlendPixels(const std::uint32_t* from, const std::uint32_t* to, std::uint32_t* out, std::size_t count,
                 int weight) {
    const auto* a = reinterpret_cast<const std::uint8_t*>(from);
    const auto* b = reinterpret_cast<const std::uint8_t*>(to);
    auto* o = reinterpret_cast<std::uint8_t*>(out);
    const auto take = static_cast<std::uint16_t>(std::clamp(weight, 0, kFullFadeWeight));
    const auto keep = static_cast<std::uint16_t>(kFullFadeWeight - take);
    for (std::size_t i = 0; i < count * 4; ++i)
        o[i] = static_cast<std::uint8_t>(static_cast<std::uint16_t>(a[i] * keep + b[i] * take + 128) >> 8);
}

} // namespace qs::tk
