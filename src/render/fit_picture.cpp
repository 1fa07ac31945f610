#include "render/fit_picture.h"

#include <optional>

#include "render/fit_box.h"

namespace qs {

void FitLoadedPicture(tk::Image& element, tk::Surface& surface, const tk::Picture& picture, const Slide& slide) {
    element.setVisible(false);
    // Not stretching, the element takes the new picture's natural size, the starting
    // point of the screen scaling.
    element.setStretch(false);
    element.setPicture(picture);
    surface.clear();
    element.setStretch(true);
    const ElementBox e = FitBox(element.width(), element.height(), surface.surfaceWidth(),
                                surface.surfaceClientWidth(), surface.surfaceClientHeight(), surface.screenWidth(),
                                slide.center, slide.hStretch, slide.vStretch);
    element.move({e.left, e.top, e.width, e.height});
}

std::string FitPicture(tk::Image& element, tk::Surface& surface, const Slide& slide) {
    element.setVisible(false);
    element.setStretch(false);
    if (slide.path.empty()) return {};
    std::optional<tk::Picture> picture = tk::LoadPicture(slide.path);
    if (!picture) return {};
    FitLoadedPicture(element, surface, *picture, slide);
    return slide.path;
}

} // namespace qs
