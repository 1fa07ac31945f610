// PreviewWindow: the preview run ("/P"). The window is loaded but never shown; its
// picture box moves into the host window named on the command line and the slide show
// of the settings it is given is drawn into it. When the host closes the surface or goes
// away, the window closes itself at its next tick, which ends the program.
#pragma once

#include "platform/services.h"
#include "render/slide_show.h"
#include "settings/settings.h"
#include "toolkit/controls.h"
#include "toolkit/form.h"

namespace qs::ui {

class PreviewWindow : public tk::Form {
public:
    // The settings outlive the window.
    PreviewWindow(platform::WindowHandle host, const Settings& settings);

    tk::Timer slideTimer;
    tk::PictureBox surface;
    tk::Image slidePicture;

protected:
    void onLoad() override;

private:
    void bindHandlers();
    // The host watch, then the show.
    void showNextSlideOrEnd();

    platform::WindowHandle host_;
    const Settings& settings_;
    // True from load until the host closes the surface.
    bool surfaceInHost_ = false;
    SlideShow show_;
};

} // namespace qs::ui
