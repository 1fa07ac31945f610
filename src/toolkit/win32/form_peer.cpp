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
    ex = WS_EX_CONTROLPARENT; // Tab and access keys reach into group boxes and picture boxes
    const DWORD sysMenu = form.hasControlBox() ? WS_SYSMENU : 0;
    const DWORD boxes = (form.hasMinButton() ? WS_MINIMIZEBOX : 0) | (form.hasMaxButton() ? WS_MAXIMIZEBOX : 0);
    switch (form.border()) {
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
    if (form.inTaskbar() && form.border() != BorderStyle::None) ex |= WS_EX_APPWINDOW;
}

// Forms kept out of the taskbar are owned by a hidden top-level window of the backend's.
HWND OwnerFor(const Form& form) {
    if (form.inTaskbar() || form.border() == BorderStyle::None) return nullptr;
    Win32Backend* backend = Win32Backend::current();
    return backend ? backend->hiddenOwner() : nullptr;
}

} // namespace

FormPeer::FormPeer(Form& form) : form_(form) {
    DWORD style = 0, ex = 0;
    StylesFor(form, style, ex);
    lastBack_ = form.backColor();
    createOwn(kFormClass, ex, style, form.caption(), 0, 0, 0, 0, OwnerFor(form), nullptr);
    if (!handle()) return;
    SendMessageW(handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(AppIconHandle(false)));
    SendMessageW(handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(AppIconHandle(true)));
    applyGeometry();
    canvas_.clear(backgroundColor());
}

FormPeer::~FormPeer() { releaseModalOwner(); }

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
    const int cw = std::max(0, TwipsToPxX(form_.clientWidth()));
    const int ch = std::max(0, TwipsToPxY(form_.clientHeight()));
    RECT r{0, 0, cw, ch};
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrW(handle(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(handle(), GWL_EXSTYLE)));
    const int w = r.right - r.left, h = r.bottom - r.top;
    // The form places itself (centred at load when it asks for it).
    const int x = TwipsToPxX(form_.left()), y = TwipsToPxY(form_.top());
    SetWindowPos(handle(), nullptr, x, y, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
    canvas_.resize(cw, ch, backgroundColor());
}

