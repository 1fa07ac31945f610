#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "toolkit/application.h"
#include "toolkit/controls.h"
#include "toolkit/handler_call.h"
#include "toolkit/replace.h"

namespace qs::tk {

namespace {

// A bordered picture box has the sunken 3D edge: two pixels on each side.
constexpr float kBorderPixels = 2;

// Not stretching, an image takes its picture's natural size.
void TakeNaturalSize(Image& image, const Picture& p) {
    if (p.empty()) return;
    image.move({image.left(), image.top(), NaturalTwips(p.himetricWidth(), TwipsPerPixelX()),
                NaturalTwips(p.himetricHeight(), TwipsPerPixelY())});
}

// Twips of a pixel length, with the screen's own factor (7.5 at 192 dpi), so that the
// length converts back to the same whole pixels. Real client areas are far too small to
// overflow 32 bits; a host reporting absurd numbers gets the largest surface instead of a
// wrapped one, and a factor no real screen reports counts as the usual 15.
float TwipsOf(std::int64_t pixels, double twipsPerPixel) {
    if (!(twipsPerPixel > 0 && twipsPerPixel < 1440)) twipsPerPixel = 15;
    const double twips = static_cast<double>(pixels) * twipsPerPixel;
    return static_cast<float>(std::clamp<double>(twips, std::numeric_limits<std::int32_t>::min(),
                                                 std::numeric_limits<std::int32_t>::max()));
}

} // namespace

PictureBox::PictureBox(Container& container, const PictureBoxArgs& args)
    : Control(Kind::PictureBox, container, args.bounds), Surface(kColorButtonFace, kColorButtonText),
      border_(args.border) {}

void PictureBox::setPicture(const tk::Picture& p) {
    if (detail::Replace(picture_, p)) notify(Prop::Picture);
}

platform::WindowHandle PictureBox::handle() const { return peer() ? peer()->hwnd() : 0; }

float PictureBox::clientWidth() const {
    if (!border_) return width();
    return std::max(0.0f, width() - 2 * kBorderPixels * TwipsPerPixelX());
}

float PictureBox::clientHeight() const {
    if (!border_) return height();
    return std::max(0.0f, height() - 2 * kBorderPixels * TwipsPerPixelY());
}

void PictureBox::moveIntoHost(platform::WindowHandle host) {
    platform::RectPx client;
    platform::services().system->GetClientRect(host, client);
    move({0, 0, TwipsOf(std::int64_t{client.right} - client.left, TwipsPerPixelX()),
          TwipsOf(std::int64_t{client.bottom} - client.top, TwipsPerPixelY())});
    if (auto* hostable = dynamic_cast<HostablePeer*>(peer())) hostable->enterHost(host);
}

void PictureBox::userHostClosed() { detail::CallHandler(onHostClosed); }

Image::Image(Container& container, const ImageArgs& args)
    : Control(Kind::Image, container, args.bounds), stretch_(args.stretch) {}

void Image::setPicture(const tk::Picture& p) {
    const bool changed = !(p == picture_);
    picture_ = p;
    if (!stretch_) TakeNaturalSize(*this, p);
    if (changed) notify(Prop::Picture);
}

void Image::setStretch(bool v) {
    if (!detail::Replace(stretch_, v)) return;
    notify(Prop::Stretch);
    // Leaving stretch mode shows the picture at its natural size again.
    if (!stretch_) TakeNaturalSize(*this, picture_);
}

void Image::userMouseMove(float x, float y) {
    if (acceptsInput()) detail::CallHandler(onMouseMove, x, y);
}

} // namespace qs::tk
