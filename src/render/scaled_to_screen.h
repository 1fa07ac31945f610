// Pictures and the text slide keep on a small surface (the preview, the settings
// dialog's monitor) the share of the surface they would have on the whole screen.
#pragma once

namespace qs {

// fullScreenValue scaled by surfaceWidth / screenWidth (both twips), computed as
// surfaceWidth * fullScreenValue / screenWidth.
double ScaledToScreen(double surfaceWidth, double screenWidth, double fullScreenValue);

} // namespace qs
