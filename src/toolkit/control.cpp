#include "toolkit/component.h"
#include "toolkit/form.h"
#include "toolkit/handler_call.h"
#include "toolkit/replace.h"

namespace qs::tk {

namespace {

// The control that holds `c`, or null when its container is the form.
Control* EnclosingControl(const Control& c) {
    Container* holder = c.container();
    if (!holder) return nullptr;
    Component& owner = holder->asComponent();
    if (owner.kind() == Kind::Form) return nullptr;
    return dynamic_cast<Control*>(&owner);
}

} // namespace

Control::Control(Kind kind, Container& container, const Bounds& bounds)
    : Component(kind, &container.asComponent().form(), &container), bounds_(bounds) {
    container.addChild(this);
}

Control::~Control() {
    Form& f = form();
    if (f.focusedControl() == this) f.setFocusedControl(nullptr);
    if (container()) container()->removeChild(this);
}

void Control::move(const Bounds& bounds) {
    // Negative sizes are not a size; windows treat them as zero.
    Bounds b = bounds;
    if (b.width < 0) b.width = 0;
    if (b.height < 0) b.height = 0;
    if (b.left == bounds_.left && b.top == bounds_.top && b.width == bounds_.width && b.height == bounds_.height)
        return;
    bounds_ = b;
    notify(Prop::Geometry);
}

void Control::setVisible(bool v) {
    if (detail::Replace(visible_, v)) notify(Prop::Visible);
}

void Control::setEnabled(bool v) {
    if (detail::Replace(enabled_, v)) notify(Prop::Enabled);
}

void Control::setToolTip(const std::string& text) {
    if (detail::Replace(toolTip_, text)) notify(Prop::ToolTip);
}

void Control::setPointer(Pointer shape) {
    if (detail::Replace(pointer_, shape)) notify(Prop::Pointer);
}

void Control::setFocus() {
    // A control that cannot hold the focus keeps it where it is, as the window system does.
    if (!canFocus() || !enabled_ || !visible_ || hasFocus()) return;
    form().setFocusedControl(this);
    notify(Prop::Focus);
}

bool Control::hasFocus() const { return form().focusedControl() == this; }

void Control::userFocused() {
    // The window reports the focus the program gave it, too: that is no move of the user's.
    if (hasFocus()) return;
    form().setFocusedControl(this);
    detail::CallHandler(onFocus);
}

bool Control::acceptsInput() const {
    if (!enabled_) return false;
    for (Control* c = EnclosingControl(*this); c; c = EnclosingControl(*c))
        if (!c->enabled()) return false;
    return form().enabled();
}

bool Control::visibleInContainers() const {
    if (!visible_) return false;
    for (Control* c = EnclosingControl(*this); c; c = EnclosingControl(*c))
        if (!c->visible()) return false;
    return true;
}

} // namespace qs::tk
