#include "e2e_driver.h"

#include <algorithm>
#include <atomic>
#include <cwchar>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace qs::e2e {

static BOOL CALLBACK CollectWindow(HWND window, LPARAM found) {
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    return TRUE;
}
static bool OfClass(HWND window, const std::string& className) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return lstrcmpiA(name, className.c_str()) == 0;
}

std::string WindowsPath(const std::string& path) {
    std::string converted = path.starts_with('/') ? "Z:" + path : path;
    std::replace(converted.begin(), converted.end(), '/', '\\');
    return converted;
}

bool WaitUntil(const std::function<bool()>& condition, Ms deadline) {
    const auto end = Clock::now() + deadline;
    for (;;) {
        for (MSG msg; PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (condition()) return true;
        if (Clock::now() >= end) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 15, QS_ALLINPUT);
    }
}

RunFolder::RunFolder(const std::string& saverFileName) {
    static std::atomic<int> sequence{0};
    const std::string stem = (std::filesystem::temp_directory_path() / "qs-e2e-").string() +
                             std::to_string(GetCurrentProcessId()) + "-";
    do folder_ = stem + std::to_string(sequence++);
    while (!CreateDirectoryA(folder_.c_str(), nullptr) && GetLastError() == ERROR_ALREADY_EXISTS);
    saverPath_ = PathOf(saverFileName);
    settingsName_ = saverFileName.substr(0, saverFileName.find_last_of('.')) + ".INI";
    CopyFileA(WindowsPath(QS_E2E_SAVER_PATH).c_str(), saverPath_.c_str(), FALSE);
}

RunFolder::~RunFolder() {
    // A process that has just ended may hold its files a moment longer.
    std::error_code error;
    WaitUntil([&] { return std::filesystem::remove_all(folder_, error) != static_cast<std::uintmax_t>(-1); }, Ms(3000));
}

void RunFolder::WriteSettings(const std::vector<std::string>& initLines) const {
    std::string text = "[INIT]\r\n";
    for (const auto& line : initLines) text += line + "\r\n";
    WriteText(settingsName_, text);
}

