#include "toolkit/controls.h"
#include "toolkit/handler_call.h"
#include "toolkit/replace.h"

namespace qs::tk {

namespace {
constexpr char kBackspace = 8;
}

TextBox::TextBox(Container& container, const TextBoxArgs& args)
    : Control(Kind::TextBox, container, args.bounds), text_(args.text) {}

void TextBox::setText(const std::string& t) {
    if (detail::Replace(text_, t)) notify(Prop::Text);
}

void TextBox::userChar(char ch) {
    if (!acceptsInput()) return;
    if (onKeyPress && !onKeyPress(ch)) return;
    std::string text = text_;
    if (ch == kBackspace) {
        if (text.empty()) return;
        text.pop_back();
    } else if (static_cast<unsigned char>(ch) < 32) {
        return; // other control characters (Enter, Tab, ...) do not go into a one-line box
    } else {
        text += ch;
    }
    setText(text);
    detail::CallHandler(onChange);
}

} // namespace qs::tk
