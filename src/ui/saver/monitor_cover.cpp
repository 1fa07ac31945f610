#include "ui/saver/monitor_cover.h"

#include "toolkit/application.h"
#include "ui/saver/saver_window.h"

namespace qs::ui {

MonitorCover::MonitorCover(SaverWindow& show, const platform::RectPx& monitor, tk::Color background)
    : tk::Form("MonitorCover"), show_(show) {
    setBorderStyle(tk::BorderStyle::None);
    setControlBox(false);
    setMinButton(false);
    setMaxButton(false);
    setShowInTaskbar(false);
    // Set before the window exists, so that its first paint is already in the colour.
    setBackColor(background);
    const float perPixelX = tk::Screen::TwipsPerPixelX(), perPixelY = tk::Screen::TwipsPerPixelY();
    Move(static_cast<float>(monitor.left) * perPixelX, static_cast<float>(monitor.top) * perPixelY,
         static_cast<float>(monitor.right - monitor.left) * perPixelX,
         static_cast<float>(monitor.bottom - monitor.top) * perPixelY);
}

void MonitorCover::Form_Load() {
    platform::services().system->MakeTopmost(hWnd());
}

void MonitorCover::Form_QueryUnload(bool& cancel, tk::CloseReason reason) {
    // The show unloads its covers from code; any other close is a request to end the show,
    // and the cover stays while the show does (a refused password).
    if (reason != tk::CloseReason::Code && !show_.Unload()) cancel = true;
}

void MonitorCover::Form_KeyDown(std::int16_t&, std::int16_t&) {
    show_.Unload();
}

void MonitorCover::Form_MouseDown(int, int, float, float) {
    show_.Unload();
}

void MonitorCover::Form_MouseMove(int, int, float x, float y) {
    show_.countMove(ScreenPixelOf(*this, x, y));
}

std::vector<std::unique_ptr<MonitorCover>> CoverOtherMonitors(SaverWindow& show, tk::Color background) {
    std::vector<std::unique_ptr<MonitorCover>> covers;
    for (const platform::MonitorArea& monitor : platform::services().monitors->List()) {
        if (monitor.primary) continue;
        covers.push_back(std::make_unique<MonitorCover>(show, monitor.rect, background));
        covers.back()->Show();
    }
    return covers;
}

} // namespace qs::ui