void FormPeer::applyStyles() {
    if (!handle()) return;
    SetWindowTextW(handle(), platform::Widen(form_.caption()).c_str());
    const Picture& icon = form_.icon();
    HICON big = AppIconHandle(false), small = AppIconHandle(true);
    if (auto* data = dynamic_cast<const IconPictureData*>(icon.data().get())) big = small = data->icon;
    SendMessageW(handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    SendMessageW(handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
}

void FormPeer::sync(Prop what, int) {
    if (!handle()) return;
    switch (what) {
    case Prop::Created:
        applyStyles();
        applyGeometry();
        EnableWindow(handle(), form_.enabled());
        canvas_.clear(backgroundColor());
        if (form_.visible()) ShowWindow(handle(), SW_SHOW);
        break;
    case Prop::Geometry:
        applyGeometry();
        break;
    case Prop::Visible:
        if (form_.visible()) {
            ShowWindow(handle(), SW_SHOW);
            SetForegroundWindow(handle());
        } else {
            releaseModalOwner();
            ShowWindow(handle(), SW_HIDE);
        }
        break;
    case Prop::Enabled:
        EnableWindow(handle(), form_.enabled());
        break;
    case Prop::Caption:
    case Prop::Picture:
        applyStyles();
        break;
    case Prop::Colors:
        if (form_.backColor() != lastBack_) {
            // A new background colour clears the drawing.
            lastBack_ = form_.backColor();
            canvas_.clear(backgroundColor());
        }
        invalidate(RECT{0, 0, canvas_.width(), canvas_.height()});
        break;
    case Prop::Focus:
        SetFocus(handle());
        break;
    default:
        break;
    }
}

void FormPeer::clear(Color back) {
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

void FormPeer::overlayChanged() { invalidate(RECT{0, 0, canvas_.width(), canvas_.height()}); }

void FormPeer::renderContent(HDC dc, const RECT& area) {
    canvas_.blit(dc, area, backgroundColor());
    DrawWindowless(dc, form_, area);
    DrawOverlay(dc, form_.overlay(), canvas_.width());
}

HWND FormPeer::tooltip() {
    if (!tooltip_ && handle()) {
        tooltip_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                       WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                                       CW_USEDEFAULT, CW_USEDEFAULT, handle(), nullptr, GetModuleHandleW(nullptr),
                                       nullptr));
    }
    return tooltip_.get();
}

LRESULT FormPeer::defaultButtonId() {
    // The focused push button acts as the default while it has the focus.
    HWND focus = GetFocus();
    if (focus && IsChild(handle(), focus) && (SendMessageW(focus, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON)) {
        return MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID);
    }
    if (Button* def = form_.defaultButton()) {
        if (auto* peer = def->peer()) {
            if (HWND h = reinterpret_cast<HWND>(peer->hwnd())) return MAKELRESULT(GetDlgCtrlID(h), DC_HASDEFID);
        }
    }
    return 0;
}

// Tab follows the form's tab order, not the windows' stacking order: controls made later
// lie above earlier ones so that overlaps draw as designed, which reverses the order in
// which the dialog manager would walk them.
HWND FormPeer::nextTabStop(bool backwards) {
    Control* next = form_.nextInTabOrder(form_.focusedControl(), backwards);
    auto* peer = next ? next->peer() : nullptr;
    return peer ? reinterpret_cast<HWND>(peer->hwnd()) : nullptr;
}

void FormPeer::mouseMove(LPARAM lParam) {
    const POINT pt{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    // The system repeats a move at the same place when windows appear or change under a
    // still pointer; only a real movement is a move.
    if (pt.x == lastMouse_.x && pt.y == lastMouse_.y) return;
    lastMouse_ = pt;
    const float x = PxToTwipsX(pt.x), y = PxToTwipsY(pt.y);
    if (Control* c = WindowlessAt(form_, pt)) {
        auto& image = static_cast<Image&>(*c);
        image.userMouseMove(x - image.left(), y - image.top());
        return;
    }
    form_.userMouseMove(x, y);
}

// Back to the control that had the focus when the form lost the activation (the form's
// own idea of it when that window is gone), or to the form itself.
void FormPeer::restoreFocus() {
    HWND target = savedFocus_ && IsWindow(savedFocus_) && IsChild(handle(), savedFocus_) ? savedFocus_ : nullptr;
    if (!target) {
        if (Control* focused = form_.focusedControl(); focused && focused->peer())
            target = reinterpret_cast<HWND>(focused->peer()->hwnd());
    }
    SetFocus(target && IsWindowEnabled(target) && IsWindowVisible(target) ? target : handle());
}

LRESULT FormPeer::handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT handled = 0;
    if (handleContainerMessage(msg, wParam, lParam, handled)) return handled;
    switch (msg) {
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED) canvas_.resize(LOWORD(lParam), HIWORD(lParam), backgroundColor());
        return 0;
    case WM_CLOSE:
        form_.userClose(CloseReason::User);
        return 0;
    case WM_QUERYENDSESSION:
        return form_.userClose(CloseReason::SessionEnding) ? TRUE : FALSE;
    case kKeyPreviewMessage:
        return form_.userKeyDown(static_cast<Key>(wParam), CurrentModifiers(lParam)) ? TRUE : FALSE;
    case kWindowNoticeMessage:
        RunWindowNotice(wParam);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (auto* backend = Win32Backend::current()) backend->noteDeactivated(handle());
            HWND focus = GetFocus();
            if (focus && IsChild(handle(), focus)) savedFocus_ = focus;
        } else {
            restoreFocus();
        }
        return 0;
    case DM_GETDEFID:
        return defaultButtonId();
    case WM_NEXTDLGCTL: {
        HWND next = nullptr;
        if (LOWORD(lParam)) next = reinterpret_cast<HWND>(wParam);
        else next = nextTabStop(wParam != 0);
        if (next && next != GetFocus()) SetFocus(next);
        return 0;
    }
    case WM_COMMAND:
        // Enter and Esc as the dialog keys report them when no control answered.
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            Button* b = LOWORD(wParam) == IDOK ? form_.defaultButton() : form_.cancelButton();
            if (b && b->enabled() && b->visible()) b->userClick();
            return 0;
        }
        return defaultHandling(msg, wParam, lParam);
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        // Keys come here when the form itself has the focus (a form without controls); a
        // key that did not come through the program's loops has not been previewed yet.
        auto* backend = Win32Backend::current();
        if (!backend || !backend->keyPreviewed()) {
            auto alive = lifeToken();
            if (form_.userKeyDown(static_cast<Key>(wParam), CurrentModifiers(lParam)) || !*alive) return 0;
        }
        return defaultHandling(msg, wParam, lParam);
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        // An image has no presses of its own: they belong to the form it lies on.
        form_.userMouseDown(PxToTwipsX(static_cast<short>(LOWORD(lParam))),
                            PxToTwipsY(static_cast<short>(HIWORD(lParam))));
        return 0;
    case WM_MOUSEMOVE:
        mouseMove(lParam);
        return 0;
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) == handle() && ApplyCursor(lParam, Pointer::Default)) return TRUE;
        return defaultHandling(msg, wParam, lParam);
    default:
        return defaultHandling(msg, wParam, lParam);
    }
}

std::unique_ptr<Peer> MakeFormPeer(Form& form) { return std::make_unique<FormPeer>(form); }

} // namespace qs::tk::win32
