// The Win32 services against the real system (run under Wine on the test display).
#include <gtest/gtest.h>

#include <windows.h>

#include <cmath>
#include <string>

#include "platform/win32/services_win32.h"

namespace qs::platform {
namespace {

WindowHandle H(HWND hwnd) {
    return reinterpret_cast<WindowHandle>(hwnd);
}

// A plain top-level window of a class of its own, destroyed with the object.
class TestWindow {
public:
    explicit TestWindow(const char* caption, DWORD style = WS_OVERLAPPEDWINDOW, HWND parent = nullptr) {
        static const ATOM cls = [] {
            WNDCLASSA wc{};
            wc.lpfnWndProc = DefWindowProcA;
            wc.hInstance = GetModuleHandleA(nullptr);
            wc.lpszClassName = "QsAppServicesTestWindow";
            return RegisterClassA(&wc);
        }();
        (void)cls;
        hwnd_ = CreateWindowExA(0, "QsAppServicesTestWindow", caption, style, 10, 20, 300, 200, parent, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    }
    ~TestWindow() { Destroy(); }
    void Destroy() {
        if (hwnd_) {
            DestroyWindow(hwnd_);
            hwnd_ = nullptr;
        }
    }
    HWND hwnd() const { return hwnd_; }

private:
    HWND hwnd_ = nullptr;
};

// Local time in date-value days, reckoned from FILETIME (100 ns since 1601) rather
// than from calendar fields: 109205 days lie between 1 January 1601 and day 0.
double LocalDateValueFromFileTime() {
    FILETIME utc{}, local{};
    GetSystemTimeAsFileTime(&utc);
    FileTimeToLocalFileTime(&utc, &local);
    const ULONGLONG ticks = (ULONGLONG(local.dwHighDateTime) << 32) | local.dwLowDateTime;
    return double(ticks) / 864e9 - 109205.0;
}

TEST(Win32Clock, AgreesWithTheSystemTimeToTheSecond) {
    auto clock = MakeWin32Clock();
    const double before = LocalDateValueFromFileTime();
    const double now = clock->Now();
    const double after = LocalDateValueFromFileTime();
    EXPECT_GE(now * 86400.0, std::floor(before * 86400.0) - 0.01);
    EXPECT_LE(now * 86400.0, after * 86400.0 + 0.01);
    EXPECT_NEAR(now * 86400.0, std::round(now * 86400.0), 1e-3) << "whole seconds";

    const double seconds = clock->SecondsAfterMidnight();
    const double expected = std::fmod(LocalDateValueFromFileTime(), 1.0) * 86400.0;
    const double distance = std::fabs(seconds - expected);
    EXPECT_LT(std::min(distance, 86400.0 - distance), 1.0);
}

TEST(Win32Clock, MonotonicCountIsTheTickCount) {
    auto clock = MakeWin32Clock();
    const ULONGLONG before = GetTickCount64();
    const std::uint64_t now = clock->MonotonicMs();
    const ULONGLONG after = GetTickCount64();
    EXPECT_GE(now, before);
    EXPECT_LE(now, after);
}

TEST(Win32Random, TwoSeededGeneratorsDiffer) {
    auto a = MakeWin32Random();
    auto b = MakeWin32Random();
    EXPECT_EQ(a->Rnd(), b->Rnd());
    a->Randomize();
    b->Randomize();
    EXPECT_NE(a->Rnd(), b->Rnd()) << "the performance counter differs between two calls";
    for (int i = 0; i < 1000; ++i) {
        const double r = a->Rnd();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
    }
}

TEST(Win32Screen, ReportsTheTestDisplay) {
    auto screen = MakeWin32Screen();
    const ScreenMetrics m = screen->Metrics();
    EXPECT_EQ(m.widthPx, 1024);
    EXPECT_EQ(m.heightPx, 768);
    HDC dc = GetDC(nullptr);
    const int dpiX = GetDeviceCaps(dc, LOGPIXELSX);
    const int dpiY = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    EXPECT_DOUBLE_EQ(m.twipsPerPixelX, 1440.0 / dpiX);
    EXPECT_DOUBLE_EQ(m.twipsPerPixelY, 1440.0 / dpiY);
}

TEST(Win32Cursor, ShowCursorCountsBothWays) {
    auto cursor = MakeWin32Cursor();
    const int start = cursor->ShowCursor(true);
    EXPECT_EQ(cursor->ShowCursor(false), start - 1);
    EXPECT_EQ(cursor->ShowCursor(false), start - 2);
    EXPECT_EQ(cursor->ShowCursor(true), start - 1);
}

TEST(Win32System, VersionRecordIsTheNtFamily) {
    auto system = MakeWin32System();
    OsVersionInfo info;
    ASSERT_TRUE(system->GetVersionInfo(info));
    EXPECT_EQ(info.dwOSVersionInfoSize, 148u);
    EXPECT_EQ(info.dwPlatformId, 2u);
    EXPECT_GE(info.dwMajorVersion, 5u);
}

TEST(Win32System, FindsATopLevelWindowByItsCaption) {
    auto system = MakeWin32System();
    const std::string caption = "Quillo services test " + std::to_string(GetCurrentProcessId());
    EXPECT_EQ(system->FindWindowByCaption(caption), 0u);
    TestWindow window(caption.c_str());
    ASSERT_NE(window.hwnd(), nullptr);
    EXPECT_EQ(system->FindWindowByCaption(caption), H(window.hwnd()));
    EXPECT_EQ(system->FindWindowByCaption(caption + " "), 0u) << "the whole caption must match";
    window.Destroy();
    EXPECT_EQ(system->FindWindowByCaption(caption), 0u);
}

TEST(Win32System, WindowCallsFollowTheWindowsLife) {
    auto system = MakeWin32System();
    TestWindow host("host");
    TestWindow surface("surface", WS_POPUP);
    ASSERT_NE(host.hwnd(), nullptr);
    ASSERT_NE(surface.hwnd(), nullptr);

    RECT expected{};
    GetClientRect(host.hwnd(), &expected);
    RectPx rect;
    ASSERT_TRUE(system->GetClientRect(H(host.hwnd()), rect));
    EXPECT_EQ(rect.right - rect.left, expected.right - expected.left);
    EXPECT_EQ(rect.bottom - rect.top, expected.bottom - expected.top);

    EXPECT_TRUE(system->MakeTopmost(H(surface.hwnd())));
    EXPECT_NE(GetWindowLongA(surface.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);

    SetWindowLongA(surface.hwnd(), GWL_STYLE, WS_CHILD);
    system->SetParent(H(surface.hwnd()), H(host.hwnd()));
    EXPECT_EQ(GetParent(surface.hwnd()), host.hwnd());

    const WindowHandle gone = H(host.hwnd());
    system->SetParent(H(surface.hwnd()), 0);
    host.Destroy();
    EXPECT_TRUE(system->IsWindow(H(surface.hwnd())));
    EXPECT_FALSE(system->IsWindow(gone));
    RectPx untouched{7, 7, 7, 7};
    EXPECT_FALSE(system->GetClientRect(gone, untouched));
    EXPECT_EQ(untouched.right, 7);
    EXPECT_FALSE(system->IsWindow(0));
}

UINT g_lastMessage = 0;
WNDPROC g_previous = nullptr;

LRESULT CALLBACK Recorder(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    g_lastMessage = msg;
    if (msg == WM_USER + 7) {
        return 4321;
    }
    return CallWindowProcA(g_previous, hwnd, msg, wParam, lParam);
}

TEST(Win32WindowProcs, ReplaceAndRestoreAWindowProcedure) {
    auto procs = MakeWin32WindowProcs();
    TestWindow window("subclassed");
    const auto mine = reinterpret_cast<WndProcAddress>(&Recorder);
    const WndProcAddress old = procs->SetWindowProc(H(window.hwnd()), mine);
    ASSERT_NE(old, 0u);
    g_previous = reinterpret_cast<WNDPROC>(old);
    EXPECT_EQ(SendMessageA(window.hwnd(), WM_USER + 7, 0, 0), 4321);
    EXPECT_EQ(g_lastMessage, UINT(WM_USER + 7));
    EXPECT_EQ(procs->CallProc(mine, H(window.hwnd()), WM_USER + 7, 0, 0), 4321);

    char text[32] = {};
    const auto length = procs->CallProc(old, H(window.hwnd()), WM_GETTEXT, sizeof(text),
                                        reinterpret_cast<std::intptr_t>(text));
    EXPECT_EQ(length, 10);
    EXPECT_STREQ(text, "subclassed");

    EXPECT_EQ(procs->SetWindowProc(H(window.hwnd()), old), mine);
    g_lastMessage = 0;
    SendMessageA(window.hwnd(), WM_USER + 7, 0, 0);
    EXPECT_EQ(g_lastMessage, 0u);
}

TEST(Win32WindowProcs, ReplacingTheProcedureOfADeadWindowFails) {
    auto procs = MakeWin32WindowProcs();
    TestWindow window("short-lived");
    const WindowHandle gone = H(window.hwnd());
    window.Destroy();
    EXPECT_EQ(procs->SetWindowProc(gone, reinterpret_cast<WndProcAddress>(&Recorder)), 0u);
}

TEST(Win32Passwords, WithoutPasswordCplTheSaverMayClose) {
    HMODULE cpl = LoadLibraryA("password.cpl");
    if (cpl) {
        FreeLibrary(cpl);
        GTEST_SKIP() << "this system has a password.cpl";
    }
    auto passwords = MakeWin32Passwords();
    EXPECT_NE(passwords->VerifyScreenSavePwd(0), 0);
    EXPECT_NE(passwords->VerifyScreenSavePwd(0), 0) << "the second call finds the same";
}

// The call goes to mpr's export when the system has one; Wine's returns at once.
TEST(Win32Passwords, ChangeDialogIsFoundInMprAtRunTime) {
    HMODULE mpr = LoadLibraryA("mpr.dll");
    ASSERT_NE(mpr, nullptr);
    const bool exported = GetProcAddress(mpr, "PwdChangePasswordA") != nullptr;
    auto passwords = MakeWin32Passwords();
    EXPECT_EQ(passwords->PwdChangePassword("SCRSAVE", 0, 0, 0), exported);
    FreeLibrary(mpr);
}

std::string SystemFile(const char* name) {
    char folder[MAX_PATH] = {};
    GetSystemDirectoryA(folder, MAX_PATH);
    return std::string(folder) + "\\" + name;
}

TEST(Win32Shell, FileExistsForFilesOnly) {
    auto shell = MakeWin32Shell();
    EXPECT_TRUE(shell->FileExists(SystemFile("kernel32.dll")));
    char folder[MAX_PATH] = {};
    GetSystemDirectoryA(folder, MAX_PATH);
    EXPECT_FALSE(shell->FileExists(folder));
    EXPECT_FALSE(shell->FileExists(SystemFile("no-such-file.quillo")));
}

TEST(Win32Shell, StartProgramStartsAnExistingProgramOnly) {
    auto shell = MakeWin32Shell();
    EXPECT_TRUE(shell->StartProgram(SystemFile("hostname.exe")));
    EXPECT_FALSE(shell->StartProgram(SystemFile("no-such-program.exe")));
}

TEST(Win32Shell, ShellOpenReportsAMissingTargetAsFailure) {
    auto shell = MakeWin32Shell();
    EXPECT_LE(shell->ShellOpen(0, SystemFile("no-such-document.quillo")), 32);
}

TEST(Win32Process, KnowsItsExecutableAndArguments) {
    auto process = MakeWin32Process();
    char expected[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, expected, MAX_PATH);
    EXPECT_EQ(process->ExecutablePath(), expected);
    const std::string path = process->ExecutablePath();
    EXPECT_NE(path.find("app_win_tests"), std::string::npos);

    std::string joined;
    const auto argv = ::testing::internal::GetArgvs();
    for (std::size_t i = 1; i < argv.size(); ++i) {
        joined += (i > 1 ? " " : "") + argv[i];
    }
    EXPECT_EQ(process->CommandArguments(), joined);
}

} // namespace
} // namespace qs::platform
