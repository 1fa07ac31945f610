#include <cctype>

#include "toolkit/component.h"
#include "toolkit/change.h"
#include "toolkit/form.h"
#include "toolkit/handler_call.h"

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

Control::Control(Kind kind, Container& container, std::string name, int index, float left, float top, float width,
                 float height)
    : Component(kind, &container.asComponent().form(), &container, std::move(name), index),
      left_(left), top_(top), width_(width), height_(height) {
    container.addChild(this);
}

Control::~Control() {
    Form& f = form();
    if (f.ActiveControl() == this) f.setActiveControl(nullptr);
    if (container()) container()->removeChild(this);
}

void Control::Move(float left, float top, float width, float height) {
    // Negative sizes are not a size; windows treat them as zero.
    if (width < 0) width = 0;
    if (height < 0) height = 0;
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    notify(Prop::Geometry);
}

void Control::setVisible(bool v) {
    if (detail::Replace(visible_, v)) notify(Prop::Visible);
}

void Control::setEnabled(bool v) {
    if (detail::Replace(enabled_, v)) notify(Prop::Enabled);
}

void Control::setToolTipText(const std::string& text) {
    if (detail::Replace(toolTip_, text)) notify(Prop::ToolTip);
}

void Control::setMousePointer(int shape) {
    if (detail::Replace(mousePointer_, shape)) notify(Prop::Pointer);
}

void Control::setMouseIcon(const std::string& resourceName) {
    if (detail::Replace(mouseIcon_, resourceName)) notify(Prop::Pointer);
}

void Control::SetFocus() {
    // A control that cannot hold the focus keeps it where it is, as the window system does.
    if (!canFocus() || !enabled_ || !visible_ || hasFocus()) return;
    form().setActiveControl(this);
    notify(Prop::Focus);
}

bool Control::hasFocus() const { return form().ActiveControl() == this; }

// The window reports the focus the form gave it too; that is no move of the user's. Either
// handler may move the focus on again, and then the later steps give way to it.
void Control::userGotFocus() {
    Form& f = form();
    Control* previous = f.ActiveControl();
    if (previous == this) return;
    f.setActiveControl(this);
    if (previous) detail::fire(previous->LostFocus);
    if (f.ActiveControl() == this) detail::fire(GotFocus);
}

bool Control::acceptsInput() const {
    if (!enabled_) return false;
    for (Control* c = EnclosingControl(*this); c; c = EnclosingControl(*c))
        if (!c->Enabled()) return false;
    return form().Enabled();
}

bool Control::visibleInContainers() const {
    if (!visible_) return false;
    for (Control* c = EnclosingControl(*this); c; c = EnclosingControl(*c))
        if (!c->Visible()) return false;
    return true;
}

char Control::AccessKeyOf(const std::string& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        // "&&" is a literal ampersand, not a marker.
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        return static_cast<char>(std::toupper(static_cast<unsigned char>(caption[i + 1])));
    }
    return 0;
}

} // namespace qs::tk
