// Windows reports a mouse move not only when the mouse moves: a window that appears
// under a still cursor gets one, and so does a window after another window above it has
// gone (the password dialog, for instance). Counting those would end the show after
// fewer real moves than the movement rule allows, so the saver counts a move event only
// when it reports another cursor position than the last one seen. The first position is
// the cursor's own position when the window loads, so the event that a window appearing
// under the cursor receives is not counted either.
#pragma once

#include <cstdint>
#include <optional>

namespace qs::ui {

struct CursorPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const CursorPoint&) const = default;
};

class StillCursorFilter {
public:
    // Starts over from a known position, or with none (the next event then counts).
    void restart(std::optional<CursorPoint> position) { last_ = position; }
    // True when the event reports a position other than the last one; remembers it.
    bool moved(CursorPoint position) {
        const bool moved = !last_ || !(*last_ == position);
        last_ = position;
        return moved;
    }

private:
    std::optional<CursorPoint> last_;
};

} // namespace qs::ui
