// PreviewWindow: the preview run ("/P"). The window is loaded but never shown; its
// picture box moves into the host window named on the command line and the slide show
// is drawn into it. When the host closes the surface or goes away, the window unloads
// itself at its next tick, which ends the program.
#pragma once

#include "platform/services.h"
#include "render/next_slide.h"
#include "toolkit/controls.h"
#include "toolkit/form.h"

namespace qs::ui {

class PreviewWindow : public tk::Form {
public:
    explicit PreviewWindow(platform::WindowHandle host);

    tk::Timer slideTimer;
    tk::PictureBox surface;
    tk::Image slidePicture;

protected:
    void Form_Load() override;

private:
    // The host watch, then the show.
    void showNextSlideOrEnd();

    platform::WindowHandle host_;
    // True from load until the host closes the surface.
    bool surfaceInHost_ = false;
    ShowState show_;
};

} // namespace qs::ui
