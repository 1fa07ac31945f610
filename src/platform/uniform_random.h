// The random-number generator the slide sequencer draws from: a 64-bit Mersenne
// Twister whose output is cut to 53 bits and scaled to [0, 1), seeded from a timer the
// platform gives.
#pragma once

#include <cstdint>
#include <random>

#include "platform/services.h"

namespace qs::platform {

class UniformRandom final : public Random {
public:
    using TimerSource = std::uint64_t (*)();

    // timer gives the value Randomize seeds from; it is read once per Randomize.
    explicit UniformRandom(TimerSource timer);

    void Randomize() override;
    double Rnd() override;

    // Restarts the sequence from a known seed.
    void Seed(std::uint64_t seed);

private:
    TimerSource timer_;
    std::mt19937_64 engine_;
};

} // namespace qs::platform
