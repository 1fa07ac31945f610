// What every child-window peer does alike: place the window in its container, show,
// enable, focus, tooltip and pointer, and report the focus the user gives it.
#pragma once

#include "toolkit/component.h"
#include "toolkit/win32/container_window.h"
#include "toolkit/win32/win32_backend.h"

namespace qs::tk::win32 {

// Mirrors the properties all controls share; false when `what` is not one of them.
bool SyncCommon(HWND hwnd, Control& control, Prop what);
// WS_VISIBLE / WS_DISABLED / WS_TABSTOP for a new window of the control.
DWORD CommonStyle(const Control& control);
// The window the control's window lives in (its container's), or null.
HWND ParentWindow(const Control& control);

// A peer made of one standard control (button, static, edit, list box, scroll bar).
class ControlPeer : public Peer, public NativeWindow {
public:
    explicit ControlPeer(Control& control) : control_(control) {}
    platform::WindowHandle hwnd() const override { return reinterpret_cast<platform::WindowHandle>(handle()); }
    void sync(Prop what, int index) override;

protected:
    // Creates the control at the component's place in its container, in its font.
    bool create(const wchar_t* className, DWORD style, DWORD exStyle, const std::string& text);
    // The kind's own properties (caption, value, rows, ...).
    virtual void syncOwn(Prop what, int index) = 0;
    LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    Control& control_;
};

} // namespace qs::tk::win32
