#include "e2e_driver.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace qs::e2e {

namespace {
constexpr Ms kPollInterval{15};

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// A file's whole text; empty when there is none.
std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
} // namespace

std::string WindowsPath(const std::string& path) {
    if (path.empty() || path[0] != '/') return path;
    std::string converted = "Z:" + path;
    std::replace(converted.begin(), converted.end(), '/', '\\');
    return converted;
}

bool WaitUntil(const std::function<bool()>& condition, Ms deadline) {
    const auto end = std::chrono::steady_clock::now() + deadline;
    for (;;) {
        PumpMessages();
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= end) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(kPollInterval.count()), QS_ALLINPUT);
    }
}

void PumpFor(Ms span) {
    WaitUntil([] { return false; }, span);
}

RunFolder::RunFolder(const std::string& saverFileName) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    static std::atomic<int> sequence{0};
    for (int attempt = 0; attempt < 1000 && folder_.empty(); ++attempt) {
        char name[64];
        std::snprintf(name, sizeof name, "qs-e2e-%lu-%d", GetCurrentProcessId(), sequence++);
        std::string candidate = std::string(temp) + name;
        if (CreateDirectoryA(candidate.c_str(), nullptr)) folder_ = candidate;
    }
    saverPath_ = PathOf(saverFileName);
    settingsPath_ = saverPath_.substr(0, saverPath_.find_last_of('.')) + ".INI";
    CopyFileA(WindowsPath(QS_E2E_SAVER_PATH).c_str(), saverPath_.c_str(), FALSE);
}

RunFolder::~RunFolder() {
    // A process that has just ended may hold its files a moment longer.
    WaitUntil(
        [this] {
            std::error_code error;
            std::filesystem::remove_all(folder_, error);
            return !error;
        },
        Ms(3000));
}

void RunFolder::WriteSettings(const std::vector<std::string>& initLines) const {
    std::ofstream out(settingsPath_, std::ios::binary | std::ios::trunc);
    out << "[INIT]\r\n";
    for (const auto& line : initLines) out << line << "\r\n";
}

std::map<std::string, std::string> RunFolder::ReadSettings() const {
    std::map<std::string, std::string> values;
    std::istringstream lines(SettingsText());
    std::string line;
    bool inInit = false;
    while (std::getline(lines, line)) {
        line = Trimmed(line);
        if (line.empty()) continue;
        if (line.front() == '[') {
            inInit = _stricmp(line.c_str(), "[INIT]") == 0;
            continue;
        }
        const auto equals = line.find('=');
        if (inInit && equals != std::string::npos) {
            values[Trimmed(line.substr(0, equals))] = Trimmed(line.substr(equals + 1));
        }
    }
    return values;
}

std::string RunFolder::WriteSolidBitmap(const std::string& name, int width, int height, COLORREF colour) const {
    const int rowBytes = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = static_cast<DWORD>(rowBytes * height);
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + info.biSizeImage;

    std::vector<char> row(static_cast<size_t>(rowBytes), 0);
    for (int x = 0; x < width; ++x) {
        row[static_cast<size_t>(x * 3 + 0)] = static_cast<char>(GetBValue(colour));
        row[static_cast<size_t>(x * 3 + 1)] = static_cast<char>(GetGValue(colour));
        row[static_cast<size_t>(x * 3 + 2)] = static_cast<char>(GetRValue(colour));
    }
    const std::string path = PathOf(name);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    for (int y = 0; y < height; ++y) out.write(row.data(), rowBytes);
    return path;
}

std::string RunFolder::CopyIn(const std::string& source, const std::string& name) const {
    const std::string path = PathOf(name);
    CopyFileA(source.c_str(), path.c_str(), FALSE);
    return path;
}

void RunFolder::WriteText(const std::string& name, const std::string& text) const {
    std::ofstream out(PathOf(name), std::ios::binary | std::ios::trunc);
    out << text;
}

std::string RunFolder::SettingsText() const {
    return FileText(settingsPath_);
}

SaverProcess::SaverProcess(const RunFolder& run, const std::string& arguments) {
    std::string commandLine = "\"" + run.SaverPath() + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (CreateProcessA(run.SaverPath().c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       run.Folder().c_str(), &startup, &info)) {
        CloseHandle(info.hThread);
        process_ = info.hProcess;
        id_ = info.dwProcessId;
    }
}

SaverProcess::~SaverProcess() {
    Kill();
    if (process_) CloseHandle(process_);
}

