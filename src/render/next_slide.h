// The slide sequencer, called by the timer of every window that shows the running
// slide show. The time of the last slide is shared (LastSlideTime), the slide chosen
// last belongs to the window's own show, the slide list to the settings object.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "render/slide_prefetch.h"
#include "render/slide_preparer.h"
#include "toolkit/controls.h"
#include "toolkit/form.h"
#include "toolkit/picture.h"
#include "toolkit/surface.h"

namespace qs {

// What one window's running show keeps between ticks.
struct ShowState {
    // 1-based index of the slide chosen last; 0 before the first.
    std::int32_t currentSlide = 0;
    SlidePrefetch prefetch;
    // Present once the window prepares its slides ahead (PrepareSlidesAhead); without it
    // a due slide is loaded when it is due.
    std::unique_ptr<SlidePreparer> preparer;
    // The picture prepared for the slide prefetch wants next, until it is shown.
    std::optional<tk::Picture> prepared;
};

// Keeps the surface's background in step with the setting and, when the slide on show
// has had its time, shows the next one: its picture fitted into pictureElement, or a
// text slide with the window's icon where no picture can be shown.
void NextSlide(ShowState& show, tk::Form& window, tk::Surface& surface, tk::Image& pictureElement);

// From now on the show prepares each slide off the user-interface thread, for this
// surface, starting with the next one at once: a window calls it when it loads, so
// that the first picture decodes while the window comes up.
void PrepareSlidesAhead(ShowState& show, const tk::Surface& surface);

} // namespace qs
