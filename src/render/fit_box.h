// Where a picture lies on a surface: its natural size scaled for the surface's share of
// the screen, then sized and placed by a slide's fitting flags. Plain arithmetic, shared
// by the fitting on the window thread and the preparing off it.
#pragma once

namespace qs {

// The element's place, in twips, for a picture of the natural size given (twips, as
// the element takes it without stretching) on a surface of outer width `surfaceWidth` and
// inner area scaleWidth x scaleHeight, with the screen `screenWidth` wide. Each value is
// computed and stored as a 32-bit float in the order FitPicture's steps give it, so a
// picture prepared off the user-interface thread is decoded at exactly the size the
// element will have.
struct ElementBox {
    float left = 0, top = 0, width = 0, height = 0;
};
ElementBox FitBox(float naturalWidth, float naturalHeight, float surfaceWidth, float scaleWidth, float scaleHeight,
                  double screenWidth, bool center, bool hStretch, bool vStretch);

} // namespace qs