std::map<std::string, std::string> RunFolder::ReadSettings() const {
    std::vector<wchar_t> text(1 << 16);
    GetPrivateProfileSectionW(L"INIT", text.data(), static_cast<DWORD>(text.size()),
                              platform::Widen(PathOf(settingsName_)).c_str());
    std::map<std::string, std::string> values;
    for (const wchar_t* at = text.data(); *at; at += std::wcslen(at) + 1) {
        const std::string line = platform::Narrow(at);
        if (const std::size_t equals = line.find('='); equals != std::string::npos)
            values[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return values;
}

std::string RunFolder::ReadText(const std::string& name) const {
    std::ostringstream text;
    if (std::ifstream in{std::filesystem::path(platform::Widen(PathOf(name))), std::ios::binary}) text << in.rdbuf();
    return text.str();
}

std::string RunFolder::WriteSolidBitmap(const std::string& name, int width, int height, COLORREF colour) const {
    return WriteBitmap(name, width, height, [colour](int, int) { return colour; });
}

std::string RunFolder::WriteBitmap(const std::string& name, int width, int height,
                                   const std::function<COLORREF(int x, int y)>& colourAt) const {
    const std::size_t rowSize = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};  // padded to four bytes
    BITMAPINFOHEADER info{sizeof info, width, height, 1, 24, BI_RGB, DWORD(rowSize * height), 0, 0, 0, 0};
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof info;
    const BITMAPFILEHEADER file{0x4D42 /* "BM" */, offset + info.biSizeImage, 0, 0, offset};
    std::string text(reinterpret_cast<const char*>(&file), sizeof file);
    text.append(reinterpret_cast<const char*>(&info), sizeof info);
    for (int y = height - 1; y >= 0; --y) {  // bottom-up
        std::string row;
        for (int x = 0; x < width; ++x) {
            const COLORREF c = colourAt(x, y);
            row += {char(GetBValue(c)), char(GetGValue(c)), char(GetRValue(c))};
        }
        row.resize(rowSize);
        text += row;
    }
    WriteText(name, text);
    return PathOf(name);
}

std::string RunFolder::WriteSolidIcon(const std::string& name, int side, COLORREF colour) const {
    WriteSolidBitmap(name, side, side, colour);
    std::string image = ReadText(name).substr(sizeof(BITMAPFILEHEADER)) + std::string(side * side / 8, '\0');
    image[8] = char(2 * side); // the height counts the mask's rows too
    const DWORD at[] = {DWORD(image.size()), 22};
    const std::string entry = std::string("\0\0\1\0\1\0", 6) + char(side) + char(side) + std::string("\0\0\1\0\x18\0", 6);
    WriteText(name, entry + std::string(reinterpret_cast<const char*>(at), sizeof at) + image);
    return PathOf(name);
}

std::string RunFolder::CopyIn(const std::string& source, const std::string& name) const {
    CopyFileA(source.c_str(), PathOf(name).c_str(), FALSE);
    return PathOf(name);
}

void RunFolder::WriteText(const std::string& name, const std::string& text) const {
    const std::filesystem::path path(platform::Widen(PathOf(name)));  // names are UTF-8; a folder in them is made
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

SaverProcess::SaverProcess(const RunFolder& run, const std::string& arguments)
    : SaverProcess(run.SaverPath(), arguments) {}

SaverProcess::SaverProcess(const std::string& saverPath, const std::string& arguments) {
    std::string commandLine = "\"" + saverPath + "\" " + arguments;
    const std::string folder = saverPath.substr(0, saverPath.find_last_of('\\'));
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (CreateProcessA(saverPath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                       &startup, &info)) {
        CloseHandle(info.hThread);
        process_ = info.hProcess;
        id_ = info.dwProcessId;
    }
}

SaverProcess::~SaverProcess() {
    if (Running()) {
        TerminateProcess(process_, 99);
        WaitForSingleObject(process_, 5000);
    }
    if (process_) CloseHandle(process_);
}

std::optional<DWORD> SaverProcess::ExitCode() const {
    DWORD code = 0;
    if (!process_ || Running() || !GetExitCodeProcess(process_, &code)) return std::nullopt;
    return code;
}

std::vector<HWND> SaverProcess::TopLevelWindows() const {
    std::vector<HWND> all;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&all));
    std::erase_if(all, [&](HWND w) { return ProcessOfWindow(w) != id_; });
    return all;
}

HWND SaverProcess::WaitForWindow(const std::string& caption, Ms deadline, const std::string& button) const {
    // FindWindowEx reads the caption without a message: a busy saver cannot block the test.
    HWND w = nullptr;
    const auto found = [&] {
        for (w = nullptr; (w = FindWindowExA(nullptr, w, nullptr, caption.c_str())) != nullptr;)
            if (ProcessOfWindow(w) == id_ &&
                (button.empty() || (IsWindowVisible(w) && FindChild(w, "Button", button))))
                return true;
        return false;
    };
    return WaitUntil(found, deadline) ? w : nullptr;
}

std::vector<HWND> Descendants(HWND parent) {
    std::vector<HWND> found;
    EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

std::string TextOf(HWND window) {
    wchar_t buffer[1024] = {};
    DWORD_PTR got = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 2000, &got))
        return {};
    return platform::Narrow(std::wstring(buffer, std::min<std::size_t>(got, 1023)));
}

HWND FindChild(HWND parent, const std::string& className, const std::optional<std::string>& text) {
    for (HWND child : Descendants(parent))
        if ((className.empty() || OfClass(child, className)) && (!text || TextOf(child) == *text)) return child;
    return nullptr;
}

std::string RowText(HWND list, int row) {
    std::wstring wide(static_cast<std::size_t>(std::max<LRESULT>(SendMessageW(list, LB_GETTEXTLEN, row, 0), 0)) + 1, 0);
    const LRESULT got = SendMessageW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(wide.data()));
    wide.resize(std::min(static_cast<std::size_t>(std::max<LRESULT>(got, 0)), wide.size() - 1));
    return platform::Narrow(wide);
}