bool SaverProcess::Running() const {
    return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool SaverProcess::WaitForExit(Ms deadline) const {
    if (!process_) return true;
    return WaitUntil([this] { return !Running(); }, deadline);
}

std::optional<DWORD> SaverProcess::ExitCode() const {
    DWORD code = 0;
    if (!process_ || Running() || !GetExitCodeProcess(process_, &code)) return std::nullopt;
    return code;
}

void SaverProcess::Kill() {
    if (Running()) {
        TerminateProcess(process_, 99);
        WaitForSingleObject(process_, 5000);
    }
}

namespace {
BOOL CALLBACK CollectWindow(HWND window, LPARAM found) {
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    return TRUE;
}
} // namespace

std::vector<HWND> SaverProcess::TopLevelWindows() const {
    std::vector<HWND> all, mine;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&all));
    for (HWND window : all)
        if (ProcessOfWindow(window) == id_) mine.push_back(window);
    return mine;
}

HWND SaverProcess::WaitForWindow(const std::string& caption, Ms deadline) const {
    HWND result = nullptr;
    WaitUntil(
        [&] {
            for (HWND window : TopLevelWindows()) {
                if (CaptionOf(window) == caption) {
                    result = window;
                    return true;
                }
            }
            return false;
        },
        deadline);
    return result;
}

DWORD ProcessOfWindow(HWND window) {
    DWORD id = 0;
    if (!GetWindowThreadProcessId(window, &id)) return 0;
    return id;
}

std::string CaptionOf(HWND window) {
    // For another process's window GetWindowTextA reads the caption the system keeps,
    // without sending the window a message: a busy saver cannot block the test.
    char text[512] = {};
    const int length = GetWindowTextA(window, text, sizeof text);
    return std::string(text, length > 0 ? static_cast<size_t>(length) : 0);
}

std::string ClassOf(HWND window) {
    char name[256] = {};
    const int length = GetClassNameA(window, name, sizeof name);
    return std::string(name, length > 0 ? static_cast<size_t>(length) : 0);
}

HWND FindTopLevel(const std::string& caption) {
    return FindWindowA(nullptr, caption.c_str());
}

std::vector<HWND> Descendants(HWND parent) {
    std::vector<HWND> found;
    EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

std::string TextOf(HWND window) {
    char buffer[1024] = {};
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG,
                             2000, &copied))
        return {};
    return std::string(buffer, std::min<std::size_t>(copied, sizeof buffer - 1));
}

HWND FindChild(HWND parent, const std::string& className, const std::optional<std::string>& text) {
    for (HWND child : Descendants(parent))
        if ((className.empty() || lstrcmpiA(ClassOf(child).c_str(), className.c_str()) == 0) &&
            (!text || TextOf(child) == *text))
            return child;
    return nullptr;
}

HWND WaitForDialog(const SaverProcess& saver, const std::string& caption, const std::string& button, Ms deadline) {
    // The window exists, hidden and captioned, before its controls do: wait for all of it.
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND window : saver.TopLevelWindows())
                if (CaptionOf(window) == caption && IsWindowVisible(window) && FindChild(window, "Button", button))
                    return (found = window) != nullptr;
            return false;
        },
        deadline);
    return found;
}

RECT ScreenRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

void ClickCentre(HWND window) {
    const RECT r = ScreenRect(window);
    ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

int RowCount(HWND list) {
    return static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
}

std::string RowText(HWND list, int row) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
    if (length == LB_ERR) return {};
    std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT got = SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(wide.data()));
    if (got == LB_ERR) return {};
    wide.resize(static_cast<std::size_t>(std::min(got, length)));
    std::string text(wide.size() * 2 + 1, '\0');
    const int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), text.data(),
                                          static_cast<int>(text.size()), nullptr, nullptr);
    text.resize(static_cast<std::size_t>(std::max(bytes, 0)));
    return text;
}

void PressKey(WORD virtualKey, WORD held) {
    const auto key = [](WORD vk, DWORD flags) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = vk;
        in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
        in.ki.dwFlags = flags;
        return in;
    };
    std::vector<INPUT> keys = {key(virtualKey, 0), key(virtualKey, KEYEVENTF_KEYUP)};
    if (held) {
        keys.insert(keys.begin(), key(held, 0));
        keys.push_back(key(held, KEYEVENTF_KEYUP));
    }
    SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
}

void TypeText(const std::string& text) {
    for (unsigned char c : text) {
        INPUT in[2] = {};
        for (INPUT& i : in) {
            i.type = INPUT_KEYBOARD;
            i.ki.wScan = c;
            i.ki.dwFlags = KEYEVENTF_UNICODE;
        }
        in[1].ki.dwFlags |= KEYEVENTF_KEYUP;
        SendInput(2, in, sizeof(INPUT));
    }
}

namespace {
INPUT AbsoluteMouse(int x, int y, DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    // Absolute coordinates run from 0 to 65535 across the primary screen; the pixel's
    // centre maps back to the same pixel after Windows' rounding.
    input.mi.dx = static_cast<LONG>((x * 65536LL + 32768) / ScreenWidth());
    input.mi.dy = static_cast<LONG>((y * 65536LL + 32768) / ScreenHeight());
    input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | flags;
    return input;
}
} // namespace

