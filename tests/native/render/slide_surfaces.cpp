#include "slide_surfaces.h"

namespace qs::test {

const char* AreaName(Area area) {
    switch (area) {
    case Area::Screen: return "Screen";
    case Area::Wide: return "Wide";
    case Area::Preview: return "Preview";
    case Area::Framed: return "Framed";
    case Area::Empty: return "Empty";
    }
    return "?";
}

SlideSurfaces::SlideSurfaces()
    : tk::Form("SlideSurfaces"),
      bgImg(*this, "bgImg", 0, 0, 0, 0),
      // As wide as the screen and half as high: stretching one axis overflows the other.
      Wide(*this, "Wide", 0, 0, kScreenWidth, kScreenHeight / 2),
      wideImg(Wide, "wideImg", 0, 0, 0, 0),
      // A tenth of the screen in each direction, as the preview inside the host window.
      Preview(*this, "Preview", 0, 0, kScreenWidth / 10, kScreenHeight / 10),
      previewImg(Preview, "previewImg", 0, 0, 0, 0),
      // With a border its inner area is smaller than its outer size.
      Framed(*this, "Framed", 0, 0, 3000, 2400, tk::BorderStyle::FixedSingle),
      framedImg(Framed, "framedImg", 0, 0, 0, 0),
      Empty(*this, "Empty", 0, 0, 0, 0),
      emptyImg(Empty, "emptyImg", 0, 0, 0, 0) {
    setBorderStyle(tk::BorderStyle::None);
    setClientSize(kScreenWidth, kScreenHeight);
}

SlideSurfaces::Slot SlideSurfaces::at(Area area) {
    switch (area) {
    case Area::Screen: break;
    case Area::Wide: return {Wide, wideImg, Wide};
    case Area::Preview: return {Preview, previewImg, Preview};
    case Area::Framed: return {Framed, framedImg, Framed};
    case Area::Empty: return {Empty, emptyImg, Empty};
    }
    return {*this, bgImg, *this};
}

} // namespace qs::test
