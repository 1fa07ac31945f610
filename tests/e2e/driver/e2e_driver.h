// The end-to-end driver: runs the real QuilloSlides.scr as a separate process under
// Wine (or Windows) and acts on it the way a user and the operating system would: a
// RunFolder holds a copy of the saver and its settings file, a SaverProcess runs it.
//
// Every wait takes a deadline and pumps this thread's messages while it waits, so that
// windows of the test itself (a preview host) keep answering the saver's messages.
// Nothing here sleeps for a fixed time to let something happen: a wait returns as soon
// as its condition holds, and reports false when the deadline passes first.
//
// Input goes through SendInput, the path of real hardware input: Wine moves its cursor
// and queues the messages to the window under the cursor (mouse) or the foreground
// window (keys), as Windows does.
//
// Tests that use the screen, the mouse or the keyboard share one display: the ctest
// entries of tests/e2e hold one resource lock so that they never run side by side.
#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace qs::e2e {

using Ms = std::chrono::milliseconds;

// Deadlines shared by the suites. A Wine process can take several seconds to start on a
// loaded machine; once it runs, the product's own promises are much shorter.
inline constexpr Ms kStartDeadline{20000};  // a started program shows its first window
inline constexpr Ms kExitDeadline{5000};    // a program told to end has ended

// The caption of the settings dialog ("/C").
inline constexpr char kSettingsCaption[] = "Quillo Screen Saver Settings";

// A path as Windows programs use it: a Unix path under Wine becomes Z:\... with
// backslashes; a Windows path is returned as it is.
std::string WindowsPath(const std::string& path);

// Pumps this thread's messages and checks condition every few milliseconds until it
// holds (true) or the deadline passes (false).
bool WaitUntil(const std::function<bool()>& condition, Ms deadline);
// Pumps this thread's messages for the whole span. Only for checking that something
// does NOT happen within a span, never for waiting until something has happened.
void PumpFor(Ms span);

// A fresh folder under the temporary folder holding a copy of the saver under the
// given file name. Removed, with all it holds, when the object goes.
class RunFolder {
public:
    explicit RunFolder(const std::string& saverFileName = "QuilloSlides.scr");
    ~RunFolder();
    RunFolder(const RunFolder&) = delete;
    RunFolder& operator=(const RunFolder&) = delete;

    const std::string& Folder() const { return folder_; }
    // Full path of a file in the folder.
    std::string PathOf(const std::string& name) const { return folder_ + "\\" + name; }
    const std::string& SaverPath() const { return saverPath_; }

    // Writes the settings file: the section [INIT] followed by these key=value lines.
    void WriteSettings(const std::vector<std::string>& initLines) const;
    // The keys and values of section [INIT] as the file holds them now (names as written).
    std::map<std::string, std::string> ReadSettings() const;
    // The whole text of the settings file; empty when there is none.
    std::string SettingsText() const;

    // A 24-bit bitmap file of one colour, for pictures whose pixels a test can predict.
    std::string WriteSolidBitmap(const std::string& name, int width, int height, COLORREF colour) const;
    // Copies a file into the folder under a name; returns the new full path.
    std::string CopyIn(const std::string& source, const std::string& name) const;
    // A file of the folder written with exactly this text.
    void WriteText(const std::string& name, const std::string& text) const;

private:
    std::string folder_;
    std::string saverPath_;
    std::string settingsPath_;  // beside the saver: its name with the extension .INI
};

class SaverProcess {
public:
    // Starts the saver of the run folder with the argument string (e.g. "/S", "/P 1234"),
    // in the run folder.
    SaverProcess(const RunFolder& run, const std::string& arguments);
    // Ends the process if it still runs, and waits for it.
    ~SaverProcess();
    SaverProcess(const SaverProcess&) = delete;
    SaverProcess& operator=(const SaverProcess&) = delete;

    bool Started() const { return process_ != nullptr; }
    DWORD Id() const { return id_; }
    bool Running() const;
    // True when the process has ended within the deadline.
    bool WaitForExit(Ms deadline) const;
    std::optional<DWORD> ExitCode() const;
    void Kill();