void PostMouseMove(HWND window, int x, int y) {
    PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}

void ClickAt(int x, int y) {
    INPUT click[2] = {AbsoluteMouse(x, y, MOUSEEVENTF_LEFTDOWN), AbsoluteMouse(x, y, MOUSEEVENTF_LEFTUP)};
    SendInput(2, click, sizeof(INPUT));
}

bool CursorShowing() {
    CURSORINFO info{};
    info.cbSize = sizeof info;
    if (!GetCursorInfo(&info)) return true;
    return (info.flags & CURSOR_SHOWING) != 0;
}

int ScreenWidth() {
    return GetSystemMetrics(SM_CXSCREEN);
}

int ScreenHeight() {
    return GetSystemMetrics(SM_CYSCREEN);
}

COLORREF ScreenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return colour;
}

bool SameColour(COLORREF a, COLORREF b, int tolerance) {
    if (a == CLR_INVALID || b == CLR_INVALID) return false;
    return std::abs(int(GetRValue(a)) - int(GetRValue(b))) <= tolerance &&
           std::abs(int(GetGValue(a)) - int(GetGValue(b))) <= tolerance &&
           std::abs(int(GetBValue(a)) - int(GetBValue(b))) <= tolerance;
}

bool WaitForScreenPixel(int x, int y, COLORREF colour, Ms deadline, int tolerance) {
    return WaitUntil([&] { return SameColour(ScreenPixel(x, y), colour, tolerance); }, deadline);
}

int CountScreenPixels(const RECT& area, COLORREF colour, int tolerance) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return 0;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    int count = 0;
    if (bitmap && bits) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
        GdiFlush();
        const auto* pixels = static_cast<const std::uint32_t*>(bits);
        for (int i = 0; i < width * height; ++i) {
            const std::uint32_t p = pixels[i]; // 0x00RRGGBB
            if (SameColour(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF), colour, tolerance)) ++count;
        }
        SelectObject(memory, old);
    }
    if (bitmap) DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return count;
}

PictureProbe::PictureProbe() {
    static std::atomic<int> sequence{0};
    path_ = "\\\\.\\pipe\\qs-e2e-probe-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(sequence++) + ".bmp";
    pipe_ = CreateNamedPipeA(path_.c_str(), PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED, PIPE_TYPE_BYTE | PIPE_WAIT,
                             1, 4096, 4096, 0, nullptr);
    event_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (pipe_ == INVALID_HANDLE_VALUE || !event_) return;
    overlapped_.hEvent = event_;
    if (!ConnectNamedPipe(pipe_, &overlapped_)) {
        const DWORD error = GetLastError();
        if (error == ERROR_PIPE_CONNECTED) opened_ = true;
    }
}

PictureProbe::~PictureProbe() {
    if (pipe_ != INVALID_HANDLE_VALUE) {
        CancelIo(pipe_);
        DisconnectNamedPipe(pipe_);
        CloseHandle(pipe_);
    }
    if (event_) CloseHandle(event_);
}

bool PictureProbe::Opened() {
    if (!opened_ && event_ && WaitForSingleObject(event_, 0) == WAIT_OBJECT_0) opened_ = true;
    return opened_;
}

namespace {
constexpr char kHostClass[] = "QuilloE2EPreviewHost";

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) return 1;
    return DefWindowProcA(window, message, wParam, lParam);
}

void RegisterHostClass() {
    static const bool registered = [] {
        WNDCLASSA cls{};
        cls.lpfnWndProc = HostProc;
        cls.hInstance = GetModuleHandleA(nullptr);
        cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
        cls.lpszClassName = kHostClass;
        return RegisterClassA(&cls) != 0;
    }();
    (void)registered;
}
} // namespace

