// What the slide-show editor hands back to the window that opened it (the settings dialog).
#pragma once

#include <vector>

#include "settings/slide.h"

namespace qs::ui {

class SlideShowEditorOwner {
public:
    virtual ~SlideShowEditorOwner() = default;
    // Apply and OK: the working list becomes the show's list.
    virtual void applySlides(const std::vector<Slide>& slides) = 0;
    // The two option boxes take effect at once, not at Apply; a discarding close puts
    // them back to their last applied values, and reports those.
    virtual void setEditorOptions(bool showPreview, bool hideWarnings) = 0;
};

} // namespace qs::ui
