#include "ui/saver/preview_window.h"

#include "toolkit/application.h"
#include "toolkit/picture.h"

namespace qs::ui {

PreviewWindow::PreviewWindow(platform::WindowHandle host, const Settings& settings)
    : tk::Form("PreviewWindow"),
      slideTimer(*this, "slideTimer", 400),
      surface(*this, "surface", 0, 0, 2280, 1680),
      slidePicture(surface, "slidePicture", 0, 0, 0, 0),
      host_(host),
      settings_(settings),
      show_(settings, *this, surface, slidePicture) {
    setBorderStyle(tk::BorderStyle::None);
    setShowInTaskbar(false);
    // The program's icon, which the text slide shows.
    setIcon(tk::AppIcon());
    slideTimer.Tick = [this] { showNextSlideOrEnd(); };
    surface.HostClosing = [this] { surfaceInHost_ = false; };
}

void PreviewWindow::Form_Load() {
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
        Unload();
        return;
    }
    show_.nextSlide();
}

} // namespace qs::ui
