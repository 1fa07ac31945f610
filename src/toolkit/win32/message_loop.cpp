// The message loops: the program's main loop and the nested loop of modal forms. Both
// hand keys to the active form's key preview first, then to the dialog manager (Tab,
// Enter = default button, Esc = cancel button, access keys), then dispatch.
#include <vector>

#include "toolkit/application.h"
#include "toolkit/win32/form_peer.h"
#include "toolkit/win32/win32_backend.h"

namespace qs::tk::win32 {

namespace {
HWND WindowOf(const Form* form) {
    if (!form || !form->peer()) return nullptr;
    return reinterpret_cast<HWND>(form->peer()->hwnd());
}

// True when the window with the focus takes Tab itself, as a multi-line text box would.
bool TabWanted(HWND focus, MSG& msg) {
    const LRESULT code = SendMessageW(focus, WM_GETDLGCODE, VK_TAB, reinterpret_cast<LPARAM>(&msg));
    return (code & (DLGC_WANTTAB | DLGC_WANTMESSAGE)) != 0;
}

// Waits for and handles one message; false when WM_QUIT came (it is posted again so
// that every enclosing loop sees it too) or the queue failed.
bool PumpOne(Win32Backend& backend) {
    MSG msg;
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
        PostQuitMessage(static_cast<int>(msg.wParam));
        return false;
    }
    if (got == -1) return false;
    backend.processMessage(msg);
    return true;
}
} // namespace

void Win32Backend::processMessage(MSG& msg) {
    HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    FormPeer* peer = root ? FormPeerOf(root) : nullptr;
    if (!peer) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
        return;
    }
    if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
        auto alive = peer->lifeToken();
        const bool closed = SendMessageW(root, kKeyPreviewMessage, msg.wParam, msg.lParam) != 0;
        if (closed || !*alive) return; // the form closed on the key: nothing is left to take it
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && !TabWanted(msg.hwnd, msg)) {
            // The dialog manager would walk the windows' stacking order; the form's own
            // handler of WM_NEXTDLGCTL follows its tab order instead.
            SendMessageW(root, WM_NEXTDLGCTL, (GetKeyState(VK_SHIFT) & 0x8000) != 0, 0);
            return;
        }
        const bool previous = keyPreviewed_;
        keyPreviewed_ = true;
        if (!IsDialogMessageW(root, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        keyPreviewed_ = previous;
        return;
    }
    if (IsDialogMessageW(root, &msg)) return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

void Win32Backend::runMessageLoop() {
    while (!LoadedForms().empty()) {
        if (!PumpOne(*this)) {
            // Asked to quit: the program ends without its windows' say, as on any quit.
            MSG drop;
            PeekMessageW(&drop, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
            return;
        }
    }
}

void Win32Backend::runModal(Form& form, Form* owner) {
    HWND self = WindowOf(&form);
    if (!self) return;
    HWND ownerWindow = WindowOf(owner);
    if (!ownerWindow) {
        // No owner named: the form that was active before it is the one it returns to.
        HWND before = previousActive_;
        if (before && before != self && IsWindow(before) && FormPeerOf(before)) ownerWindow = before;
    }
    if (ownerWindow && ownerWindow != self) SetWindowLongPtrW(self, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(ownerWindow));

    // The owner and every other form take no input while the dialog is up; the timers,
    // on their own hidden window, keep running.
    std::vector<HWND> disabled;
    for (Form* other : LoadedForms()) {
        HWND h = WindowOf(other);
        if (other != &form && h && IsWindowEnabled(h)) {
            EnableWindow(h, FALSE);
            disabled.push_back(h);
        }
    }
    if (ownerWindow) {
        if (auto* peer = FormPeerOf(self)) peer->setModalOwner(ownerWindow);
    }
    if (IsWindow(self) && !IsWindowVisible(self) && form.visible()) ShowWindow(self, SW_SHOW);
    if (IsWindow(self)) SetForegroundWindow(self);

    while (form.isLoaded() && form.visible()) {
        if (!PumpOne(*this)) break;
    }

    if (auto* peer = IsWindow(self) ? FormPeerOf(self) : nullptr) peer->setModalOwner(nullptr);
    for (HWND h : disabled) {
        if (IsWindow(h)) EnableWindow(h, TRUE);
    }
    if (ownerWindow && IsWindow(ownerWindow)) {
        SetForegroundWindow(ownerWindow);
        SetActiveWindow(ownerWindow);
    }
}

void Win32Backend::formClosed(Form&) {
    // Wakes a loop waiting in GetMessage so that it sees no form is left.
    if (LoadedForms().empty()) PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
}

} // namespace qs::tk::win32
