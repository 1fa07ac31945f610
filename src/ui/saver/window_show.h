// WindowShow: the slide show on a full-screen window, the primary's or another monitor's own:
// the timer that ticks it, the picture element its slides show in, the show itself and, in a
// show steered by keys, the pause sign. Moves over the picture are the window's: they reach
// `pictureMoved` in the window's twips.
#pragma once

#include <functional>
#include <optional>

#include "render/slide_show.h"
#include "settings/settings.h"
#include "toolkit/controls.h"
#include "toolkit/form.h"
#include "ui/saver/pause_mark.h"

namespace qs::ui {

class WindowShow {
public:
    // The settings and the window outlive the show.
    WindowShow(tk::Form& window, const Settings& settings, std::function<void(float x, float y)> pictureMoved);

    SlideShow& show() { return show_; }
    // Steered by keys: the arrow keys step and Space pauses.
    bool steered() const { return pauseMark_.has_value(); }
    void step(int direction) { show_.step(direction); }
    bool paused() const { return show_.paused(); }
    // Pauses or resumes the show, with its sign in the window's corner.
    void setPaused(bool paused);

private:
    tk::Timer timer_;
    tk::Image picture_;
    SlideShow show_;
    std::optional<PauseMark> pauseMark_;
};

} // namespace qs::ui
