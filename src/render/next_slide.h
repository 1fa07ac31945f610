// The slide sequencer, called by the timer of every window that shows the running
// slide show. Its schedule lives in the shared start-up state (LastSlideTime,
// CurrentSlide), the slide list in the settings object.
#pragma once

#include "toolkit/controls.h"
#include "toolkit/form.h"
#include "toolkit/surface.h"

namespace qs {

// Keeps the surface's background in step with the setting and, when the slide on show
// has had its time, shows the next one: its picture fitted into pictureElement, or a
// text slide with the window's icon where no picture can be shown.
void NextSlide(tk::Form& window, tk::Surface& surface, tk::Image& pictureElement);

} // namespace qs
