#include "ui/saver/preview_window.h"

#include "render/slide_schedule.h"
#include "settings/app_settings.h"
#include "toolkit/application.h"
#include "toolkit/picture.h"

namespace qs::ui {

PreviewWindow::PreviewWindow(platform::WindowHandle host)
    : tk::Form("PreviewWindow"),
      slideTimer(*this, "slideTimer", 400),
      surface(*this, "surface", 0, 0, 2280, 1680),
      slidePicture(surface, "slidePicture", 0, 0, 0, 0),
      host_(host) {
    setBorderStyle(tk::BorderStyle::None);
    setShowInTaskbar(false);
    // The program's icon, which the text slide shows.
    if (tk::hasBackend()) setIcon(tk::AppIcon());
    slideTimer.Tick = [this] { showNextSlideOrEnd(); };
    surface.HostClosing = [this] { surfaceInHost_ = false; };
}

void PreviewWindow::Form_Load() {
    // In the show's colour before the host first shows it, not the system's.
    surface.setBackColor(AppSettings().bgColor());
    surface.moveIntoHost(host_);
    surfaceInHost_ = true;
    MakeNextSlideDue(AppSettings().delay());
    // Decoded at the surface's own size, off the user-interface thread. Without a live
    // host the first tick ends the run, and no slide is tried.
    if (platform::services().system->IsWindow(host_)) PrepareSlidesAhead(show_, surface);
}

void PreviewWindow::showNextSlideOrEnd() {
    if (!platform::services().system->IsWindow(host_) || !surfaceInHost_) {
        Unload();
        return;
    }
    NextSlide(show_, *this, surface, slidePicture);
}

} // namespace qs::ui
