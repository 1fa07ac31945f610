// Notices reach a form's window as kWindowNoticeMessage, the notice's number in wParam;
// the numbers of the notices alive map to their handlers here, on the window thread.
#include "toolkit/window_notice.h"

#include <unordered_map>

#include "platform/win32/window_handle_casts.h"
#include "toolkit/win32/form_peer.h"

namespace qs::tk {

namespace {

std::unordered_map<std::uintptr_t, std::function<void()>>& Notices() {
    static std::unordered_map<std::uintptr_t, std::function<void()>> notices;
    return notices;
}

} // namespace

WindowNotice::WindowNotice(const Form& form, std::function<void()> arrived) : window_(form.handle()) {
    static std::uintptr_t lastId = 0;
    id_ = ++lastId;
    Notices()[id_] = std::move(arrived);
}

WindowNotice::~WindowNotice() { Notices().erase(id_); }

std::function<void()> WindowNotice::poster() const {
    return [window = platform::ToHwnd(window_), id = id_] {
        // Without a window the message would go to the posting thread itself.
        if (window) PostMessageW(window, win32::kWindowNoticeMessage, id, 0);
    };
}

namespace win32 {

void RunWindowNotice(WPARAM id) {
    const auto it = Notices().find(id);
    if (it == Notices().end()) return; // the notice has gone
    const std::function<void()> arrived = it->second; // a copy: the handler may end the notice
    arrived();
}

} // namespace win32

} // namespace qs::tk
