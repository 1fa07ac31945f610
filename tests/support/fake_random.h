// FakeRandom: Rnd() hands out queued values in order. When the queue is empty it
// gives `fallback` (0 unless set) and counts the draw in exhaustedDraws, so a test
// can tell that the code drew more often than it planned for. Randomize() is
// counted, never changes the queue.
#pragma once

#include <deque>
#include <initializer_list>

#include "platform/services.h"

namespace qs::test {

class FakeRandom final : public platform::Random {
public:
    void Randomize() override { ++randomizeCount; }
    double Rnd() override;

    void Queue(std::initializer_list<double> values) { queued.insert(queued.end(), values); }

    std::deque<double> queued;
    double fallback = 0.0;
    int randomizeCount = 0;
    int draws = 0;
    int exhaustedDraws = 0;
};

} // namespace qs::test
