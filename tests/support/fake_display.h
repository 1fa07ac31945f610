// FakeScreen: metrics that the test sets (1024 x 768 at 15 twips per pixel unless
// changed); counts its reads.
// FakeCursor: ShowCursor's display count (0 at start, as with a mouse present), with
// every call recorded in order (true = show). Its position is unknown unless the test
// sets `position`.
#pragma once

#include <cstdint>
#include <optional>
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

    bool GetPosition(std::int32_t& x, std::int32_t& y) override {
        if (!position) return false;
        x = position->x;
        y = position->y;
        return true;
    }

    struct Point {
        std::int32_t x = 0, y = 0;
    };
    std::optional<Point> position;
    int displayCount = 0;
    std::vector<bool> calls;
};

} // namespace qs::test
