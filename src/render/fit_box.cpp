#include "render/fit_box.h"

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
// A negative size is no size: the element stores it as zero.
float StoredSize(double value) {
    const float size = Stored(value);
    return size < 0 ? 0.0f : size;
}

} // namespace

ElementBox FitBox(float naturalWidth, float naturalHeight, float surfaceWidth, float scaleWidth, float scaleHeight,
                  double screenWidth, bool center, bool hStretch, bool vStretch) {
    // The picture keeps on this surface the share of the screen it would have on the whole
    // screen; a screen that reports no width counts the surface as screen-wide.
    const double f = screenWidth > 0 ? surfaceWidth * 1.0 / screenWidth : 1.0;
    ElementBox e{0, 0, StoredSize(naturalWidth), StoredSize(naturalHeight)};
    e.width = StoredSize(e.width * f);
    e.height = StoredSize(e.height * f);
    if (hStretch && vStretch) {
        e.width = StoredSize(scaleWidth);
        e.height = StoredSize(scaleHeight);
    } else if (hStretch) {
        const double k = StretchRatio(scaleWidth, e.width);
        e.width = StoredSize(scaleWidth);
        e.height = StoredSize(e.height * k);
    } else if (vStretch) {
        const double k = StretchRatio(scaleHeight, e.height);
        e.height = StoredSize(scaleHeight);
        e.width = StoredSize(e.width * k);
    }
    if (center) {
        e.left = Stored((static_cast<double>(scaleWidth) - e.width) / 2);
        e.top = Stored((static_cast<double>(scaleHeight) - e.height) / 2);
    }
    return e;
}

} // namespace qs
