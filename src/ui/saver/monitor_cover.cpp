#include "ui/saver/monitor_cover.h"

#include "toolkit/application.h"
#include "ui/saver/saver_window.h"

namespace qs::ui {

MonitorCover::MonitorCover(SaverWindow& show, const platform::RectPx& monitor, const Settings& settings,
                           std::int32_t number)
    : tk::Form({.border = tk::BorderStyle::None,
                .controlBox = false,
                .minButton = false,
                .maxButton = false,
                .inTaskbar = false}),
      show_(show) {
    // Set before the window exists, so that its first paint is already in the colour.
    setBackColor(settings.backgroundColor);
    const float perPixelX = tk::TwipsPerPixelX(), perPixelY = tk::TwipsPerPixelY();
    const float width = static_cast<float>(monitor.right - monitor.left) * perPixelX;
    move({static_cast<float>(monitor.left) * perPixelX, static_cast<float>(monitor.top) * perPixelY, width,
          static_cast<float>(monitor.bottom - monitor.top) * perPixelY});
    if (!settings.options.everyMonitor) return;
    // The monitor is this show's whole screen: pictures keep the size they have on the primary.
    standForMonitor(width);
    // Moves over the picture count as moves over the cover, as on the show's window.
    slides_ = std::make_unique<WindowShow>(*this, settings,
                                           [this](float x, float y) { show_.countMove(ScreenPixelOf(*this, x, y)); });
    slides_->show().startFurtherOn(number);
}

MonitorCover::~MonitorCover() = default;

void MonitorCover::onLoad() {
    platform::services().system->MakeTopmost(handle());
    // Started with the primary's show: the first slides come together.
    if (slides_) slides_->show().start();
}

void MonitorCover::step(int direction) {
    if (slides_) slides_->step(direction);
}

void MonitorCover::setPaused(bool paused) {
    if (slides_) slides_->setPaused(paused);
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

std::vector<std::unique_ptr<MonitorCover>> CoverOtherMonitors(SaverWindow& show, const Settings& settings) {
    std::vector<std::unique_ptr<MonitorCover>> covers;
    for (const platform::MonitorArea& monitor : platform::services().monitors->List()) {
        if (monitor.primary) continue;
        const auto number = static_cast<std::int32_t>(covers.size()) + 1;
        covers.push_back(std::make_unique<MonitorCover>(show, monitor.rect, settings, number));
        covers.back()->show();
    }
    return covers;
}

} // namespace qs::ui
