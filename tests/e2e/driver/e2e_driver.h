// Runs the real QuilloSlides.scr under Wine and acts on it as a user would. Every wait has a deadline and
// pumps this thread's messages, so a preview host of the test keeps answering; nothing sleeps to let things happen.
#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/win32/wide_text.h"

namespace qs::e2e {

using Ms = std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

// A Wine process can take seconds to start on a loaded machine; the product's own promises are shorter.
inline constexpr Ms kStartDeadline{20000};
inline constexpr Ms kExitDeadline{5000};
inline constexpr Ms kDialogDeadline{10000};
inline constexpr char kSettingsCaption[] = "Quillo Screen Saver Settings";
inline constexpr char kSaverCaption[] = "Quillo ScrSav Main Form";
inline constexpr COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255);

// A Unix path as Windows programs see it under Wine (Z:\...).
std::string WindowsPath(const std::string& path);
bool WaitUntil(const std::function<bool()>& condition, Ms deadline);
// Only for checking that something does NOT happen within a span.
inline void PumpFor(Ms span) { WaitUntil([] { return false; }, span); }
inline double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A fresh temporary folder holding a copy of the saver under the given name; removed with all it holds.
class RunFolder {
public:
    explicit RunFolder(const std::string& saverFileName = "QuilloSlides.scr");
    ~RunFolder();
    RunFolder(const RunFolder&) = delete;

    const std::string& Folder() const { return folder_; }
    std::string PathOf(const std::string& name) const { return folder_ + "\\" + name; }
    const std::string& SaverPath() const { return saverPath_; }

    void WriteSettings(const std::vector<std::string>& initLines) const;  // [INIT] and these lines
    std::map<std::string, std::string> ReadSettings() const;  // section [INIT], in UTF-8, either form of file
    std::string SettingsText() const { return ReadText(settingsName_); }
    std::string ReadText(const std::string& name) const;  // empty when there is none
    // A 24-bit bitmap of one colour, so that a test can predict the pixels shown.
    std::string WriteSolidBitmap(const std::string& name, int width, int height, COLORREF colour) const;
    // A 24-bit BMP whose pixel (x, y), from the top left, is colourAt(x, y).
    std::string WriteBitmap(const std::string& name, int width, int height,
                            const std::function<COLORREF(int x, int y)>& colourAt) const;
    // An icon, a format beyond the five (Wine's imaging component decodes icons, TGA and DDS besides them).
    std::string WriteSolidIcon(const std::string& name, int side, COLORREF colour) const;
    std::string CopyIn(const std::string& source, const std::string& name) const;
    void WriteText(const std::string& name, const std::string& text) const;

private:
    std::string folder_, saverPath_, settingsName_;
};

class SaverProcess {
public:
    SaverProcess(const RunFolder& run, const std::string& arguments);  // in the run folder, e.g. "/S"
    SaverProcess(const std::string& saverPath, const std::string& arguments);  // in the saver's folder
    ~SaverProcess();  // kills it if it still runs
    SaverProcess(const SaverProcess&) = delete;

