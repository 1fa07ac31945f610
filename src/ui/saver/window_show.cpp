#include "ui/saver/window_show.h"

namespace qs::ui {

WindowShow::WindowShow(tk::Form& window, const Settings& settings, std::function<void(float x, float y)> pictureMoved)
    : timer_(window, {.intervalMs = 400}), picture_(window, {}), show_(settings, window, window, picture_) {
    timer_.onTick = [this] { show_.nextSlide(); };
    // The picture reports positions on itself.
    picture_.onMouseMove = [this, moved = std::move(pictureMoved)](float x, float y) {
        moved(picture_.left() + x, picture_.top() + y);
    };
    if (settings.options.steeringKeys) {
        show_.steerByKeys();
        pauseMark_.emplace(window);
    }
}

void WindowShow::setPaused(bool paused) {
    if (!pauseMark_) return;
    show_.setPaused(paused);
    pauseMark_->setShown(paused);
}

} // namespace qs::ui
