// FakeScreen: metrics that the test sets (1024 x 768 at 15 twips per pixel unless
// changed); counts its reads.
// FakeCursor: ShowCursor's display count (0 at start, as with a mouse present), with
// every call recorded in order (true = show).
#pragma once

#include <vector>

#include "platform/services.h"

namespace qs::test {

class FakeScreen final : public platform::Screen {
public:
    platform::ScreenMetrics Metrics() override {
        ++reads;
        return metrics;
    }

    platform::ScreenMetrics metrics{};
    int reads = 0;
};

class FakeCursor final : public platform::Cursor {
public:
    int ShowCursor(bool show) override {
        calls.push_back(show);
        displayCount += show ? 1 : -1;
        return displayCount;
    }

    int displayCount = 0;
    std::vector<bool> calls;
};

} // namespace qs::test
