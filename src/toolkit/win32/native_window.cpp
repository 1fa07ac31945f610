// The NativeWindow plumbing: one procedure for the backend's own window classes, one
// subclass procedure for standard controls, both leading to NativeWindow::handleMessage.
#include <windows.h>

#include <cstdio>
#include <exception>
#include <unordered_map>

#include "toolkit/win32/win32_common.h"

namespace qs::tk::win32 {

namespace {
std::unordered_map<HWND, NativeWindow*>& Registry() {
    static std::unordered_map<HWND, NativeWindow*> windows;
    return windows;
}

// The procedure each subclassed control had before ours. It outlives the control's
// NativeWindow: a control left behind (another thread's, or one subclassed again on
// top of ours, as a tool tip does) keeps calling through until it is destroyed.
std::unordered_map<HWND, WNDPROC>& ControlProcs() {
    static std::unordered_map<HWND, WNDPROC> procs;
    return procs;
}
} // namespace

LRESULT CALLBACK OwnWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    NativeWindow* window = NativeWindow::fromHandle(hwnd);
    if (!window && msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        window = static_cast<NativeWindow*>(create->lpCreateParams);
        if (window) window->attach(hwnd);
    }
    if (!window) return DefWindowProcW(hwnd, msg, wParam, lParam);
    return window->dispatch(msg, wParam, lParam);
}

// A plain window-procedure subclass rather than the common controls' SetWindowSubclass:
// that one looks up a window property for every message, a server round trip under
// Wine, and a list of 10,000 rows takes tens of thousands of messages to fill. The
// Unicode procedure is replaced, so controls see messages in the same form as before.
LRESULT CALLBACK ControlWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    NativeWindow* window = NativeWindow::fromHandle(hwnd);
    if (window && window->controlProc_) {
        const LRESULT result = window->dispatch(msg, wParam, lParam);
        if (msg == WM_NCDESTROY) ControlProcs().erase(hwnd);
        return result;
    }
    auto& procs = ControlProcs();
    const auto it = procs.find(hwnd);
    if (it == procs.end()) return DefWindowProcW(hwnd, msg, wParam, lParam);
    const WNDPROC original = it->second;
    if (msg == WM_NCDESTROY) procs.erase(it);
    return CallWindowProcW(original, hwnd, msg, wParam, lParam);
}

NativeWindow::~NativeWindow() {
    *life_ = false;
    destroyWindow();
}

NativeWindow* NativeWindow::fromHandle(HWND hwnd) {
    if (!hwnd) return nullptr;
    auto& reg = Registry();
    auto it = reg.find(hwnd);
    return it == reg.end() ? nullptr : it->second;
}

void NativeWindow::attach(HWND hwnd) {
    hwnd_ = hwnd;
    Registry()[hwnd] = this;
}

void NativeWindow::detach() {
    if (!hwnd_) return;
    if (controlProc_) {
        // Put the control's own procedure back unless another subclass sits on ours; then
        // ours stays in its chain and passes every message through.
        if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd_, GWLP_WNDPROC)) == ControlWindowProc) {
            SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(controlProc_));
            ControlProcs().erase(hwnd_);
        }
    }
    Registry().erase(hwnd_);
    hwnd_ = nullptr;
    controlProc_ = nullptr;
}

namespace {
// A child window made later lies above the ones made before it, as the forms are
// designed: Windows puts a new child below its siblings, and a clip meant to cover part
// of another control (the editor's option columns over its name list) would vanish.
void RaiseAboveEarlierSiblings(HWND child) {
    SetWindowPos(child, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}
} // namespace

HWND NativeWindow::createOwn(const wchar_t* className, DWORD exStyle, DWORD style, const std::string& text, int x,
                             int y, int w, int h, HWND parent, HMENU menuOrId) {
    RegisterOwnClasses();
    HWND hwnd = CreateWindowExW(exStyle, className, platform::Widen(text).c_str(), style, x, y, w, h, parent,
                                menuOrId, GetModuleHandleW(nullptr), this);
    if (hwnd && (style & WS_CHILD)) RaiseAboveEarlierSiblings(hwnd);
    return hwnd;
}

HWND NativeWindow::createControl(const wchar_t* className, DWORD exStyle, DWORD style, const std::string& text,
                                 int x, int y, int w, int h, HWND parent) {
    static UINT nextId = 1000; // clear of IDOK / IDCANCEL, which the dialog keys send
    HWND hwnd = CreateWindowExW(exStyle, className, platform::Widen(text).c_str(), style, x, y, w, h, parent,
                                reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nextId++)),
                                GetModuleHandleW(nullptr), nullptr);
    if (!hwnd) return nullptr;
    RaiseAboveEarlierSiblings(hwnd);
    attach(hwnd);
    const auto original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ControlWindowProc)));
    if (original) {
        ControlProcs()[hwnd] = original;
        controlProc_ = original;
    }
    return hwnd;
}

void NativeWindow::destroyWindow() {
    if (!hwnd_) return;
    HWND hwnd = hwnd_;
    // WM_NCDESTROY detaches us; a window already gone with its parent (a preview host
    // that closed) left a stale handle that DestroyWindow simply refuses.
    if (IsWindow(hwnd) && GetWindowThreadProcessId(hwnd, nullptr) == GetCurrentThreadId()) {
        DestroyWindow(hwnd);
    }
    detach();
}

LRESULT NativeWindow::defaultHandling(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (controlProc_) return CallWindowProcW(controlProc_, hwnd_, msg, wParam, lParam);
    return DefWindowProcW(hwnd_, msg, wParam, lParam);
}

LRESULT NativeWindow::handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    return defaultHandling(msg, wParam, lParam);
}

namespace {
// What a failed handler leaves behind: a line in the debugger output, which a debug
// viewer shows; the program goes on with its next message.
void WriteHandlerFailure(UINT msg, const char* what) {
    char line[400];
    std::snprintf(line, sizeof line, "QuilloSlides: the handler of window message 0x%04X failed: %s\n", msg, what);
    OutputDebugStringW(platform::Widen(line).c_str());
}
} // namespace

// The program's one error boundary: nothing a handler throws unwinds into the system's
// code, and the message still gets an answer.
LRESULT NativeWindow::dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
    auto alive = life_;
    bool failed = false;
    LRESULT result = 0;
    try {
        result = handleMessage(msg, wParam, lParam);
    } catch (const std::exception& e) {
        WriteHandlerFailure(msg, e.what());
        failed = true;
    } catch (...) {
        WriteHandlerFailure(msg, "an exception of unknown type");
        failed = true;
    }
    // The window's usual answer, unless that would close a window its handler failed to
    // close, or the window went with the failure.
    if (failed && *alive && msg != WM_CLOSE) result = defaultHandling(msg, wParam, lParam);
    if (msg == WM_NCDESTROY && *alive) {
        detach();
        windowGone();
    }
    return result;
}

void RegisterOwnClasses() {
    static bool done = false;
    if (done) return;
    done = true;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW wc{};
    wc.lpfnWndProc = OwnWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    // No class brush: every class paints its whole area itself, without flicker.
    wc.hbrBackground = nullptr;

    wc.style = CS_DBLCLKS;
    wc.lpszClassName = kFormClass;
    RegisterClassW(&wc);
    wc.lpszClassName = kPictureBoxClass;
    RegisterClassW(&wc);
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpszClassName = kGroupBoxClass;
    RegisterClassW(&wc);
    wc.style = 0;
    wc.hCursor = nullptr;
    wc.lpszClassName = kTimerHostClass;
    RegisterClassW(&wc);
}

} // namespace qs::tk::win32
