#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "toolkit/application.h"
#include "toolkit/change.h"
#include "toolkit/controls.h"
#include "toolkit/handler_call.h"

namespace qs::tk {

namespace {

// A bordered picture box has the sunken 3D edge: two pixels on each side.
constexpr float kBorderPixels = 2;

// With Stretch off an image takes its picture's natural size.
void TakeNaturalSize(Image& image, const Picture& p) {
    if (p.empty()) return;
    image.Move(image.Left(), image.Top(), NaturalTwips(p.Width(), Screen::TwipsPerPixelX()),
               NaturalTwips(p.Height(), Screen::TwipsPerPixelY()));
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

PictureBox::PictureBox(Container& container, std::string name, float left, float top, float width, float height,
                       BorderStyle border, int index)
    : Control(Kind::PictureBox, container, std::move(name), index, left, top, width, height),
      Surface(kColorButtonFace, kColorButtonText), border_(border) {}

void PictureBox::setPicture(const tk::Picture& p) {
    if (detail::Replace(picture_, p)) notify(Prop::Picture);
}

platform::WindowHandle PictureBox::hWnd() const { return peer() ? peer()->hwnd() : 0; }

float PictureBox::ScaleWidth() const {
    if (border_ == BorderStyle::None) return Width();
    return std::max(0.0f, Width() - 2 * kBorderPixels * Screen::TwipsPerPixelX());
}

float PictureBox::ScaleHeight() const {
    if (border_ == BorderStyle::None) return Height();
    return std::max(0.0f, Height() - 2 * kBorderPixels * Screen::TwipsPerPixelY());
}

void PictureBox::moveIntoHost(platform::WindowHandle host) {
    platform::RectPx client;
    platform::services().system->GetClientRect(host, client);
    Move(0, 0, TwipsOf(std::int64_t{client.right} - client.left, Screen::TwipsPerPixelX()),
         TwipsOf(std::int64_t{client.bottom} - client.top, Screen::TwipsPerPixelY()));
    if (auto* hostable = dynamic_cast<HostablePeer*>(peer())) hostable->enterHost(host);
}

void PictureBox::userHostClosing() { detail::fire(HostClosing); }

void PictureBox::userClick() {
    if (acceptsInput()) detail::fire(Click);
}

void PictureBox::userMouseMove(int button, int shift, float x, float y) {
    if (acceptsInput()) detail::fire(MouseMove, button, shift, x, y);
}

Image::Image(Container& container, std::string name, float left, float top, float width, float height, bool stretch,
             int index)
    : Control(Kind::Image, container, std::move(name), index, left, top, width, height), stretch_(stretch) {}

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

void Image::userClick() {
    if (acceptsInput()) detail::fire(Click);
}

void Image::userMouseMove(int button, int shift, float x, float y) {
    if (acceptsInput()) detail::fire(MouseMove, button, shift, x, y);
}

} // namespace qs::tk