    // A visible or hidden top-level window of the process with exactly this caption,
    // or null when none appears within the deadline.
    HWND WaitForWindow(const std::string& caption, Ms deadline) const;
    // Every top-level window of the process now.
    std::vector<HWND> TopLevelWindows() const;

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

// The process that owns a window, 0 for a dead handle.
DWORD ProcessOfWindow(HWND window);
std::string CaptionOf(HWND window);
std::string ClassOf(HWND window);
// The first top-level window of any process with exactly this caption, or null.
HWND FindTopLevel(const std::string& caption);

// Every descendant window of `parent`.
std::vector<HWND> Descendants(HWND parent);
// A control's text, asked of the control itself with WM_GETTEXT (GetWindowText does not
// ask windows of another process); empty when it does not answer in time.
std::string TextOf(HWND window);
// The first descendant of that class (any letter case; "" for any class) whose text is
// `text` (any text when not given), or null.
HWND FindChild(HWND parent, const std::string& className, const std::optional<std::string>& text = std::nullopt);
// Waits for a top-level window of the saver with this caption that is shown with its
// controls: visible, and holding a button captioned `button`. Null when none is in time.
HWND WaitForDialog(const SaverProcess& saver, const std::string& caption, const std::string& button, Ms deadline);
// The window's rectangle on the screen.
RECT ScreenRect(HWND window);
// Clicks the middle of a window with the real mouse.
void ClickCentre(HWND window);
// The number of rows of a list box.
int RowCount(HWND list);
// A list row's text, asked in UTF-16: Wine hands another process's list rows back in
// UTF-16 even to the ANSI message, longer than the ANSI length it reports.
std::string RowText(HWND list, int row);

// A key pressed and released, with `held` (e.g. VK_MENU) held down around it if given.
void PressKey(WORD virtualKey, WORD held = 0);
// Types text as characters, whatever keys would produce them on this keyboard.
void TypeText(const std::string& text);
// A mouse move reported to a window at a point of its client area, posted to it. Wine,
// like Windows, merges the mouse moves queued by SendInput that a program has not taken
// yet into one; posted moves are never merged, so a test that counts moves posts them.
void PostMouseMove(HWND window, int x, int y);
// The cursor moved to a screen pixel, then the left button pressed and released there.
void ClickAt(int x, int y);
// The cursor's display state for the whole system: true while it shows.
bool CursorShowing();

int ScreenWidth();
int ScreenHeight();
COLORREF ScreenPixel(int x, int y);
// True when the colours differ by at most tolerance in each of red, green and blue.
bool SameColour(COLORREF a, COLORREF b, int tolerance = 8);
bool WaitForScreenPixel(int x, int y, COLORREF colour, Ms deadline, int tolerance = 8);
// How many pixels of a screen rectangle have the colour (within the tolerance).
int CountScreenPixels(const RECT& area, COLORREF colour, int tolerance = 8);

// A picture path that tells whether the saver tried to load it: a named pipe of this
// process, which a program opening the "file" connects to. Put Path() in the settings
// as a slide's file; Opened() turns true once the saver has tried to show that slide.
class PictureProbe {
public:
    PictureProbe();
    ~PictureProbe();
    PictureProbe(const PictureProbe&) = delete;
    PictureProbe& operator=(const PictureProbe&) = delete;

    const std::string& Path() const { return path_; }
    bool Opened();

private:
    std::string path_;
    HANDLE pipe_ = INVALID_HANDLE_VALUE;
    HANDLE event_ = nullptr;
    OVERLAPPED overlapped_{};
    bool opened_ = false;
};

// A top-level window of the test process with a client area of the given size, standing
// in for the display-settings dialog's little monitor. Its handle goes on the command
// line after "/P".
class HostWindow {
public:
    HostWindow(int clientWidth, int clientHeight);
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    HWND Handle() const { return window_; }
    // The handle as the command line writes it: a decimal number.
    std::string HandleText() const;
    // The first child window, or null.
    HWND Child() const;
    HWND WaitForChild(Ms deadline) const;
    void Destroy();

private:
    HWND window_ = nullptr;
};

// The size of a window's client area, in pixels.
SIZE ClientSize(HWND window);

// Waits until a drawing surface of the saver shows the colour at a pixel of its client
// area, asked of the surface itself: a surface window answers the registered message
// "QuilloSlides.SurfacePixel" (wParam = x, lParam = y) with the colour its own drawing
// has there, or -1 outside. This reads a surface that lives inside another process's
// window, whose drawing Wine does not put on the screen.
bool WaitForSurfacePixel(HWND surface, int x, int y, COLORREF colour, Ms deadline, int tolerance = 8);

// Sets or removes HKCU\Control Panel\Desktop\ScreenSaveUsePassword for the test's span,
// and puts back what was there before when the object goes.
class PasswordOption {
public:
    explicit PasswordOption(std::optional<std::string> value);
    ~PasswordOption();
    PasswordOption(const PasswordOption&) = delete;
    PasswordOption& operator=(const PasswordOption&) = delete;

private:
    std::optional<std::vector<BYTE>> saved_;
    DWORD savedType_ = REG_SZ;
};

// Makes Wine report a Windows version for one executable name, e.g. ("QuilloSaver98.scr",
// "win98"): the Windows 95 family. Removed again when the object goes.
class WineAppVersion {
public:
    WineAppVersion(const std::string& exeName, const std::string& version);
    ~WineAppVersion();
    WineAppVersion(const WineAppVersion&) = delete;
    WineAppVersion& operator=(const WineAppVersion&) = delete;

private:
    std::string keyPath_;
};

// Whether the system's screen-saver-running flag (set by SystemParametersInfo action 97)
// stands now, as the system reports it to any process.
bool ScreenSaverRunningFlag();

// Puts the test password.cpl beside the saver of the run folder. Its VerifyScreenSavePwd
// answers as password-answer.txt beside it says ("1" lets the saver close, anything else
// refuses) and appends a line to password-calls.txt on every call.
void InstallTestPasswordCpl(const RunFolder& run, bool accept);
void SetTestPasswordAnswer(const RunFolder& run, bool accept);
int TestPasswordCalls(const RunFolder& run);

} // namespace qs::e2e
