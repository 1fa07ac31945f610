// The backend object: peer creation, text metrics, frames, pictures, the pointer.
#include "toolkit/win32/win32_backend.h"

#include <windows.h>
#include <commctrl.h>

#include <new>

#include "toolkit/application.h"
#include "toolkit/controls.h"
#include "toolkit/win32/list_metrics.h"
#include "toolkit/win32/wic_common.h"
#include "toolkit/win32/wic_pictures.h"

namespace qs::tk {

void InitializeToolkit() {
    SetBackend(std::make_unique<win32::Win32Backend>());
}

} // namespace qs::tk

namespace qs::tk::win32 {

namespace {
Win32Backend* g_current = nullptr;
}

Win32Backend::Win32Backend() {
    g_current = this;
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    RegisterOwnClasses();
}

Win32Backend::~Win32Backend() {
    timerHost_.reset();
    hiddenOwner_.reset();
    ClearWarmFrame(); // COM objects of this thread: released while COM is up
    if (g_current == this) g_current = nullptr;
}

Win32Backend* Win32Backend::current() { return g_current; }

HWND Win32Backend::timerHost() {
    if (!timerHost_ || !IsWindow(timerHost_->handle())) timerHost_ = MakeTimerHost();
    return timerHost_->handle();
}

HWND Win32Backend::hiddenOwner() {
    if (!hiddenOwner_) {
        hiddenOwner_.reset(CreateWindowExW(0, kTimerHostClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                           GetModuleHandleW(nullptr), nullptr));
    }
    return hiddenOwner_.get();
}

std::unique_ptr<Peer> Win32Backend::createPeer(Component& component) {
    switch (component.kind()) {
    case Kind::Form: return MakeFormPeer(static_cast<Form&>(component));
    case Kind::Timer: return MakeTimerPeer(static_cast<Timer&>(component));
    case Kind::PictureBox: return MakePictureBoxPeer(static_cast<PictureBox&>(component));
    case Kind::Image: return MakeImagePeer(static_cast<Image&>(component));
    case Kind::Label: return MakeLabelPeer(static_cast<Label&>(component));
    case Kind::Button: return MakeButtonPeer(static_cast<Button&>(component));
    case Kind::CheckBox: return MakeCheckBoxPeer(static_cast<CheckBox&>(component));
    case Kind::GroupBox: return MakeGroupBoxPeer(static_cast<GroupBox&>(component));
    case Kind::TextBox: return MakeTextBoxPeer(static_cast<TextBox&>(component));
    case Kind::ScrollBar: return MakeScrollBarPeer(static_cast<ScrollBar&>(component));
    case Kind::ListBox: return MakeListBoxPeer(static_cast<ListBox&>(component));
    case Kind::Line: return MakeLinePeer(static_cast<Line&>(component));
    }
    return nullptr;
}

SizeTwips Win32Backend::measureText(const FontSpec& font, std::string_view text) {
    SizeTwips result;
    if (!measureDc_) measureDc_ = platform::MemoryDc(nullptr); // the screen's resolution
    HDC dc = measureDc_.get();
    if (!dc) return result;
    // The font stays selected in this DC of our own: selecting one makes the system look
    // it up anew, which cost more than the measuring when the editor sizes 100,000 names.
    if (HFONT wanted = FontFor(font); wanted != measureFont_) {
        SelectObject(dc, wanted);
        measureFont_ = wanted;
        TEXTMETRICW tm{};
        GetTextMetricsW(dc, &tm);
        measureLineHeight_ = tm.tmHeight;
    }
    SIZE size{0, 0};
    const std::wstring wide = platform::Widen(text);
    if (!wide.empty()) GetTextExtentPoint32W(dc, wide.data(), static_cast<int>(wide.size()), &size);
    result.width = PxToTwipsX(size.cx);
    result.height = PxToTwipsY(measureLineHeight_); // the line height, for empty text too
    return result;
}

float Win32Backend::listRowHeight(const ListBox& list) { return PxToTwipsY(ListRowHeightPx(list.hasCheckBoxes())); }

SizeTwips Win32Backend::formFrameExtra(const Form& form) {
    SizeTwips extra;
    if (auto* peer = form.peer()) {
        if (HWND h = reinterpret_cast<HWND>(peer->hwnd())) {
            RECT r{0, 0, 0, 0};
            AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrW(h, GWL_STYLE)), FALSE,
                               static_cast<DWORD>(GetWindowLongPtrW(h, GWL_EXSTYLE)));
            extra.width = PxToTwipsX(r.right - r.left);
            extra.height = PxToTwipsY(r.bottom - r.top);
            return extra;
        }
    }
    // Not created yet: what the border style will add.
    DWORD style = WS_CLIPCHILDREN, ex = 0;
    switch (form.border()) {
    case BorderStyle::None: style |= WS_POPUP; break;
    case BorderStyle::FixedSingle: style |= WS_CAPTION | WS_SYSMENU; break;
    case BorderStyle::FixedDialog: style |= WS_POPUP | WS_CAPTION | WS_SYSMENU; ex |= WS_EX_DLGMODALFRAME; break;
    case BorderStyle::Sizable: style |= WS_CAPTION | WS_THICKFRAME | WS_SYSMENU; break;
    }
    RECT r{0, 0, 0, 0};
    AdjustWindowRectEx(&r, style, FALSE, ex);
    extra.width = PxToTwipsX(r.right - r.left);
    extra.height = PxToTwipsY(r.bottom - r.top);
    return extra;
}

