#include "toolkit/controls.h"
#include "toolkit/handler_call.h"
#include "toolkit/replace.h"

namespace qs::tk {

Button::Button(Container& container, const ButtonArgs& args)
    : Control(Kind::Button, container, args.bounds), caption_(args.caption), default_(args.isDefault),
      cancel_(args.isCancel) {}

void Button::userClick() {
    if (acceptsInput()) detail::CallHandler(onClick);
}

CheckBox::CheckBox(Container& container, const CaptionArgs& args)
    : Control(Kind::CheckBox, container, args.bounds), caption_(args.caption) {}

void CheckBox::setChecked(bool on) {
    if (detail::Replace(checked_, on)) notify(Prop::Value);
}

void CheckBox::userClick() {
    if (!acceptsInput()) return;
    setChecked(!checked_);
    detail::CallHandler(onClick);
}

} // namespace qs::tk
