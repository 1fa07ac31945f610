// Shared mirroring of the child-window peers (see control_peer.h).
#include "toolkit/win32/control_peer.h"

#include <windows.h>
#include <commctrl.h>

#include "toolkit/form.h"
#include "toolkit/win32/form_peer.h"

namespace qs::tk::win32 {

HWND ParentWindow(const Control& control) {
    ContainerWindow* container = ContainerOf(control);
    return container ? container->handle() : nullptr;
}

DWORD CommonStyle(const Control& control) {
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
    if (control.visible()) style |= WS_VISIBLE;
    if (!control.enabled()) style |= WS_DISABLED;
    if (control.canFocus() && control.tabStop()) style |= WS_TABSTOP;
    return style;
}

bool SyncCommon(HWND hwnd, Control& control, Prop what) {
    if (!hwnd) return what == Prop::Geometry || what == Prop::Visible || what == Prop::Enabled;
    switch (what) {
    case Prop::Geometry: {
        const RECT r = ControlRectPx(control);
        SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        return true;
    }
    case Prop::Visible:
        ShowWindow(hwnd, control.visible() ? SW_SHOWNA : SW_HIDE);
        return true;
    case Prop::Enabled:
        EnableWindow(hwnd, control.enabled());
        return true;
    case Prop::ToolTip:
        SetToolTip(control, hwnd);
        return true;
    case Prop::Pointer:
        return true; // read on each WM_SETCURSOR
    case Prop::Focus:
        SetFocus(hwnd);
        return true;
    default:
        return false;
    }
}

bool ControlPeer::create(const wchar_t* className, DWORD style, DWORD exStyle, const std::string& text) {
    const RECT r = ControlRectPx(control_);
    HWND parent = ParentWindow(control_);
    if (!parent) return false;
    HWND h = createControl(className, exStyle, style | CommonStyle(control_), text, r.left, r.top,
                           r.right - r.left, r.bottom - r.top, parent);
    if (!h) return false;
    SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(DefaultControlFont())), FALSE);
    if (!control_.toolTip().empty()) SetToolTip(control_, h);
    return true;
}

void ControlPeer::sync(Prop what, int index) {
    if (what == Prop::Created) {
        for (Prop p : {Prop::Geometry, Prop::Visible, Prop::Enabled, Prop::ToolTip}) SyncCommon(handle(), control_, p);
        syncOwn(Prop::Created, index);
        return;
    }
    if (!SyncCommon(handle(), control_, what)) syncOwn(what, index);
}

LRESULT ControlPeer::handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_SETCURSOR:
        if (ApplyCursor(lParam, control_.pointer())) return TRUE;
        return defaultHandling(msg, wParam, lParam);
    case WM_SETFOCUS: {
        auto alive = lifeToken();
        LRESULT r = defaultHandling(msg, wParam, lParam);
        if (*alive) control_.userFocused();
        return r;
    }
    default:
        return defaultHandling(msg, wParam, lParam);
    }
}

void SetToolTip(Control& control, HWND controlWindow) {
    auto* form = dynamic_cast<FormPeer*>(control.form().peer());
    if (!form || !controlWindow) return;
    HWND tip = nullptr;
    if (control.toolTip().empty()) {
        tip = form->existingTooltip();
        if (!tip) return;
    } else {
        tip = form->tooltip();
        if (!tip) return;
    }
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = GetParent(controlWindow);
    info.uId = reinterpret_cast<UINT_PTR>(controlWindow);
    SendMessageW(tip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    if (control.toolTip().empty()) return;
    std::wstring text = platform::Widen(control.toolTip());
    info.lpszText = text.data();
    SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

} // namespace qs::tk::win32
