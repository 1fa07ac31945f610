// The Win32 services against the real system (run under Wine on the test display), and
// the resources of the built QuilloSlides.scr.
#include <gtest/gtest.h>

#include <windows.h>

#include <cmath>
#include <string>
#include <vector>

#include "platform/win32/services_win32.h"
#include "toolkit/win32/resource_ids.h"

namespace qs::platform {
namespace {

// Local time in seconds since day 0, reckoned from FILETIME (100 ns since 1601) rather
// than from calendar fields: 109205 days lie between 1 January 1601 and day 0.
double LocalSecondsFromFileTime() {
    FILETIME utc{}, local{};
    GetSystemTimeAsFileTime(&utc);
    FileTimeToLocalFileTime(&utc, &local);
    return double((ULONGLONG(local.dwHighDateTime) << 32) | local.dwLowDateTime) / 1e7 - 109205.0 * 86400.0;
}

TEST(Win32Clock, AgreesWithTheSystemTimeToTheSecond) {
    auto clock = MakeWin32Clock();
    const double before = LocalSecondsFromFileTime();
    const double now = clock->Now() * 86400.0;
    const double after = LocalSecondsFromFileTime();
    EXPECT_GE(now, std::floor(before) - 0.01);
    EXPECT_LE(now, after + 0.01);
    EXPECT_NEAR(now, std::round(now), 1e-3) << "whole seconds";

    const double distance = std::fabs(clock->SecondsAfterMidnight() - std::fmod(LocalSecondsFromFileTime(), 86400.0));
    EXPECT_LT(std::min(distance, 86400.0 - distance), 1.0);
}

// The generator itself, its range and spread are the native suite's; here, the seed.
TEST(Win32Random, TwoSeededGeneratorsDiffer) {
    auto a = MakeWin32Random();
    auto b = MakeWin32Random();
    EXPECT_EQ(a->Rnd(), b->Rnd());
    a->Randomize();
    b->Randomize();
    EXPECT_NE(a->Rnd(), b->Rnd()) << "the performance counter differs between two calls";
}

std::string SystemFile(const char* name) {
    char folder[MAX_PATH] = {};
    GetSystemDirectoryA(folder, MAX_PATH);
    return std::string(folder) + "\\" + name;
}

TEST(Win32Shell, FindsFilesOnlyAndStartsExistingProgramsOnly) {
    auto shell = MakeWin32Shell();
    EXPECT_TRUE(shell->FileExists(SystemFile("kernel32.dll")));
    EXPECT_FALSE(shell->FileExists(SystemFile("")));
    EXPECT_FALSE(shell->FileExists(SystemFile("no-such-file.quillo")));
    EXPECT_TRUE(shell->StartProgram(SystemFile("hostname.exe")));
    EXPECT_FALSE(shell->StartProgram(SystemFile("no-such-program.exe")));
}

TEST(SaverResources, CarryTheVersionIconManifestAndDescription) {
    // The build names the saver with a host path, which Wine shows as drive Z:.
    std::string saver = QS_SCR_PATH;
    for (char& c : saver) c = c == '/' ? '\\' : c;
    if (saver[0] == '\\') saver = "Z:" + saver;
    std::vector<char> data(GetFileVersionInfoSizeA(saver.c_str(), nullptr));
    ASSERT_FALSE(data.empty());
    ASSERT_TRUE(GetFileVersionInfoA(saver.c_str(), 0, static_cast<DWORD>(data.size()), data.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(3, 1));
    EXPECT_EQ(HIWORD(fixed->dwFileVersionLS), 67);
    char* product = nullptr;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\StringFileInfo\\040904B0\\ProductName",
                               reinterpret_cast<void**>(&product), &length));
    EXPECT_STREQ(product, "Quillo Slide Show");

    HMODULE image = LoadLibraryExA(saver.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(image, nullptr);
    EXPECT_NE(FindResourceA(image, MAKEINTRESOURCEA(IDI_APP), RT_GROUP_ICON), nullptr);
    EXPECT_NE(FindResourceA(image, MAKEINTRESOURCEA(1), RT_MANIFEST), nullptr);
    char name[64] = {};
    EXPECT_GT(LoadStringA(image, IDS_DESCRIPTION, name, sizeof(name)), 0);
    EXPECT_STREQ(name, "Quillo Slide Show");
    FreeLibrary(image);
}

} // namespace
} // namespace qs::platform
