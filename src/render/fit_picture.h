// Loads one picture file into a picture element lying on a drawing surface, scales it
// for the surface's share of the screen and sizes and places it by a slide's fitting
// flags (FitBox). The editor's preview loads and fits at once; the running show fits a
// picture its preparer has ready.
#pragma once

#include <string>

#include "settings/slide.h"
#include "toolkit/controls.h"
#include "toolkit/picture.h"
#include "toolkit/surface.h"

namespace qs {

// Returns the path when the picture was loaded and placed, and the empty string when
// the path is empty or the picture cannot be loaded; in that case the element keeps
// the picture it had. The element is hidden on return either way: showing it is the
// caller's decision.
std::string FitPicture(tk::Image& element, tk::Surface& surface, const Slide& slide);

// FitPicture with the picture already loaded.
void FitLoadedPicture(tk::Image& element, tk::Surface& surface, const tk::Picture& picture, const Slide& slide);

} // namespace qs
