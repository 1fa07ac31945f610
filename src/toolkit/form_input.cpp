// Keyboard and mouse input of a form: key preview, default and cancel buttons,
// access keys, tab order, and the keys that go to the focused control.
#include <algorithm>
#include <cctype>

#include "toolkit/controls.h"
#include "toolkit/form.h"

namespace qs::tk {

namespace {

// Controls of the form ordered by TabIndex; equal indexes keep creation order, which
// is the order a designer gives them by default.
std::vector<Control*> ByTabIndex(const std::vector<Component*>& components) {
    std::vector<Control*> controls;
    for (Component* c : components)
        if (auto* control = dynamic_cast<Control*>(c)) controls.push_back(control);
    std::stable_sort(controls.begin(), controls.end(),
                     [](const Control* a, const Control* b) { return a->TabIndex() < b->TabIndex(); });
    return controls;
}

bool TakesFocusNow(const Control& c) {
    return c.canFocus() && c.TabStop() && c.acceptsInput() && c.visibleInContainers();
}

const std::string* CaptionOf(const Control& c) {
    switch (c.kind()) {
    case Kind::Label: return &static_cast<const Label&>(c).Caption();
    case Kind::CommandButton: return &static_cast<const CommandButton&>(c).Caption();
    case Kind::CheckBox: return &static_cast<const CheckBox&>(c).Caption();
    case Kind::Frame: return &static_cast<const Frame&>(c).Caption();
    default: return nullptr;
    }
}

bool FocusedControlKey(Control& c, std::int16_t keyCode) {
    if (!c.acceptsInput()) return false;
    switch (c.kind()) {
    case Kind::ListBox: return static_cast<ListBox&>(c).userKey(keyCode);
    case Kind::CommandButton:
        if (keyCode != vbKeySpace) return false;
        static_cast<CommandButton&>(c).userClick();
        return true;
    case Kind::CheckBox:
        if (keyCode != vbKeySpace) return false;
        static_cast<CheckBox&>(c).userClick();
        return true;
    case Kind::VScrollBar: {
        auto& bar = static_cast<VScrollBar&>(c);
        switch (keyCode) {
        case vbKeyUp: bar.userLineUp(); return true;
        case vbKeyDown: bar.userLineDown(); return true;
        case vbKeyPageUp: bar.userPageUp(); return true;
        case vbKeyPageDown: bar.userPageDown(); return true;
        default: return false;
        }
    }
    default: return false;
    }
}

} // namespace

std::vector<Control*> Form::tabOrder() const {
    std::vector<Control*> order = ByTabIndex(components_);
    order.erase(std::remove_if(order.begin(), order.end(), [](const Control* c) { return !TakesFocusNow(*c); }),
                order.end());
    return order;
}

Control* Form::nextInTabOrder(const Control* from, bool backwards) const {
    const std::vector<Control*> all = ByTabIndex(components_);
    const int n = static_cast<int>(all.size());
    if (n == 0) return nullptr;
    const auto at = std::find(all.begin(), all.end(), from);
    const int start = at == all.end() ? (backwards ? 0 : -1) : static_cast<int>(at - all.begin());
    for (int step = 1; step <= n; ++step) {
        const int i = ((backwards ? start - step : start + step) % n + n) % n;
        if (TakesFocusNow(*all[static_cast<std::size_t>(i)])) return all[static_cast<std::size_t>(i)];
    }
    return nullptr;
}

void Form::focusFirstControl() {
    const std::vector<Control*> order = tabOrder();
    if (!order.empty()) order.front()->SetFocus();
}

bool Form::userClose(CloseReason reason) {
    // A disabled window's close box cannot be used; the session ending still closes it.
    if (reason == CloseReason::ControlMenu && !enabled_) return false;
    return Unload(reason);
}

bool Form::userKeyDownPreview(std::int16_t keyCode, std::int16_t shift) {
    if (!loaded_ || !enabled_) return false;
    if (!keyPreview_ && activeControl_) return false;
    std::int16_t code = keyCode;
    std::int16_t state = shift;
    Form_KeyDown(code, state);
    return code == 0;
}

bool Form::userKey(std::int16_t keyCode, std::int16_t shift) {
    if (!loaded_ || !enabled_) return false;
    if (userKeyDownPreview(keyCode, shift)) return true;
    if (!loaded_) return true; // the handler closed the form
    const bool alt = (shift & vbAltMask) != 0;
    const bool ctrl = (shift & vbCtrlMask) != 0;
    if (alt && !ctrl) {
        const bool letter = keyCode >= 'A' && keyCode <= 'Z';
        const bool digit = keyCode >= '0' && keyCode <= '9';
        return (letter || digit) && userAccessKey(static_cast<char>(keyCode));
    }
    if (alt || ctrl) return false;
    return userNavigationKey(keyCode, shift);
}

bool Form::userAccessKey(char letter) {
    // Several controls may share a letter: the next one after the focused control wins,
    // so that pressing the key again moves on to the following one.
    const std::vector<Control*> all = ByTabIndex(components_);
    const int n = static_cast<int>(all.size());
    const auto at = std::find(all.begin(), all.end(), activeControl_);
    const int start = at == all.end() ? -1 : static_cast<int>(at - all.begin());
    for (int step = 1; step <= n; ++step) {
        Control* c = all[static_cast<std::size_t>((start + step) % n)];
        const std::string* caption = CaptionOf(*c);
        if (!caption || Control::AccessKeyOf(*caption) != letter) continue;
        if (!c->acceptsInput() || !c->visibleInContainers()) continue;
        // A button or check box chosen by its key takes the focus, then acts.
        if (c->canFocus()) c->SetFocus();
        c->accessKeyPressed();
        return true;
    }
    return false;
}

bool Form::userNavigationKey(std::int16_t keyCode, std::int16_t shift) {
    switch (keyCode) {
    case vbKeyReturn: {
        // A focused button is the one Enter presses; otherwise the default button.
        CommandButton* target = nullptr;
        if (activeControl_ && activeControl_->kind() == Kind::CommandButton)
            target = static_cast<CommandButton*>(activeControl_);
        else
            target = defaultButton();
        if (!target || !target->acceptsInput() || !target->visibleInContainers()) return false;
        target->userClick();
        return true;
    }
    case vbKeyEscape: {
        CommandButton* target = cancelButton();
        if (!target || !target->acceptsInput() || !target->visibleInContainers()) return false;
        target->userClick();
        return true;
    }
    case vbKeyTab: {
        Control* next = nextInTabOrder(activeControl_, (shift & vbShiftMask) != 0);
        if (!next) return false;
        next->SetFocus();
        return true;
    }
    default: return activeControl_ ? FocusedControlKey(*activeControl_, keyCode) : false;
    }
}

void Form::userChar(char ch) {
    if (!loaded_ || !enabled_ || !activeControl_) return;
    if (activeControl_->kind() == Kind::TextBox) static_cast<TextBox*>(activeControl_)->userChar(ch);
}

void Form::userMouseDown(int button, int shift, float x, float y) {
    if (!loaded_ || !enabled_) return;
    Form_MouseDown(button, shift, x, y);
}

void Form::userMouseMove(int button, int shift, float x, float y) {
    if (!loaded_ || !enabled_) return;
    Form_MouseMove(button, shift, x, y);
}

} // namespace qs::tk
