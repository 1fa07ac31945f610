// Runs the built QuilloSlides.scr with the switches that open no window of its own
// and checks that it ends by itself and leaves no settings file behind.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "app/win32_main/resource_ids.h"

#ifndef QS_SCR_PATH
#error "QS_SCR_PATH names the built QuilloSlides.scr"
#endif

namespace {

constexpr DWORD kDeadlineMs = 30000;

// The build names the saver with a host path; under Wine that is turned into a DOS path.
std::string SaverPath() {
    std::string path = QS_SCR_PATH;
    if (path.empty() || path[0] != '/') {
        return path;
    }
    using ToDos = WCHAR*(CDECL*)(const char*);
    const auto toDos = reinterpret_cast<ToDos>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_dos_file_name")));
    if (toDos) {
        if (WCHAR* wide = toDos(path.c_str())) {
            char dos[MAX_PATH * 2] = {};
            WideCharToMultiByte(CP_ACP, 0, wide, -1, dos, sizeof(dos), nullptr, nullptr);
            HeapFree(GetProcessHeap(), 0, wide);
            return dos;
        }
    }
    for (char& c : path) {
        if (c == '/') {
            c = '\\';
        }
    }
    return "Z:" + path;
}

// A fresh folder holding a copy of the saver; removed with everything in it.
class SaverFolder {
public:
    SaverFolder() {
        static int counter = 0;
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "qs-app-" + std::to_string(GetCurrentProcessId()) + "-" +
                  std::to_string(++counter);
        CreateDirectoryA(folder_.c_str(), nullptr);
        saver_ = folder_ + "\\QuilloSlides.scr";
        copied_ = CopyFileA(SaverPath().c_str(), saver_.c_str(), FALSE) != FALSE;
    }
    ~SaverFolder() {
        for (const std::string& name : Files()) {
            DeleteFileA((folder_ + "\\" + name).c_str());
        }
        RemoveDirectoryA(folder_.c_str());
    }

    bool copied() const { return copied_; }
    const std::string& saver() const { return saver_; }

    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        WIN32_FIND_DATAA found{};
        HANDLE search = FindFirstFileA((folder_ + "\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) {
            return names;
        }
        do {
            const std::string name = found.cFileName;
            if (name != "." && name != "..") {
                names.push_back(name);
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
        return names;
    }

private:
    std::string folder_;
    std::string saver_;
    bool copied_ = false;
};

struct RunResult {
    bool started = false;
    bool ended = false;
    DWORD exitCode = 0;
};

// Starts the saver with the argument string and waits for its end, up to the deadline;
// a run that does not end is stopped so that the test goes on.
RunResult RunSaver(const std::string& saver, const std::string& arguments) {
    std::string commandLine = "\"" + saver + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    RunResult result;
    if (!CreateProcessA(saver.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return result;
    }
    result.started = true;
    result.ended = WaitForSingleObject(process.hProcess, kDeadlineMs) == WAIT_OBJECT_0;
    if (!result.ended) {
        TerminateProcess(process.hProcess, 99);
        WaitForSingleObject(process.hProcess, kDeadlineMs);
    }
    GetExitCodeProcess(process.hProcess, &result.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return result;
}

class SaverRun : public ::testing::TestWithParam<const char*> {};

TEST_P(SaverRun, EndsByItselfAndWritesNoSettingsFile) {
    SaverFolder folder;
    ASSERT_TRUE(folder.copied()) << "cannot copy " << SaverPath();
    const RunResult run = RunSaver(folder.saver(), GetParam());
    ASSERT_TRUE(run.started);
    EXPECT_TRUE(run.ended) << "still running after " << kDeadlineMs << " ms";
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_EQ(folder.Files(), std::vector<std::string>{"QuilloSlides.scr"});
}

// "/a 0": the system's password dialog (a stub under Wine) with no owner, nothing else.
// The others open nothing: unknown switches, and a handle no 32-bit number can hold.
INSTANTIATE_TEST_SUITE_P(Switches, SaverRun,
                         ::testing::Values("/a 0", "/A", "-s", "/x", "s", "/p 99999999999", "/a 4294967296"));

// A window of another program with the full-screen window's caption stands for a
// running saver: a second full-screen start opens nothing.
TEST(SaverRunning, SecondFullScreenStartEndsAtOnce) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "QsPretendSaver";
    RegisterClassA(&wc);
    HWND pretend = CreateWindowExA(0, "QsPretendSaver", "Quillo ScrSav Main Form", WS_POPUP, 0, 0, 10, 10, nullptr,
                                   nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(pretend, nullptr);

    SaverFolder folder;
    ASSERT_TRUE(folder.copied());
    const RunResult run = RunSaver(folder.saver(), "/s");
    DestroyWindow(pretend);
    ASSERT_TRUE(run.started);
    EXPECT_TRUE(run.ended);
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_EQ(folder.Files(), std::vector<std::string>{"QuilloSlides.scr"});
}

TEST(SaverResources, CarriesItsVersionAndIcon) {
    const std::string saver = SaverPath();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(saver.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> data(size);
    ASSERT_TRUE(GetFileVersionInfoA(saver.c_str(), 0, size, data.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(HIWORD(fixed->dwFileVersionMS), 1);
    EXPECT_EQ(LOWORD(fixed->dwFileVersionMS), 3);
    EXPECT_EQ(HIWORD(fixed->dwFileVersionLS), 67);
    char* product = nullptr;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\StringFileInfo\\040904B0\\ProductName",
                               reinterpret_cast<void**>(&product), &length));
    EXPECT_STREQ(product, "Quillo Slide Show");

    HMODULE image = LoadLibraryExA(saver.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(image, nullptr);
    EXPECT_NE(FindResourceA(image, MAKEINTRESOURCEA(IDI_APP), MAKEINTRESOURCEA(14)), nullptr) << "icon group";
    EXPECT_NE(FindResourceA(image, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24)), nullptr) << "manifest";
    char name[64] = {};
    EXPECT_GT(LoadStringA(image, IDS_DESCRIPTION, name, sizeof(name)), 0);
    EXPECT_STREQ(name, "Quillo Slide Show");
    FreeLibrary(image);
}

} // namespace
