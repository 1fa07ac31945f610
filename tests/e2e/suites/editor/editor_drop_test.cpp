// A folder and a file dragged from a Linux program (an X11 client, as a file manager is)
// onto the real editor's name list; Wine hands the drop on as WM_DROPFILES.
#include <gtest/gtest.h>

#include "e2e_driver.h"

namespace qs::e2e {
namespace {

std::string FileUri(const std::string& windowsPath) {
    using ToUnix = char*(__cdecl*)(const wchar_t*);
    const auto toUnix = reinterpret_cast<ToUnix>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32"), "wine_get_unix_file_name")));
    char* unix = toUnix ? toUnix(std::wstring(windowsPath.begin(), windowsPath.end()).c_str()) : nullptr;
    const std::string uri = unix ? std::string("file://") + unix : "";
    HeapFree(GetProcessHeap(), 0, unix);
    return uri;
}

TEST(EditorDrop, AddsThePicturesOfADroppedFolderAndFileBelowTheSelectedRow) {
#ifndef QS_E2E_XDND_DROP
    GTEST_SKIP() << "no X11 drag source was built (libx11-dev)";
#else
    RunFolder run;
    for (const char* folder : {"drop", "drop\\sub"}) CreateDirectoryA(run.PathOf(folder).c_str(), nullptr);
    // In the order they are expected: a, then the dropped ones in natural order, then b.
    const char* pictures[] = {"a.bmp", "drop\\img2.bmp", "drop\\img10.bmp", "drop\\noext", "drop\\sub\\c.bmp", "top.bmp", "b.bmp"};
    for (const char* name : pictures) run.WriteSolidBitmap(name, 8, 8, RGB(9, 9, 9));
    run.WriteText("drop\\notes.jpg", "not a picture");
    run.WriteSettings({"PictureCount_0=2", "FileSpec_1=" + run.PathOf("a.bmp"), "FileSpec_2=" + run.PathOf("b.bmp")});
    SaverProcess saver(run, "/C");
    HWND settings = saver.WaitForWindow(kSettingsCaption, kStartDeadline, "&Edit Slides..."), editor = nullptr;
    ASSERT_TRUE(settings && ClickButton(settings, "&Edit Slides..."));
    std::vector<HWND> lists;
    ASSERT_TRUE(WaitUntil([&] { return (editor = FindTopLevel("Edit Slide Show")) && IsWindowVisible(editor) &&
                                       (lists = EditorLists(editor)).size() == 4; }, Ms{10000}));
    const POINT row = RowPoint(lists[0], 0, 40);
    ClickAt(row.x, row.y);
    std::string command = QS_E2E_XDND_DROP " " + std::to_string(row.x) + " " + std::to_string(row.y + 20) + " " +
                          FileUri(run.PathOf("top.bmp")) + " " + FileUri(run.PathOf("drop"));
    STARTUPINFOA start{};
    start.cb = sizeof start;
    PROCESS_INFORMATION started{};
    ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start, &started));
    ASSERT_TRUE(WaitUntil([&] { return ShowsLabel(editor, "(6/7)"); }, Ms{20000})) << "the drop was not added";
    ASSERT_TRUE(ClickButton(editor, "&OK") && WaitUntil([&] { return !IsWindow(editor); }, Ms{10000}));
    ASSERT_TRUE(ClickButton(settings, "&OK") && saver.WaitForExit(kExitDeadline));
    auto ini = run.ReadSettings();
    for (int i = 1; i <= 7; ++i) {
        const std::string n = std::to_string(i);
        EXPECT_EQ(ini["FileSpec_" + n], WindowsPath(run.PathOf(pictures[i - 1]))) << i;
        EXPECT_EQ(ini["Center_" + n], i == 1 || i == 7 ? "False" : "True") << i;
    }
#endif
}

} // namespace
} // namespace qs::e2e
