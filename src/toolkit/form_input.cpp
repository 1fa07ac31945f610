// The user's input to a form: close requests, the key preview, the mouse, and the tab
// order the backend follows for Tab.
#include <algorithm>

#include "toolkit/controls.h"
#include "toolkit/form.h"

namespace qs::tk {

namespace {

bool TakesFocusNow(const Control& c) {
    return c.canFocus() && c.tabStop() && c.acceptsInput() && c.visibleInContainers();
}

} // namespace

Control* Form::nextInTabOrder(const Control* from, bool backwards) const {
    // By tabIndex; equal indexes keep creation order, the order a designer gives by default.
    std::vector<Control*> all;
    for (Component* c : components_)
        if (auto* control = dynamic_cast<Control*>(c)) all.push_back(control);
    std::stable_sort(all.begin(), all.end(),
                     [](const Control* a, const Control* b) { return a->tabIndex() < b->tabIndex(); });
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

bool Form::userClose(CloseReason reason) {
    // A disabled window's close box cannot be used; the session ending still closes it.
    if (reason == CloseReason::User && !enabled_) return false;
    return close(reason);
}

bool Form::userKeyDown(Key key, KeyModifiers modifiers) {
    if (!loaded_ || !enabled_) return false;
    if (!args_.previewsKeys && focusedControl_) return false;
    onKeyDown(key, modifiers);
    return !loaded_;
}

void Form::userMouseDown(float x, float y) {
    if (loaded_ && enabled_) onMouseDown(x, y);
}

void Form::userMouseMove(float x, float y) {
    if (loaded_ && enabled_) onMouseMove(x, y);
}

} // namespace qs::tk
