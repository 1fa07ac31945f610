// What a slide shows when it has no picture to show: the calling window's icon
// stretched over the middle of the surface and a heading above it.
#pragma once

#include <optional>
#include <string>

#include "toolkit/controls.h"
#include "toolkit/form.h"
#include "toolkit/surface.h"

namespace qs {

// missingPath is the path of the entry whose picture could not be shown (it may be
// empty), or nullopt when the slide list has no entries. The element is left for the
// caller to show.
void DrawTextSlide(const tk::Form& window, tk::Surface& surface, tk::Image& element,
                   const std::optional<std::string>& missingPath);

} // namespace qs