std::vector<HWND> EditorLists(HWND editor) {
    std::vector<HWND> lists = Descendants(editor);
    std::erase_if(lists, [](HWND w) { return !OfClass(w, "ListBox"); });
    const auto width = [](HWND w) { return ScreenRect(w).right - ScreenRect(w).left; };
    std::sort(lists.begin(), lists.end(), [&](HWND a, HWND b) { return width(a) > width(b); });
    const auto left = [](HWND a, HWND b) { return ScreenRect(a).left < ScreenRect(b).left; };
    if (!lists.empty()) std::sort(lists.begin() + 1, lists.end(), left);
    return lists;
}

POINT RowPoint(HWND list, int row, int x) {
    const int height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    POINT p{x, (row - static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0))) * height + height / 2};
    ClientToScreen(list, &p);
    return p;
}

HWND OpenEditor(const SaverProcess& saver, HWND settings, std::vector<HWND>& lists) {
    if (!settings || !ClickButton(settings, "&Edit Slides...")) return nullptr;
    HWND editor = saver.WaitForWindow("Edit Slide Show", kDialogDeadline);
    const auto shown = [&] { return IsWindowVisible(editor) && (lists = EditorLists(editor)).size() == 4; };
    return editor && WaitUntil(shown, kDialogDeadline) ? editor : nullptr;
}

bool OkBothAndExit(const SaverProcess& saver, HWND editor, HWND settings) {
    return ClickButton(editor, "&OK") && WaitUntil([&] { return !IsWindow(editor); }, kDialogDeadline) &&
           ClickButton(settings, "&OK") && saver.WaitForExit(kExitDeadline);
}

void PressKey(WORD virtualKey, WORD held) {
    std::vector<INPUT> keys;
    for (const auto& [vk, up] : {std::pair{held, false}, {virtualKey, false}, {virtualKey, true}, {held, true}}) {
        if (vk == 0) continue;
        keys.emplace_back().type = INPUT_KEYBOARD;
        keys.back().ki = {vk, static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC)), up ? KEYEVENTF_KEYUP : 0u, 0, 0};
    }
    SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
}

void ClickAt(int x, int y) {
    // 0..65535 across the primary screen; a pixel's centre maps back to that pixel.
    const LONG ax = static_cast<LONG>((x * 65536LL + 32768) / ScreenWidth());
    const LONG ay = static_cast<LONG>((y * 65536LL + 32768) / ScreenHeight());
    const DWORD moveTo = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    INPUT click[2] = {{INPUT_MOUSE, {.mi = {ax, ay, 0, moveTo | MOUSEEVENTF_LEFTDOWN, 0, 0}}},
                      {INPUT_MOUSE, {.mi = {ax, ay, 0, moveTo | MOUSEEVENTF_LEFTUP, 0, 0}}}};
    SendInput(2, click, sizeof(INPUT));
}

bool ClickCheck(HWND window, const std::string& caption) {
    HWND box = FindChild(window, "Button", caption);
    if (box) ClickCentre(box);
    return box && WaitUntil([&] { return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }, Ms(3000));
}

bool CursorShowing() {
    CURSORINFO info{sizeof(CURSORINFO), 0, nullptr, {}};
    return !GetCursorInfo(&info) || (info.flags & CURSOR_SHOWING) != 0;
}

static COLORREF Colour(std::uint32_t rgb) { return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

COLORREF ScreenPixel(int x, int y) {
    const std::vector<std::uint32_t> pixel = ScreenPixels(RECT{x, y, x + 1, y + 1});
    return pixel.empty() ? CLR_INVALID : Colour(pixel[0]);
}

std::vector<std::uint32_t> ScreenPixels(const RECT& area) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return {};
    BITMAPINFO info{{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);  // 0x00RRGGBB
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, old);
    const bool read = GetDIBits(memory, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS) == height;
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return read ? pixels : std::vector<std::uint32_t>{};
}

int CountScreenPixels(const RECT& area, COLORREF colour, int tolerance) {
    const auto same = [&](std::uint32_t rgb) { return SameColour(Colour(rgb), colour, tolerance); };
    return static_cast<int>(std::ranges::count_if(ScreenPixels(area), same));
}

} // namespace qs::e2e
