// Loads one picture file into a picture element lying on a drawing surface, scales it
// for the surface's share of the screen and sizes and places it by a slide entry's
// fitting flags. Used by the slide sequencer and by the editor's preview.
#pragma once

#include <string>

#include "toolkit/controls.h"
#include "toolkit/picture.h"
#include "toolkit/surface.h"

namespace qs {

// Returns the path when the picture was loaded and placed, and the empty string when
// the path is empty or the picture cannot be loaded; in that case the element keeps
// the picture it had. The element is hidden on return either way: showing it is the
// caller's decision.
std::string FitPicture(tk::Image& element, tk::Surface& surface, const std::string& path, bool center,
                       bool hStretch, bool vStretch);

// FitPicture with the picture already loaded (prepared ahead by the running show).
void FitLoadedPicture(tk::Image& element, tk::Surface& surface, const tk::Picture& picture, bool center,
                      bool hStretch, bool vStretch);

} // namespace qs
