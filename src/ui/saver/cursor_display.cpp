#include "ui/saver/cursor_display.h"

#include "platform/services.h"

namespace qs::ui {

namespace {
// The real ShowCursor moves the count by one on every call, so a few calls always reach
// the threshold. A cursor service that stopped counting would otherwise loop for ever;
// this many calls covers every count a thread can have built up in practice.
constexpr int kMaxCalls = 1 << 16;
} // namespace

void HideCursorFully() {
    platform::Cursor& cursor = *platform::services().cursor;
    for (int calls = 0; calls < kMaxCalls; ++calls) {
        if (cursor.ShowCursor(false) < -5) return;
    }
}

void ShowCursorFully() {
    platform::Cursor& cursor = *platform::services().cursor;
    for (int calls = 0; calls < kMaxCalls; ++calls) {
        if (cursor.ShowCursor(true) > 5) return;
    }
}

} // namespace qs::ui
