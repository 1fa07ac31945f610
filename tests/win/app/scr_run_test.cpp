// Runs the built QuilloSlides.scr with the switches that open no window of its own and
// checks that it ends by itself and leaves no settings file behind; reads its resources.
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

// The build names the saver with a host path, which Wine shows as drive Z:.
std::string SaverPath() {
    std::string path = QS_SCR_PATH;
    for (char& c : path) c = c == '/' ? '\\' : c;
    return path[0] == '\\' ? "Z:" + path : path;
}

// The names in a folder.
std::vector<std::string> Files(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found))
        if (std::string(found.cFileName) != "." && std::string(found.cFileName) != "..") names.push_back(found.cFileName);
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
    return names;
}

class SaverRun : public ::testing::TestWithParam<const char*> {};

// "/a 0": the system's password dialog (a stub under Wine) with no owner, nothing else.
// The others open nothing: unknown switches, and a handle no 32-bit number can hold.
TEST_P(SaverRun, EndsByItselfAndWritesNoSettingsFile) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    static int counter = 0;
    const std::string folder = std::string(temp) + "qs-app-" + std::to_string(GetCurrentProcessId()) + "-" +
                               std::to_string(++counter);
    const std::string saver = folder + "\\QuilloSlides.scr";
    CreateDirectoryA(folder.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA(SaverPath().c_str(), saver.c_str(), FALSE)) << "cannot copy " << SaverPath();

    std::string commandLine = "\"" + saver + "\" " + GetParam();
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessA(saver.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &process));
    const bool ended = WaitForSingleObject(process.hProcess, kDeadlineMs) == WAIT_OBJECT_0;
    if (!ended) TerminateProcess(process.hProcess, 99); // a run that does not end is stopped
    WaitForSingleObject(process.hProcess, kDeadlineMs);
    DWORD exitCode = 0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    EXPECT_TRUE(ended) << "still running after " << kDeadlineMs << " ms";
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(Files(folder), std::vector<std::string>{"QuilloSlides.scr"});
    for (const std::string& name : Files(folder)) DeleteFileA((folder + "\\" + name).c_str());
    RemoveDirectoryA(folder.c_str());
}

INSTANTIATE_TEST_SUITE_P(Switches, SaverRun,
                         ::testing::Values("/a 0", "/A", "-s", "/x", "s", "/p 99999999999", "/a 4294967296"));

TEST(SaverResources, CarriesItsVersionIconAndManifest) {
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
