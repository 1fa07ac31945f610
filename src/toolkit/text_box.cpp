#include "toolkit/controls.h"
#include "toolkit/change.h"
#include "toolkit/handler_call.h"

namespace qs::tk {

namespace {
constexpr std::int16_t kBackspace = 8;
}

TextBox::TextBox(Container& container, std::string name, const std::string& text, float left, float top,
                 float width, float height, int index)
    : Control(Kind::TextBox, container, std::move(name), index, left, top, width, height), text_(text) {}

void TextBox::setText(const std::string& t) {
    if (detail::Replace(text_, t)) notify(Prop::Text);
}

void TextBox::userChar(char ch) {
    if (!acceptsInput()) return;
    std::int16_t keyAscii = static_cast<unsigned char>(ch);
    detail::fire(KeyPress, keyAscii);
    if (keyAscii == 0) return;
    if (keyAscii == kBackspace) {
        if (text_.empty()) return;
        setText(text_.substr(0, text_.size() - 1));
    } else if (keyAscii < 32 || keyAscii > 255) {
        return; // other control characters (Enter, Tab, ...) do not go into a one-line box
    } else {
        setText(text_ + static_cast<char>(keyAscii));
    }
    detail::fire(Change);
}

} // namespace qs::tk
