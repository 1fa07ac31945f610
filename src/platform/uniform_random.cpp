#include "platform/uniform_random.h"

namespace qs::platform {

namespace {
// Timer readings of two runs often differ in a few low bits only; one round of
// SplitMix64 spreads such a difference over the whole seed.
std::uint64_t Spread(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}
} // namespace

UniformRandom::UniformRandom(TimerSource timer) : timer_(timer), engine_(Spread(0)) {}

void UniformRandom::Randomize() {
    Seed(timer_ ? timer_() : 0);
}

double UniformRandom::Rnd() {
    // The top 53 bits fill a double's mantissa exactly, so the result is uniform on a
    // grid of 2^-53 and never reaches 1 (std::uniform_real_distribution may, on some
    // library versions, and differs between them).
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

void UniformRandom::Seed(std::uint64_t seed) {
    engine_.seed(Spread(seed));
}

} // namespace qs::platform
