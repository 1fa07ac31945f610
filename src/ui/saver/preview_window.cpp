#include "ui/saver/preview_window.h"

#include "toolkit/application.h"
#include "toolkit/picture.h"

namespace qs::ui {

PreviewWindow::PreviewWindow(platform::WindowHandle host, const Settings& settings)
    : tk::Form({.border = tk::BorderStyle::None, .inTaskbar = false}),
      slideTimer(*this, {.intervalMs = 400}),
      surface(*this, {.bounds = {0, 0, 2280, 1680}}),
      slidePicture(surface, {}),
      host_(host),
      settings_(settings),
      show_(settings, *this, surface, slidePicture) {
    // The program's icon, which the text slide shows.
    setIcon(tk::AppIcon());
    bindHandlers();
}

void PreviewWindow::bindHandlers() {
    slideTimer.onTick = [this] { showNextSlideOrEnd(); };
    surface.onHostClosed = [this] { surfaceInHost_ = false; };
}

void PreviewWindow::onLoad() {
    // In the show's colour before the host first shows it, not the system's.
    surface.setBackColor(settings_.backgroundColor);
    surface.moveIntoHost(host_);
    surfaceInHost_ = true;
    // Decoded at the surface's own size, off the user-interface thread. Without a live
    // host the first tick ends the run, and no slide is tried.
    if (platform::services().system->IsWindow(host_)) show_.start();
}

void PreviewWindow::showNextSlideOrEnd() {
    if (!platform::services().system->IsWindow(host_) || !surfaceInHost_) {
        close();
        return;
    }
    show_.nextSlide();
}

} // namespace qs::ui
