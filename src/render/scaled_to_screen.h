// Pictures and the text slide keep on a small surface (the preview, the settings
// dialog's monitor) the share of the surface they would have on the whole screen.
#pragma once

namespace qs {

// fullScreenValue scaled by surfaceWidth / the screen's width (both twips), computed
// as surfaceWidth * fullScreenValue / screen width.
double ScaledToScreen(double surfaceWidth, double fullScreenValue);

} // namespace qs