HostWindow::HostWindow(int clientWidth, int clientHeight) {
    RegisterHostClass();
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN;
    RECT frame{0, 0, clientWidth, clientHeight};
    AdjustWindowRect(&frame, style, FALSE);
    window_ = CreateWindowExA(0, kHostClass, "Preview host", style, 40, 40, frame.right - frame.left,
                              frame.bottom - frame.top, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (window_) {
        // The frame a window manager adds may differ: make the client area exactly the size asked for.
        RECT client{};
        GetClientRect(window_, &client);
        const int dx = clientWidth - (client.right - client.left);
        const int dy = clientHeight - (client.bottom - client.top);
        if (dx != 0 || dy != 0) {
            SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left + dx, frame.bottom - frame.top + dy,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        ShowWindow(window_, SW_SHOWNOACTIVATE);
        PumpMessages();
    }
}

HostWindow::~HostWindow() {
    Destroy();
}

std::string HostWindow::HandleText() const {
    // Handles are 32-bit values even in 64-bit processes; the command line carries them signed.
    return std::to_string(static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(window_)));
}

HWND HostWindow::Child() const {
    return window_ ? GetWindow(window_, GW_CHILD) : nullptr;
}

HWND HostWindow::WaitForChild(Ms deadline) const {
    HWND child = nullptr;
    WaitUntil([&] { return (child = Child()) != nullptr; }, deadline);
    return child;
}

void HostWindow::Destroy() {
    if (window_) {
        DestroyWindow(window_);
        window_ = nullptr;
        PumpMessages();
    }
}

SIZE ClientSize(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

bool WaitForSurfacePixel(HWND surface, int x, int y, COLORREF colour, Ms deadline, int tolerance) {
    static const UINT message = RegisterWindowMessageA("QuilloSlides.SurfacePixel");
    return WaitUntil(
        [&] {
            DWORD_PTR answer = 0;
            return SendMessageTimeoutA(surface, message, static_cast<WPARAM>(x), static_cast<LPARAM>(y),
                                       SMTO_ABORTIFHUNG, 2000, &answer) &&
                   static_cast<LRESULT>(answer) >= 0 && static_cast<LRESULT>(answer) <= 0xFFFFFF &&
                   SameColour(static_cast<COLORREF>(answer), colour, tolerance);
        },
        deadline);
}

namespace {
constexpr char kDesktopKey[] = "Control Panel\\Desktop";
constexpr char kPasswordValue[] = "ScreenSaveUsePassword";

void SetValue(const std::string& key, const char* name, DWORD type, const void* data, std::size_t size) {
    RegSetKeyValueA(HKEY_CURRENT_USER, key.c_str(), name, type, data, static_cast<DWORD>(size));
}
} // namespace

PasswordOption::PasswordOption(std::optional<std::string> value) {
    DWORD size = 0;
    if (RegGetValueA(HKEY_CURRENT_USER, kDesktopKey, kPasswordValue, RRF_RT_ANY, &savedType_, nullptr, &size) ==
        ERROR_SUCCESS) {
        saved_.emplace(size);
        RegGetValueA(HKEY_CURRENT_USER, kDesktopKey, kPasswordValue, RRF_RT_ANY, &savedType_, saved_->data(), &size);
    }
    if (value)
        SetValue(kDesktopKey, kPasswordValue, REG_SZ, value->c_str(), value->size() + 1);
    else
        RegDeleteKeyValueA(HKEY_CURRENT_USER, kDesktopKey, kPasswordValue);
}

PasswordOption::~PasswordOption() {
    if (saved_)
        SetValue(kDesktopKey, kPasswordValue, savedType_, saved_->data(), saved_->size());
    else
        RegDeleteKeyValueA(HKEY_CURRENT_USER, kDesktopKey, kPasswordValue);
}

WineAppVersion::WineAppVersion(const std::string& exeName, const std::string& version)
    : keyPath_("Software\\Wine\\AppDefaults\\" + exeName) {
    SetValue(keyPath_, "Version", REG_SZ, version.c_str(), version.size() + 1);
}

WineAppVersion::~WineAppVersion() {
    RegDeleteKeyA(HKEY_CURRENT_USER, keyPath_.c_str());
}

bool ScreenSaverRunningFlag() {
    // Wine keeps the flag in a volatile registry value that every process sees at once;
    // SystemParametersInfo would answer from a copy this process read earlier.
    char value[16] = {};
    DWORD size = sizeof value - 1;
    if (RegGetValueA(HKEY_CURRENT_USER, "Software\\Wine\\Temporary System Parameters\\Control Panel\\Desktop",
                     "WINE_ScreenSaverRunning", RRF_RT_REG_SZ, nullptr, value, &size) == ERROR_SUCCESS) {
        return std::string(value) == "1";
    }
    BOOL running = FALSE;
    SystemParametersInfoA(SPI_GETSCREENSAVERRUNNING, 0, &running, 0);
    return running != FALSE;
}

void InstallTestPasswordCpl(const RunFolder& run, bool accept) {
    run.CopyIn(WindowsPath(QS_E2E_PASSWORD_CPL_PATH), "password.cpl");
    SetTestPasswordAnswer(run, accept);
}

void SetTestPasswordAnswer(const RunFolder& run, bool accept) {
    run.WriteText("password-answer.txt", accept ? "1" : "0");
}

int TestPasswordCalls(const RunFolder& run) {
    const std::string log = FileText(run.PathOf("password-calls.txt"));
    return static_cast<int>(std::count(log.begin(), log.end(), '\n'));
}

} // namespace qs::e2e
