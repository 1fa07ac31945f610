#include "render/fit_picture.h"

#include <optional>

#include "render/screen_share.h"
#include "toolkit/picture.h"

namespace qs {
namespace {

// The stretch factor of one axis. An element or surface without extent on that axis
// has no aspect ratio to keep: the factor 0 collapses the other axis to nothing,
// where a plain division would give infinite or NaN sizes and positions.
double StretchRatio(double target, double current) {
    if (!(current > 0)) return 0.0;
    return target / current;
}

float Stored(double value) { return static_cast<float>(value); }

struct Size {
    double width = 0, height = 0;
};

// The element's size after screen scaling: the picture's natural size on this surface.
Size ScaleToScreen(tk::Image& element, const tk::Surface& surface) {
    const double f = ScaledToScreen(surface.surfaceWidth(), 1.0);
    element.setWidth(Stored(element.Width() * f));
    element.setHeight(Stored(element.Height() * f));
    return {element.Width(), element.Height()};
}

void Fit(tk::Image& element, const tk::Surface& surface, Size natural, bool hStretch, bool vStretch) {
    const float scaleWidth = surface.surfaceScaleWidth();
    const float scaleHeight = surface.surfaceScaleHeight();
    if (hStretch && vStretch) {
        element.setWidth(scaleWidth);
        element.setHeight(scaleHeight);
        element.setLeft(0);
        element.setTop(0);
    } else if (hStretch) {
        const double k = StretchRatio(scaleWidth, element.Width());
        element.setWidth(scaleWidth);
        element.setLeft(0);
        element.setHeight(Stored(element.Height() * k));
    } else if (vStretch) {
        const double k = StretchRatio(scaleHeight, element.Height());
        element.setHeight(scaleHeight);
        element.setTop(0);
        element.setWidth(Stored(element.Width() * k));
    } else {
        element.setWidth(Stored(natural.width));
        element.setHeight(Stored(natural.height));
    }
}

void Place(tk::Image& element, const tk::Surface& surface, bool center) {
    if (center) {
        element.setLeft(Stored((static_cast<double>(surface.surfaceScaleWidth()) - element.Width()) / 2));
        element.setTop(Stored((static_cast<double>(surface.surfaceScaleHeight()) - element.Height()) / 2));
    } else {
        element.setTop(0);
        element.setLeft(0);
    }
}

} // namespace

std::string FitPicture(tk::Image& element, tk::Surface& surface, const std::string& path, bool center,
                       bool hStretch, bool vStretch) {
    element.setVisible(false);
    // Without Stretch the element takes the new picture's natural size, the starting
    // point of the screen scaling below.
    element.setStretch(false);
    if (path.empty()) return {};

    std::optional<tk::Picture> picture = tk::LoadPicture(path);
    if (!picture) return {};
    element.setPicture(*picture);

    surface.Cls();
    element.setStretch(true);
    const Size natural = ScaleToScreen(element, surface);
    Fit(element, surface, natural, hStretch, vStretch);
    Place(element, surface, center);
    return path;
}

} // namespace qs
