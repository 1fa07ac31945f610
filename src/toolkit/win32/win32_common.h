// Shared pieces of the Win32 backend: unit and colour conversion, fonts, and the
// NativeWindow base through which every window this backend creates receives its
// messages (the windows of its own classes and the subclassed standard controls).
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "platform/win32/scoped.h"
#include "platform/win32/wide_text.h"
#include "toolkit/component.h"
#include "toolkit/types.h"

namespace qs::tk::win32 {

// --- units: twips of the components <-> pixels of the screen ---
int TwipsToPxX(float twips);
int TwipsToPxY(float twips);
float PxToTwipsX(int px);
float PxToTwipsY(int px);
// The screen's dots per inch, derived from its twips per pixel.
int ScreenDpiX();
int ScreenDpiY();

// A toolkit colour (packed RGB, or a system colour index with the top bit) as GDI wants it.
COLORREF ToColorRef(Color c);
// Fills `area` of dc with one colour.
void FillSolid(HDC dc, const RECT& area, COLORREF color);

// The GDI fonts of the font descriptions, each made on first use (the program uses a
// handful) and deleted with the cache, which the backend holds.
class FontCache {
public:
    // Null when the font cannot be made.
    HFONT fontFor(const FontSpec& wanted);

private:
    using Key = std::tuple<std::string, long, bool, bool, bool, int>;
    std::map<Key, platform::GdiObject<HFONT>> fonts_;
};
// A GDI font for the font description, from the backend's cache, which every window shares.
// Never returns null: falls back to the GUI font.
HFONT FontFor(const FontSpec& wanted);
// The default font of controls that have no Font property of their own.
const FontSpec& DefaultControlFont();

// --- windows ---
class ContainerWindow;

// A window of this backend. Messages reach handleMessage(); the default handling is
// the class procedure (own classes) or the control's original procedure (subclassed).
class NativeWindow {
public:
    NativeWindow() = default;
    NativeWindow(const NativeWindow&) = delete;
    NativeWindow& operator=(const NativeWindow&) = delete;
    virtual ~NativeWindow();

    HWND handle() const { return hwnd_; }
    // False once this object is gone. A handler that calls into a component (which may
    // unload the form and so delete this peer) checks it before touching members again.
    std::shared_ptr<const bool> lifeToken() const { return life_; }

    // Notifications that a parent received on this window's behalf (WM_COMMAND,
    // WM_VSCROLL, WM_DRAWITEM, WM_CTLCOLOR*). Return true when handled.
    virtual bool onCommand(int code) { (void)code; return false; }
    virtual bool onScroll(int code, int pos) { (void)code, (void)pos; return false; }
    virtual bool onDrawItem(const DRAWITEMSTRUCT& item) { (void)item; return false; }
    virtual HBRUSH onCtlColor(HDC dc) { (void)dc; return nullptr; }

    // The window behind a handle, if this backend made it.
    static NativeWindow* fromHandle(HWND hwnd);

protected:
    // Creates a window of one of the backend's own classes (see RegisterOwnClass).
    HWND createOwn(const wchar_t* className, DWORD exStyle, DWORD style, const std::string& text, int x, int y,
                   int w, int h, HWND parent, HMENU menuOrId);
    // Creates a standard control and subclasses it so that its messages come here.
    HWND createControl(const wchar_t* className, DWORD exStyle, DWORD style, const std::string& text, int x, int y,
                       int w, int h, HWND parent);
    void destroyWindow();

    virtual LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    // What the window would do without us.
    LRESULT defaultHandling(UINT msg, WPARAM wParam, LPARAM lParam);
    // The window is going away (WM_NCDESTROY): the handle is no longer valid.
    virtual void windowGone() {}

private:
    friend LRESULT CALLBACK OwnWindowProc(HWND, UINT, WPARAM, LPARAM);
    friend LRESULT CALLBACK ControlWindowProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
    void attach(HWND hwnd);
    void detach();

    HWND hwnd_ = nullptr;
    WNDPROC controlProc_ = nullptr; // a subclassed control's own procedure
    std::shared_ptr<bool> life_ = std::make_shared<bool>(true);
};

// The window classes of the backend, registered on first use.
constexpr const wchar_t* kFormClass = L"QuilloForm";
constexpr const wchar_t* kPictureBoxClass = L"QuilloPictureBox";
constexpr const wchar_t* kGroupBoxClass = L"QuilloGroupBox";
constexpr const wchar_t* kTimerHostClass = L"QuilloTimerHost";
void RegisterOwnClasses();

// The container peer of a control (form, picture box or group box), or null.
ContainerWindow* ContainerOf(const Control& control);
// The pixel rectangle of a control within its container's client area.
RECT ControlRectPx(const Control& control);
// The shift keys held down now, and whether the key message (its lParam; none outside a key
// message) is an auto-repeat.
KeyModifiers CurrentModifiers(LPARAM keyData = 0);

// A typed character (WM_CHAR of a Unicode window) as the key code a window of the
// system's code page receives: typed characters are that code page's, "?" where it has none.
inline char CodePageChar(WPARAM unit) {
    const wchar_t wide = static_cast<wchar_t>(unit);
    char ansi = '?';
    return WideCharToMultiByte(CP_ACP, 0, &wide, 1, &ansi, 1, nullptr, nullptr) == 1 ? ansi : '?';
}

} // namespace qs::tk::win32
