// Everything the program asks of the operating system goes through these small
// interfaces. On Windows each is backed by the real API call (src/platform/win32);
// the native build has no implementation of its own: its tests install doubles.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace qs::platform {

// A window handle as the program sees it: a 32-bit value on the command line,
// a pointer-sized HWND inside Windows.
using WindowHandle = std::uintptr_t;

// Date values count days since 30 December 1899; the fraction is the time of day.
class Clock {
public:
    virtual ~Clock() = default;
    // The current local date and time with whole-second resolution.
    virtual double Now() = 0;
    // Seconds after local midnight (fractions allowed).
    virtual double SecondsAfterMidnight() = 0;
    // A monotonic millisecond count for window timers (never goes back).
    virtual std::uint64_t MonotonicMs() = 0;
};

class Random {
public:
    virtual ~Random() = default;
    // Seeds the generator from the system timer; called once at start-up. Before it,
    // the sequence is the same in every run.
    virtual void Randomize() = 0;
    // A uniform value in [0, 1).
    virtual double Rnd() = 0;
};

struct ScreenMetrics {
    int widthPx = 1024;
    int heightPx = 768;
    double twipsPerPixelX = 15.0;
    double twipsPerPixelY = 15.0;
};

class Screen {
public:
    virtual ~Screen() = default;
    virtual ScreenMetrics Metrics() = 0;
    // Twips per pixel across and down: Metrics without the screen's size, which some
    // systems take long to report while every twips conversion asks for this.
    virtual std::pair<double, double> TwipsPerPixel() {
        const ScreenMetrics m = Metrics();
        return {m.twipsPerPixelX, m.twipsPerPixelY};
    }
};

// The mouse cursor: ShowCursor's display count and the application-wide pointer shape.
class Cursor {
public:
    virtual ~Cursor() = default;
    // As user32's ShowCursor: returns the new display count.
    virtual int ShowCursor(bool show) = 0;
    // GetCursorPos: the cursor's position in screen pixels; false where it is not known.
    virtual bool GetPosition(std::int32_t& x, std::int32_t& y) {
        (void)x, (void)y;
        return false;
    }
};

// The operating-system version record in the code-page layout GetVersionExA fills (148 bytes).
struct OsVersionInfo {
    std::uint32_t dwOSVersionInfoSize = 148;
    std::uint32_t dwMajorVersion = 0;
    std::uint32_t dwMinorVersion = 0;
    std::uint32_t dwBuildNumber = 0;
    std::uint32_t dwPlatformId = 0;
    char szCSDVersion[128] = {};
};

struct RectPx {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// A monitor of the desktop, in virtual-screen pixels: the primary's top-left corner is
// 0, 0, so a monitor left of or above it has negative coordinates.
struct MonitorArea {
    RectPx rect;
    bool primary = false;
};

class Monitors {
public:
    virtual ~Monitors() = default;
    // Every monitor the system reports (EnumDisplayMonitors), the primary flagged.
    virtual std::vector<MonitorArea> List() = 0;
};

// user32/kernel32 calls of the saver windows and start-up.
// Methods are not named after API calls that windows.h turns into macros
// (GetVersionEx, SystemParametersInfo): a Win32 source file that
// includes windows.h would otherwise see other names than the rest of the program.
class System {
public:
    virtual ~System() = default;
    // GetVersionExW: fills info (its size field must say 148 first); false on failure.
    virtual bool GetVersionInfo(OsVersionInfo& info) = 0;
    // SystemParametersInfoW with a pointer to a 32-bit value (or null).
    virtual bool ParametersInfo(unsigned action, unsigned param, std::int32_t* pv, unsigned winIni) = 0;
    // FindWindowW with no class name: a top-level window with this whole caption (the
    // call ignores letter case), or 0.
    virtual WindowHandle FindWindowByCaption(const std::string& caption) = 0;
    virtual bool IsWindow(WindowHandle h) = 0;
    virtual bool GetClientRect(WindowHandle h, RectPx& rect) = 0;
    // SetWindowPos(h, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE).
    virtual bool MakeTopmost(WindowHandle h) = 0;
};

// Screen-saver password services of the Windows 95 family, loaded at run time.
class Passwords {
public:
    virtual ~Passwords() = default;
    // PwdChangePasswordA of mpr: opens the system's password-change dialog and returns
    // when it has closed. Returns false when the function is not available (nothing opens).
    virtual bool PwdChangePassword(const std::string& provider, WindowHandle owner,
                                   std::uint32_t reserved1, std::uint32_t reserved2) = 0;
    // VerifyScreenSavePwd of password.cpl: non-zero lets the saver close.
    // Where password.cpl or its export is missing there is no password to ask for, and
    // the answer is non-zero: a saver that could never be left would lock the user out.
    virtual std::int32_t VerifyScreenSavePwd(WindowHandle owner) = 0;
};

class Shell {
public:
    virtual ~Shell() = default;
    // ShellExecuteW(owner, "open", target, NULL, NULL, SW_SHOWNORMAL); > 32 is success.
    virtual std::intptr_t ShellOpen(WindowHandle owner, const std::string& target) = 0;
    virtual bool FileExists(const std::string& path) = 0;
    // Starts a program in a normal window with the focus; false when it could not be started.
    virtual bool StartProgram(const std::string& path) = 0;
};

// Files and folders, named by full paths in UTF-8.
enum class PathKind { Missing, File, Folder };

// A file's size and last-write time: what tells that a file read earlier has changed since.
struct FileStamp {
    std::uint64_t size = 0;
    std::int64_t writeTime = 0;
    bool operator==(const FileStamp&) const = default;
};

struct FolderEntry {
    std::string name;
    bool folder = false;
};

// Its calls may come from several threads at once.
class Files {
public:
    virtual ~Files() = default;
    // What the path names; Missing also when it cannot be read.
    virtual PathKind Kind(const std::string& path) = 0;
    // The names in a folder, in no particular order, without "." and ".."; none when the
    // folder cannot be read. A folder that only links elsewhere is left out, so that a walk
    // through the tree ends.
    virtual std::vector<FolderEntry> ListFolder(const std::string& folder) = 0;
    // Up to `count` bytes from the start of a file; fewer when it is shorter, none when it
    // cannot be read.
    virtual std::string ReadStart(const std::string& path, std::size_t count) = 0;
};

// The running executable and its command line.
class Process {
public:
    virtual ~Process() = default;
    // Full path of the executable, as the platform reports it.
    virtual std::string ExecutablePath() = 0;
    // The argument string without the program's own name.
    virtual std::string CommandArguments() = 0;
};

// What a call that may fail came to: 0 when it succeeded, otherwise the system's error
// code (GetLastError's value on Windows).
using ErrorCode = std::uint32_t;

// Profile (INI) files, with the semantics of GetPrivateProfileStringW / WritePrivateProfileStringW;
// text in UTF-8.
class ProfileFile {
public:
    virtual ~ProfileFile() = default;
    // The value (or the default) as a buffer of size characters receives it: at most
    // size - 1 of them.
    virtual std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                                const std::string& defaultValue, std::uint32_t size,
                                                const std::string& file) = 0;
    // Each key's value (empty default, at most size - 1 characters) as GetPrivateProfileString
    // reads it, taken from one look at the file where the platform can: a list of a hundred
    // thousand slides is four hundred thousand keys.
    virtual std::vector<std::string> ReadKeys(const std::string& section, const std::vector<std::string>& keys,
                                              std::uint32_t size, const std::string& file);
    // Sets these keys of one section as WritePrivateProfileString would, one after another,
    // in one step: the file on disk is afterwards either all of the new text or, on failure,
    // exactly what it was, never a part. It keeps its form (the system's code page, or UTF-16
    // with its byte-order mark), and takes the UTF-16 form when a value does not fit the code
    // page. A failure is one of the kErrorFile… codes below or another system error code.
    virtual ErrorCode ReplaceKeys(const std::string& section,
                                  const std::vector<std::pair<std::string, std::string>>& values,
                                  const std::string& file) = 0;
};

