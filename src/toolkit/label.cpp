#include "toolkit/application.h"
#include "toolkit/change.h"
#include "toolkit/controls.h"
#include "toolkit/handler_call.h"

namespace qs::tk {

namespace {

// A label or frame hands its access key on to the control that follows it.
void FocusFollowing(const Control& c) {
    if (Control* next = c.form().nextInTabOrder(&c)) next->SetFocus();
}

} // namespace

Label::Label(Container& container, std::string name, const std::string& caption, float left, float top, float width,
             float height, int index)
    : Control(Kind::Label, container, std::move(name), index, left, top, width, height), caption_(caption) {}

std::unique_ptr<Label> Label::CopyOf(const Label& first, int index) {
    Container* holder = first.container();
    auto copy = std::make_unique<Label>(*holder, first.Name(), first.caption_, first.Left(), first.Top(),
                                        first.Width(), first.Height(), index);
    copy->autoSize_ = first.autoSize_;
    copy->backColor_ = first.backColor_;
    copy->foreColor_ = first.foreColor_;
    copy->font_ = first.font_;
    copy->setEnabled(first.Enabled());
    copy->setToolTipText(first.ToolTipText());
    copy->setMousePointer(first.MousePointer());
    copy->setMouseIcon(first.MouseIcon());
    copy->setTabIndex(first.TabIndex());
    // A run-time element starts hidden; it is hidden before its window exists so that
    // it never shows for a moment.
    copy->setVisible(false);
    copy->createPeerIfLoaded();
    return copy;
}

void Label::setCaption(const std::string& text) {
    if (!detail::Replace(caption_, text)) return;
    notify(Prop::Caption);
    applyAutoSize();
}

void Label::setAutoSize(bool v) {
    if (v == autoSize_) return;
    autoSize_ = v;
    applyAutoSize();
}

void Label::setBackColor(Color c) {
    if (detail::Replace(backColor_, c)) notify(Prop::Colors);
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
    const SizeTwips size = backend().measureText(font_, caption_);
    Move(Left(), Top(), size.Width, size.Height);
}

void Label::userClick() {
    if (acceptsInput()) detail::fire(Click);
}

void Label::accessKeyPressed() { FocusFollowing(*this); }

Frame::Frame(Container& container, std::string name, const std::string& caption, float left, float top, float width,
             float height, int index)
    : Control(Kind::Frame, container, std::move(name), index, left, top, width, height), caption_(caption) {}

void Frame::setCaption(const std::string& c) {
    if (detail::Replace(caption_, c)) notify(Prop::Caption);
}

void Frame::accessKeyPressed() { FocusFollowing(*this); }

} // namespace qs::tk
