#include "toolkit/controls.h"
#include "toolkit/change.h"
#include "toolkit/handler_call.h"

namespace qs::tk {

namespace {

// A form has at most one default and one cancel button: naming one clears the other.
template <class Flag, class Set>
void ClearOthers(CommandButton& keep, Flag flag, Set set) {
    for (Component* c : keep.form().components()) {
        if (c == &keep || c->kind() != Kind::CommandButton) continue;
        auto* other = static_cast<CommandButton*>(c);
        if ((other->*flag)()) (other->*set)(false);
    }
}

} // namespace

CommandButton::CommandButton(Container& container, std::string name, const std::string& caption, float left,
                             float top, float width, float height, int index)
    : Control(Kind::CommandButton, container, std::move(name), index, left, top, width, height), caption_(caption) {}

void CommandButton::setCaption(const std::string& c) {
    if (detail::Replace(caption_, c)) notify(Prop::Caption);
}

void CommandButton::setDefault(bool v) {
    if (v == default_) return;
    if (v) ClearOthers(*this, &CommandButton::Default, &CommandButton::setDefault);
    default_ = v;
    notify(Prop::DefaultCancel);
}

void CommandButton::setCancel(bool v) {
    if (v == cancel_) return;
    if (v) ClearOthers(*this, &CommandButton::Cancel, &CommandButton::setCancel);
    cancel_ = v;
    notify(Prop::DefaultCancel);
}

void CommandButton::userClick() {
    if (acceptsInput()) detail::fire(Click);
}

CheckBox::CheckBox(Container& container, std::string name, const std::string& caption, float left, float top,
                   float width, float height, int index)
    : Control(Kind::CheckBox, container, std::move(name), index, left, top, width, height), caption_(caption) {}

void CheckBox::setCaption(const std::string& c) {
    if (detail::Replace(caption_, c)) notify(Prop::Caption);
}

void CheckBox::setValue(int v) {
    // 0 clear, 1 checked, 2 greyed; anything else is not a state and changes nothing.
    if (v < 0 || v > 2 || v == value_) return;
    value_ = v;
    notify(Prop::Value);
}

void CheckBox::userClick() {
    if (!acceptsInput()) return;
    setValue(value_ == 1 ? 0 : 1);
    detail::fire(Click);
}

} // namespace qs::tk
