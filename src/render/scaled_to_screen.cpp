#include "render/scaled_to_screen.h"

namespace qs {

double ScaledToScreen(double surfaceWidth, double screenWidth, double fullScreenValue) {
    // A screen that reports no width leaves no share to compute; counting the surface
    // as screen-wide keeps sizes finite instead of infinite or NaN.
    if (!(screenWidth > 0)) return fullScreenValue;
    return surfaceWidth * fullScreenValue / screenWidth;
}

} // namespace qs
