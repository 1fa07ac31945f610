#include "toolkit/surface.h"

#include "toolkit/application.h"
#include "toolkit/component.h"
#include "toolkit/peer.h"

namespace qs::tk {

SurfacePeer* Surface::surfacePeer() { return dynamic_cast<SurfacePeer*>(surfaceComponent().peer()); }

float Surface::screenWidth() const { return monitorWidth_ > 0 ? monitorWidth_ : ScreenWidth(); }

void Surface::setBackColor(Color c) {
    // The same colour again keeps the drawing: callers set the colour on every tick.
    if (c == backColor_) return;
    backColor_ = c;
    if (Peer* p = surfaceComponent().peer()) p->sync(Prop::Colors);
    if (SurfacePeer* s = surfacePeer()) s->clear(backColor_);
}

void Surface::setForeColor(Color c) {
    if (c == foreColor_) return;
    foreColor_ = c;
    if (Peer* p = surfaceComponent().peer()) p->sync(Prop::Colors);
}

void Surface::clear() {
    if (SurfacePeer* s = surfacePeer()) s->clear(backColor_);
}

void Surface::drawText(float x, float y, const std::string& text) {
    if (SurfacePeer* s = surfacePeer()) s->drawText(x, y, text, font_, foreColor_);
}

void Surface::crossFade(int lengthMs) {
    if (SurfacePeer* s = surfacePeer()) s->crossFade(lengthMs);
}

void Surface::drift(const Image& image, const std::optional<DriftPath>& path, int lengthMs) {
    if (SurfacePeer* s = surfacePeer()) s->drift(image, path ? &*path : nullptr, lengthMs);
}

void Surface::holdDrift(bool held) {
    if (SurfacePeer* s = surfacePeer()) s->holdDrift(held);
}

void Surface::setOverlay(const OverlayText& overlay) {
    if (overlay == overlay_) return;
    overlay_ = overlay;
    if (SurfacePeer* s = surfacePeer()) s->overlayChanged();
}

float Surface::textWidth(const std::string& text) const { return CurrentBackend().measureText(font_, text).width; }

float Surface::textHeight(const std::string& text) const { return CurrentBackend().measureText(font_, text).height; }

} // namespace qs::tk