// Why a profile file could not be replaced, in the system's codes (Windows' values).
constexpr ErrorCode kErrorFolderNotWritable = 5;  // ERROR_ACCESS_DENIED: no new file may be made beside it
constexpr ErrorCode kErrorFileHeldOpen = 32;      // ERROR_SHARING_VIOLATION: another program holds the file
constexpr ErrorCode kErrorDiskFull = 112;         // ERROR_DISK_FULL
constexpr ErrorCode kErrorFileReadOnly = 6009;    // ERROR_FILE_READ_ONLY

// The registry calls of advapi32, with their status codes (0 = ERROR_SUCCESS).
using RegKey = std::uintptr_t;
constexpr RegKey kHkeyCurrentUser = 0x80000001u;
constexpr RegKey kHkeyLocalMachine = 0x80000002u;
constexpr std::uint32_t kRegSz = 1, kRegExpandSz = 2, kRegBinary = 3, kRegDword = 4, kRegMultiSz = 7;
constexpr std::int32_t kErrorFileNotFound = 2, kErrorMoreData = 234;

class Registry {
public:
    virtual ~Registry() = default;
    virtual std::int32_t RegOpenKeyEx(RegKey root, const std::string& subKey, std::uint32_t access, RegKey& result) = 0;
    // type may be null; data may be null to ask for the size only.
    virtual std::int32_t RegQueryValueEx(RegKey key, const std::string& valueName, std::uint32_t* type,
                                         std::uint8_t* data, std::uint32_t* dataSize) = 0;
    virtual std::int32_t RegSetValueEx(RegKey key, const std::string& valueName, std::uint32_t type,
                                       const std::uint8_t* data, std::uint32_t dataSize) = 0;
    virtual std::int32_t RegCreateKeyEx(RegKey root, const std::string& subKey, std::uint32_t access,
                                        RegKey& result) = 0;
    // Closes a key that RegOpenKeyEx or RegCreateKeyEx gave.
    virtual void CloseKey(RegKey key) = 0;
};

// The services in force. Each pointer is set by InstallDefaultServices() to the
// Win32 implementation; tests install doubles instead.
struct Services {
    Clock* clock = nullptr;
    Random* random = nullptr;
    Screen* screen = nullptr;
    Monitors* monitors = nullptr;
    Cursor* cursor = nullptr;
    System* system = nullptr;
    Passwords* passwords = nullptr;
    Shell* shell = nullptr;
    Files* files = nullptr;
    Process* process = nullptr;
    ProfileFile* profile = nullptr;
    Registry* registry = nullptr;
};

Services& services();

// Installs the Win32 implementations (the Windows build only).
void InstallDefaultServices();

} // namespace qs::platform
