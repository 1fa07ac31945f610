// The arithmetic of a cross-fade, in plain integer code: how far a fade has come at a time,
// and one frame of it, the old pixels mixed with the new at that weight. Pixels are 32-bit
// 0x00RRGGBB, as in a 32-bit DIB section.
#pragma once

#include <cstddef>
#include <cstdint>

namespace qs::tk {

// The weights run from 0 (the old picture alone) to this (the new one alone).
inline constexpr int kFullFadeWeight = 256;

// The weight `elapsedMs` into a fade of `lengthMs`: linear in time, 0 at the start, full at
// the end and after it (and for a fade of no length).
int FadeWeight(double elapsedMs, int lengthMs);

// out = from + (to - from) * weight / 256, rounded, for each channel of `count` pixels;
// `out` may be either input.
void BlendPixels(const std::uint32_t* from, const std::uint32_t* to, std::uint32_t* out, std::size_t count,
                 int weight);

} // namespace qs::tk
