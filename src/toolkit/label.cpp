#include "toolkit/application.h"
#include "toolkit/controls.h"
#include "toolkit/handler_call.h"
#include "toolkit/replace.h"

namespace qs::tk {

Label::Label(Container& container, const LabelArgs& args)
    : Control(Kind::Label, container, args.bounds), caption_(args.caption), autoSize_(args.autoSize) {
    applyAutoSize();
}

void Label::setCaption(const std::string& text) {
    if (!detail::Replace(caption_, text)) return;
    notify(Prop::Caption);
    applyAutoSize();
}

void Label::setForeColor(Color c) {
    if (detail::Replace(foreColor_, c)) notify(Prop::Colors);
}

void Label::setFont(const FontSpec& f) {
    if (!detail::Replace(font_, f)) return;
    notify(Prop::Font);
    applyAutoSize();
}

void Label::applyAutoSize() {
    if (!autoSize_) return;
    const SizeTwips size = CurrentBackend().measureText(font_, caption_);
    move({left(), top(), size.width, size.height});
}

void Label::userClick() {
    if (acceptsInput()) detail::CallHandler(onClick);
}

} // namespace qs::tk
