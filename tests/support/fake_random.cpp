#include "fake_random.h"

namespace qs::test {

double FakeRandom::Rnd() {
    ++draws;
    if (queued.empty()) {
        ++exhaustedDraws;
        return fallback;
    }
    const double value = queued.front();
    queued.pop_front();
    return value;
}

} // namespace qs::test
