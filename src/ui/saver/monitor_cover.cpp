#include "ui/saver/monitor_cover.h"

#include "toolkit/application.h"
#include "ui/saver/saver_window.h"

namespace qs::ui {

MonitorCover::MonitorCover(SaverWindow& show, const platform::RectPx& monitor, tk::Color background)
    : tk::Form({.border = tk::BorderStyle::None,
                .controlBox = false,
                .minButton = false,
                .maxButton = false,
                .inTaskbar = false}),
      show_(show) {
    // Set before the window exists, so that its first paint is already in the colour.
    setBackColor(background);
    const float perPixelX = tk::TwipsPerPixelX(), perPixelY = tk::TwipsPerPixelY();
    move({static_cast<float>(monitor.left) * perPixelX, static_cast<float>(monitor.top) * perPixelY,
          static_cast<float>(monitor.right - monitor.left) * perPixelX,
          static_cast<float>(monitor.bottom - monitor.top) * perPixelY});
}

void MonitorCover::onLoad() {
    platform::services().system->MakeTopmost(handle());
}

bool MonitorCover::onClosing(tk::CloseReason reason) {
    // The show closes its covers from code; any other close is a request to end the show,
    // and the cover stays while the show does (a refused password).
    return reason == tk::CloseReason::Program || show_.close();
}

void MonitorCover::onKeyDown(tk::Key key, tk::KeyModifiers modifiers) {
    show_.takeKey(key, modifiers);
}

void MonitorCover::onMouseDown(float, float) {
    show_.close();
}

void MonitorCover::onMouseMove(float x, float y) {
    show_.countMove(ScreenPixelOf(*this, x, y));
}

std::vector<std::unique_ptr<MonitorCover>> CoverOtherMonitors(SaverWindow& show, tk::Color background) {
    std::vector<std::unique_ptr<MonitorCover>> covers;
    for (const platform::MonitorArea& monitor : platform::services().monitors->List()) {
        if (monitor.primary) continue;
        covers.push_back(std::make_unique<MonitorCover>(show, monitor.rect, background));
        covers.back()->show();
    }
    return covers;
}

} // namespace qs::ui