std::optional<Picture> Win32Backend::loadPicture(const std::string& path) {
    try {
        return LoadPictureFromFile(path);
    } catch (const std::bad_alloc&) {
        return std::nullopt; // too big for the memory there is: the picture does not load
    }
}

// The preparing thread's own boundary takes every failure (see SlidePreparer).
std::optional<Picture> Win32Backend::preparePicture(const PictureOrder& order) { return PreparePictureFromFile(order); }

std::optional<FileStamp> Win32Backend::fileStamp(const std::string& path, const std::stop_token& stop) {
    return PictureFileStamp(path, stop);
}

DecoderExtensionList Win32Backend::decoderExtensions() { return InstalledDecoderExtensions(); }

std::unique_ptr<WorkerThreadScope> Win32Backend::enterWorkerThread() { return EnterImagingThread(); }

Picture Win32Backend::appIcon() { return AppIconPicture(); }

Picture Win32Backend::resourcePicture(std::string_view name) { return ResourcePictureNamed(name); }

HCURSOR CursorFor(Pointer shape) {
    switch (shape) {
    case Pointer::Hourglass: return LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_WAIT));
    case Pointer::Hand: return LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND));
    case Pointer::Default: break;
    }
    return nullptr;
}

bool ApplyCursor(LPARAM lParam, Pointer shape) {
    Win32Backend* backend = Win32Backend::current();
    if (backend && backend->screenPointer() != Pointer::Default) {
        if (HCURSOR c = CursorFor(backend->screenPointer())) {
            SetCursor(c);
            return true;
        }
    }
    if (LOWORD(lParam) != HTCLIENT) return false;
    if (HCURSOR c = CursorFor(shape)) {
        SetCursor(c);
        return true;
    }
    return false;
}

void Win32Backend::setScreenPointer(Pointer shape) {
    screenPointer_ = shape;
    POINT pt{};
    GetCursorPos(&pt);
    HWND under = WindowFromPoint(pt);
    DWORD pid = 0;
    if (under) GetWindowThreadProcessId(under, &pid);
    if (under && pid == GetCurrentProcessId()) {
        // Let the window under the pointer choose again, now, not at the next move.
        const LRESULT hit = SendMessageW(under, WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y));
        SendMessageW(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under), MAKELPARAM(hit, WM_MOUSEMOVE));
    } else if (HCURSOR c = CursorFor(shape)) {
        SetCursor(c);
    }
}

} // namespace qs::tk::win32
