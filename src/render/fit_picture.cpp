#include "render/fit_picture.h"

#include <optional>

#include "render/fit_box.h"
#include "toolkit/application.h"

namespace qs {

void FitLoadedPicture(tk::Image& element, tk::Surface& surface, const tk::Picture& picture, bool center,
                      bool hStretch, bool vStretch) {
    element.setVisible(false);
    // Without Stretch the element takes the new picture's natural size, the starting
    // point of the screen scaling.
    element.setStretch(false);
    element.setPicture(picture);
    surface.Cls();
    element.setStretch(true);
    const ElementBox e = FitBox(element.Width(), element.Height(), surface.surfaceWidth(),
                                surface.surfaceScaleWidth(), surface.surfaceScaleHeight(), tk::Screen::Width(),
                                center, hStretch, vStretch);
    element.Move(e.left, e.top, e.width, e.height);
}

std::string FitPicture(tk::Image& element, tk::Surface& surface, const std::string& path, bool center,
                       bool hStretch, bool vStretch) {
    element.setVisible(false);
    element.setStretch(false);
    if (path.empty()) return {};
    std::optional<tk::Picture> picture = tk::LoadPicture(path);
    if (!picture) return {};
    FitLoadedPicture(element, surface, *picture, center, hStretch, vStretch);
    return path;
}

} // namespace qs
