// A notice that another thread gives a form's window thread: a message posted to the form's
// window, on which the window thread runs the notice's handler. The thread that has
// something ready posts it; the window takes it when its message loop comes to it, modal
// loops included.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/services.h"
#include "toolkit/form.h"

namespace qs::tk {

class WindowNotice {
public:
    // On the window thread, for a loaded form; `arrived` runs there for each post that
    // reaches the window while the notice lives.
    WindowNotice(const Form& form, std::function<void()> arrived);
    ~WindowNotice();
    WindowNotice(const WindowNotice&) = delete;
    WindowNotice& operator=(const WindowNotice&) = delete;

    // What the other thread calls to post the notice. It holds neither the form nor this
    // object: posted after either has gone, it does nothing.
    std::function<void()> poster() const;

private:
    std::uintptr_t id_;
    platform::WindowHandle window_;
};

} // namespace qs::tk
