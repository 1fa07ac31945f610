#include "toolkit/surface.h"

#include "toolkit/application.h"
#include "toolkit/component.h"
#include "toolkit/peer.h"

namespace qs::tk {

SurfacePeer* Surface::surfacePeer() { return dynamic_cast<SurfacePeer*>(surfaceComponent().peer()); }

void Surface::setBackColor(Color c) {
    // The same colour again keeps the drawing: callers set the colour on every tick.
    if (c == backColor_) return;
    backColor_ = c;
    if (Peer* p = surfaceComponent().peer()) p->sync(Prop::Colors);
    if (SurfacePeer* s = surfacePeer()) s->cls(backColor_);
}

void Surface::setForeColor(Color c) {
    if (c == foreColor_) return;
    foreColor_ = c;
    if (Peer* p = surfaceComponent().peer()) p->sync(Prop::Colors);
}

void Surface::Cls() {
    if (SurfacePeer* s = surfacePeer()) s->cls(backColor_);
    CurrentX = 0;
    CurrentY = 0;
}

void Surface::Print(const std::string& text) {
    if (SurfacePeer* s = surfacePeer()) s->drawText(CurrentX, CurrentY, text, Font, foreColor_);
    CurrentX = 0;
    CurrentY += TextHeight(text);
}

float Surface::TextWidth(const std::string& text) const { return backend().measureText(Font, text).Width; }

float Surface::TextHeight(const std::string& text) const { return backend().measureText(Font, text).Height; }

} // namespace qs::tk
