#include "toolkit/component.h"

#include <algorithm>

#include "toolkit/application.h"
#include "toolkit/form.h"

namespace qs::tk {

Component::Component(Kind kind, Form* form, Container* container) : kind_(kind), form_(form), container_(container) {
    if (form_ && kind_ != Kind::Form) form_->registerComponent(*this);
}

Component::~Component() {
    // The peer goes first so that a native child window dies before its parent.
    peer_.reset();
    if (form_ && kind_ != Kind::Form) form_->unregisterComponent(*this);
}

void Component::attachPeer(std::unique_ptr<Peer> peer) {
    peer_ = std::move(peer);
    if (peer_) peer_->sync(Prop::Created);
}

void Component::detachPeer() { peer_.reset(); }

void Component::createPeerIfLoaded() {
    if (peer_ || !form_ || !form_->isLoaded() || kind_ == Kind::Form) return;
    attachPeer(CurrentBackend().createPeer(*this));
}

void Component::notify(Prop what, int index) {
    if (peer_) peer_->sync(what, index);
}

void Container::removeChild(Control* c) {
    children_.erase(std::remove(children_.begin(), children_.end(), c), children_.end());
}

} // namespace qs::tk
