// Forms: top-level windows by border style, their persistent surface, and the form's
// share of input: close requests, keys reaching the form itself, the mouse, dialog keys.
#include "toolkit/win32/form_peer.h"

#include <windows.h>
#include <commctrl.h>

#include "toolkit/application.h"
#include "toolkit/controls.h"
#include "toolkit/win32/wic_pictures.h"

namespace qs::tk::win32 {

namespace {

void StylesFor(const Form& form, DWORD& style, DWORD& ex) {
    style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    ex = WS_EX_CONTROLPARENT; // Tab and access keys reach into frames and picture boxes
    const DWORD sysMenu = form.ControlBox() ? WS_SYSMENU : 0;
    const DWORD boxes = (form.MinButton() ? WS_MINIMIZEBOX : 0) | (form.MaxButton() ? WS_MAXIMIZEBOX : 0);
    switch (form.borderStyle()) {
    case BorderStyle::None:
        style |= WS_POPUP;
        break;
    case BorderStyle::FixedSingle:
        style |= WS_OVERLAPPED | WS_CAPTION | sysMenu | boxes;
        break;
    case BorderStyle::FixedDialog:
        style |= WS_POPUP | WS_CAPTION | sysMenu;
        ex |= WS_EX_DLGMODALFRAME;
        break;
    case BorderStyle::Sizable:
        style |= WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME | sysMenu | boxes;
        break;
    }
    if (form.ShowInTaskbar() && form.borderStyle() != BorderStyle::None) ex |= WS_EX_APPWINDOW;
}

// Owner of the forms kept out of the taskbar: a hidden top-level window of the process.
HWND HiddenOwner() {
    static HWND owner = [] {
        RegisterOwnClasses();
        return CreateWindowExW(0, kTimerHostClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    }();
    return owner;
}

} // namespace

int MouseButtons(WPARAM wParam) {
    int b = 0;
    if (wParam & MK_LBUTTON) b |= vbLeftButton;
    if (wParam & MK_RBUTTON) b |= vbRightButton;
    if (wParam & MK_MBUTTON) b |= vbMiddleButton;
    return b;
}

int MouseShift(WPARAM wParam) {
    int s = 0;
    if (wParam & MK_SHIFT) s |= vbShiftMask;
    if (wParam & MK_CONTROL) s |= vbCtrlMask;
    if (GetKeyState(VK_MENU) < 0) s |= vbAltMask;
    return s;
}

FormPeer::FormPeer(Form& form) : form_(form) {
    DWORD style = 0, ex = 0;
    StylesFor(form, style, ex);
    HWND owner = form.ShowInTaskbar() || form.borderStyle() == BorderStyle::None ? nullptr : HiddenOwner();
    lastBack_ = form.BackColor();
    createOwn(kFormClass, ex, style, form.Caption(), 0, 0, 0, 0, owner, nullptr);
    if (!handle()) return;
    MirrorScope mirror;
    SendMessageW(handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(AppIconHandle(false)));
    SendMessageW(handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(AppIconHandle(true)));
    applyGeometry();
    canvas_.clear(backgroundColor());
}

FormPeer::~FormPeer() {
    releaseModalOwner();
    if (tooltip_ && IsWindow(tooltip_)) DestroyWindow(tooltip_);
}


void FormPeer::releaseModalOwner() {
    // The owner is enabled again before the dialog's window goes, so that the system
    // hands the activation to it rather than to some other program's window.
    if (modalOwner_ && IsWindow(modalOwner_)) EnableWindow(modalOwner_, TRUE);
    modalOwner_ = nullptr;
}

FormPeer* FormPeerOf(HWND topLevel) {
    auto* peer = dynamic_cast<FormPeer*>(NativeWindow::fromHandle(topLevel));
    return peer;
}

void FormPeer::applyGeometry() {
    if (!handle()) return;
    const int cw = std::max(0, TwipsToPxX(form_.ScaleWidth()));
    const int ch = std::max(0, TwipsToPxY(form_.ScaleHeight()));
    RECT r{0, 0, cw, ch};
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrW(handle(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(handle(), GWL_EXSTYLE)));
    const int w = r.right - r.left, h = r.bottom - r.top;
    // The form places itself (centred at load when it asks for it).
    const int x = TwipsToPxX(form_.Left()), y = TwipsToPxY(form_.Top());
    SetWindowPos(handle(), nullptr, x, y, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
    canvas_.resize(cw, ch, backgroundColor());
}

void FormPeer::applyStyles() {
    if (!handle()) return;
    SetWindowTextW(handle(), platform::Widen(form_.Caption()).c_str());
    const Picture& icon = form_.Icon();
    HICON big = AppIconHandle(false), small = AppIconHandle(true);
    if (auto* data = dynamic_cast<const IconPictureData*>(icon.data().get())) big = small = data->icon;
    SendMessageW(handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    SendMessageW(handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
}

void FormPeer::sync(Prop what, int) {
    if (!handle()) return;
    MirrorScope mirror;
    switch (what) {
    case Prop::Created:
        applyStyles();
        applyGeometry();
        EnableWindow(handle(), form_.Enabled());
        canvas_.clear(backgroundColor());
        if (form_.Visible()) ShowWindow(handle(), SW_SHOW);
        break;
    case Prop::Geometry:
        applyGeometry();
        break;
    case Prop::Visible:
        if (form_.Visible()) {
            ShowWindow(handle(), SW_SHOW);
            SetForegroundWindow(handle());
        } else {
            releaseModalOwner();
            ShowWindow(handle(), SW_HIDE);
        }
        break;
    case Prop::Enabled:
        EnableWindow(handle(), form_.Enabled());
        break;
    case Prop::Caption:
    case Prop::Picture:
        applyStyles();
        break;
    case Prop::Colors:
        if (form_.BackColor() != lastBack_) {
            // A new background colour clears the drawing.
            lastBack_ = form_.BackColor();
            canvas_.clear(backgroundColor());
        }
        invalidate(RECT{0, 0, canvas_.width(), canvas_.height()});
        break;
    case Prop::ZOrder:
        BringWindowToTop(handle());
        break;
    case Prop::Focus:
        SetFocus(handle());
        break;
    default:
        break;
    }
}

void FormPeer::cls(Color back) {
    lastBack_ = back;
    canvas_.clear(ToColorRef(back));
    invalidate(RECT{0, 0, canvas_.width(), canvas_.height()});
}

void FormPeer::drawText(float x, float y, const std::string& text, const FontSpec& font, Color color) {
    const int px = TwipsToPxX(x), py = TwipsToPxY(y);
    HFONT f = FontFor(font);
    canvas_.drawText(px, py, text, f, ToColorRef(color));
    invalidate(RECT{0, 0, canvas_.width(), canvas_.height()});
}

void FormPeer::renderContent(HDC dc, const RECT& area) {
    canvas_.blit(dc, area, backgroundColor());
    DrawWindowless(dc, form_, area);
}

HWND FormPeer::tooltip() {
    if (!tooltip_ && handle()) {
        tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, handle(), nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
    }
    return tooltip_;
}

LRESULT FormPeer::defaultButtonId() {
    // The focused push button acts as the default while it has the focus.
    HWND focus = GetFocus();
    if (focus && IsChild(handle(), focus) && (SendMessageW(focus, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON)) {
        return MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID);
    }
    if (CommandButton* def = form_.defaultButton()) {
        if (auto* peer = def->peer()) {
            if (HWND h = reinterpret_cast<HWND>(peer->hwnd())) return MAKELRESULT(GetDlgCtrlID(h), DC_HASDEFID);
        }
    }
    return 0;
}

// Tab follows the form's tab order, not the windows' stacking order: controls made later
// lie above earlier ones so that overlaps draw as designed, which reverses the order in
// which the dialog manager would walk them.
HWND FormPeer::NextInTabOrder(bool backwards) {
    Control* next = form_.nextInTabOrder(form_.ActiveControl(), backwards);
    auto* peer = next ? next->peer() : nullptr;
    return peer ? reinterpret_cast<HWND>(peer->hwnd()) : nullptr;
}

void FormPeer::mouseButton(UINT msg, WPARAM wParam, LPARAM lParam) {
    const int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
    int button = vbLeftButton;
    if (msg == WM_RBUTTONDOWN) button = vbRightButton;
    if (msg == WM_MBUTTONDOWN) button = vbMiddleButton;
    pressedImage_ = msg == WM_LBUTTONDOWN ? WindowlessAt(form_, POINT{x, y}) : nullptr;
    // An image has no MouseDown of its own: its presses belong to the form it lies on.
    form_.userMouseDown(button, MouseShift(wParam), PxToTwipsX(x), PxToTwipsY(y));
}

void FormPeer::mouseMove(WPARAM wParam, LPARAM lParam) {
    const POINT pt{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    // The system repeats a move at the same place when windows appear or change under a
    // still pointer; only a real movement is a move.
    if (pt.x == lastMouse_.x && pt.y == lastMouse_.y) return;
    lastMouse_ = pt;
    const float x = PxToTwipsX(pt.x), y = PxToTwipsY(pt.y);
    if (Control* c = WindowlessAt(form_, pt)) {
        auto& image = static_cast<Image&>(*c);
        image.userMouseMove(MouseButtons(wParam), MouseShift(wParam), x - image.Left(), y - image.Top());
        return;
    }
    form_.userMouseMove(MouseButtons(wParam), MouseShift(wParam), x, y);
}

LRESULT FormPeer::handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT handled = 0;
    if (handleContainerMessage(msg, wParam, lParam, handled)) return handled;
    switch (msg) {
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED) canvas_.resize(LOWORD(lParam), HIWORD(lParam), backgroundColor());
        return 0;
    case WM_CLOSE:
        form_.userClose(CloseReason::ControlMenu);
        return 0;
    case WM_QUERYENDSESSION:
        return form_.userClose(CloseReason::AppWindows) ? TRUE : FALSE;
    case kKeyPreviewMessage:
        return form_.userKeyDownPreview(static_cast<std::int16_t>(wParam), ShiftState()) ? TRUE : FALSE;
    case kWindowNoticeMessage:
        RunWindowNotice(wParam);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (auto* backend = Win32Backend::current()) backend->noteDeactivated(handle());
            HWND focus = GetFocus();
            if (focus && IsChild(handle(), focus)) savedFocus_ = focus;
            return 0;
        } else {
            HWND target = savedFocus_ && IsWindow(savedFocus_) && IsChild(handle(), savedFocus_) ? savedFocus_ : nullptr;
            if (!target) {
                if (Control* active = form_.ActiveControl()) {
                    if (active->peer()) target = reinterpret_cast<HWND>(active->peer()->hwnd());
                }
            }
            if (target && IsWindowEnabled(target) && IsWindowVisible(target)) {
                MirrorScope mirror; // the control had the focus already as far as the form knows
                SetFocus(target);
            } else {
                // No control has the focus: the form itself takes the keys.
                SetFocus(handle());
            }
            return 0;
        }
    case DM_GETDEFID:
        return defaultButtonId();
    case WM_NEXTDLGCTL: {
        HWND next = nullptr;
        if (LOWORD(lParam)) next = reinterpret_cast<HWND>(wParam);
        else next = NextInTabOrder(wParam != 0);
        if (next && next != GetFocus()) SetFocus(next);
        return 0;
    }
    case WM_COMMAND:
        // Enter and Esc as the dialog keys report them when no control answered.
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            CommandButton* b = LOWORD(wParam) == IDOK ? form_.defaultButton() : form_.cancelButton();
            if (b && b->Enabled() && b->Visible()) b->userClick();
            return 0;
        }
        return defaultHandling(msg, wParam, lParam);
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        // Keys come here when the form itself has the focus (a form without controls).
        auto* backend = Win32Backend::current();
        if (!backend || !backend->keyPreviewed()) {
            auto alive = lifeToken();
            const bool used = form_.userKey(static_cast<std::int16_t>(wParam), ShiftState());
            if (used || !*alive) return 0;
        }
        return defaultHandling(msg, wParam, lParam);
    }
    case WM_CHAR:
        form_.userChar(CodePageChar(wParam));
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        mouseButton(msg, wParam, lParam);
        return 0;
    case WM_LBUTTONUP: {
        Control* pressed = pressedImage_;
        pressedImage_ = nullptr;
        const POINT pt{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (pressed && WindowlessAt(form_, pt) == pressed) static_cast<Image*>(pressed)->userClick();
        return 0;
    }
    case WM_MOUSEMOVE:
        mouseMove(wParam, lParam);
        return 0;
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) == handle() && ApplyCursor(handle(), lParam, form_.MousePointer(), {}))
            return TRUE;
        return defaultHandling(msg, wParam, lParam);
    default:
        return defaultHandling(msg, wParam, lParam);
    }
}

std::unique_ptr<Peer> MakeFormPeer(Form& form) { return std::make_unique<FormPeer>(form); }

} // namespace qs::tk::win32