    DWORD Id() const { return id_; }
    bool Running() const { return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }
    bool WaitForExit(Ms deadline) const { return WaitUntil([this] { return !Running(); }, deadline); }
    std::optional<DWORD> ExitCode() const;
    std::vector<HWND> TopLevelWindows() const;
    // A top-level window of the process with exactly this caption, hidden or not; with a button caption, only
    // once it is visible and holds that button (a dialog exists, hidden, before its controls do).
    HWND WaitForWindow(const std::string& caption, Ms deadline, const std::string& button = "") const;

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

// A "/P" run's host, as the display-settings dialog's little monitor: a frameless popup.
using Host = std::unique_ptr<std::remove_pointer_t<HWND>, decltype(&DestroyWindow)>;
inline Host MakeHost() {
    HWND host = CreateWindowExA(0, "STATIC", "Preview host", WS_POPUP | WS_CLIPCHILDREN, 40, 40, 152, 112, nullptr,
                                nullptr, nullptr, nullptr);
    ShowWindow(host, SW_SHOWNOACTIVATE);
    return Host(host, DestroyWindow);
}
// Handles are 32-bit values even in 64-bit processes; the command line carries them signed.
inline std::string HandleText(HWND window) {
    return std::to_string(static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(window)));
}
inline HWND WaitForSurface(HWND host) {
    HWND surface = nullptr;
    WaitUntil([&] { return (surface = GetWindow(host, GW_CHILD)) != nullptr; }, kStartDeadline);
    return surface;
}
inline DWORD ProcessOfWindow(HWND window) {
    DWORD id = 0;
    return GetWindowThreadProcessId(window, &id) ? id : 0;
}
inline HWND FindTopLevel(const std::string& caption) { return FindWindowA(nullptr, caption.c_str()); }
std::vector<HWND> Descendants(HWND parent);
// Asked with WM_GETTEXT: GetWindowText does not ask another process's controls. In UTF-8.
std::string TextOf(HWND window);
// The first descendant of the class (any case, "" for any) with that text (if given).
HWND FindChild(HWND parent, const std::string& className, const std::optional<std::string>& text = std::nullopt);
inline bool ShowsLabel(HWND top, const std::string& text) { return FindChild(top, "Static", text) != nullptr; }
inline RECT ScreenRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}
// Asked in UTF-16: Wine answers another process's code-page request in UTF-16, longer than it reports.
std::string RowText(HWND list, int row);
inline int RowCount(HWND list) { return static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0)); }
// The editor's list boxes: the names (the widest), then the Center, HStretch and VStretch columns, left to right.
std::vector<HWND> EditorLists(HWND editor);
// The screen point at the vertical middle of a list's row, x pixels into its client area.
POINT RowPoint(HWND list, int row, int x);

// Makes `window` the foreground window; true once the system says it is (keys go there then).
inline bool BringToFront(HWND window) {
    SetForegroundWindow(window);
    return WaitUntil([window] { return GetForegroundWindow() == window; }, Ms(3000));
}
// The settings dialog of a "/C" run, in front; null when it does not come.
inline HWND OpenSettings(const SaverProcess& saver) {
    HWND dialog = saver.WaitForWindow(kSettingsCaption, kStartDeadline, "&OK");
    return dialog && BringToFront(dialog) ? dialog : nullptr;
}
// The editor opened from the settings dialog, once `lists` holds its EditorLists.
HWND OpenEditor(const SaverProcess& saver, HWND settings, std::vector<HWND>& lists);
// OK on the editor, then on the settings dialog; true once the run has ended.
bool OkBothAndExit(const SaverProcess& saver, HWND editor, HWND settings);

// A key pressed and released, inside `held` (e.g. VK_MENU) if given.
void PressKey(WORD virtualKey, WORD held = 0);
void ClickAt(int x, int y);
inline void ClickAt(POINT p) { ClickAt(p.x, p.y); }
inline void ClickCentre(HWND window) {
    const RECT r = ScreenRect(window);
    ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}
inline bool ClickButton(HWND window, const std::string& caption) {
    HWND button = FindChild(window, "Button", caption);
    if (button) ClickCentre(button);
    return button != nullptr;
}
// Clicks the check box with this caption; true once it shows checked.
bool ClickCheck(HWND window, const std::string& caption);
bool CursorShowing();

inline int ScreenWidth() { return GetSystemMetrics(SM_CXSCREEN); }
inline int ScreenHeight() { return GetSystemMetrics(SM_CYSCREEN); }
COLORREF ScreenPixel(int x, int y);
inline bool SameColour(COLORREF a, COLORREF b, int tolerance = 8) {
    return a != CLR_INVALID && b != CLR_INVALID && std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
           std::abs(GetGValue(a) - GetGValue(b)) <= tolerance && std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}
inline bool WaitForScreenPixel(int x, int y, COLORREF colour, Ms deadline) {
    return WaitUntil([&] { return SameColour(ScreenPixel(x, y), colour); }, deadline);
}
int CountScreenPixels(const RECT& area, COLORREF colour, int tolerance = 8);
// The area's pixels row by row as 0x00RRGGBB; empty when the screen could not be read.
std::vector<std::uint32_t> ScreenPixels(const RECT& area);

} // namespace qs::e2e
