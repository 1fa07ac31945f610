// A folder and a file dragged from an X11 client, as from a file manager, onto the editor's name list.
#include <gtest/gtest.h>

#include "e2e_driver.h"

using namespace qs::e2e;

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
    // In the order they are expected: a, then the dropped ones in natural order, then b.
    const char* pictures[] = {"a.bmp",           "drop\\img2.bmp", "drop\\img10.bmp", "drop\\noext",
                              "drop\\sub\\c.bmp", "top.bmp",        "b.bmp"};
    for (const char* name : pictures) run.WriteSolidBitmap(name, 8, 8, RGB(9, 9, 9));
    run.WriteText("drop\\notes.jpg", "not a picture");
    run.WriteSettings({"PictureCount_0=2", "FileSpec_1=" + run.PathOf("a.bmp"), "FileSpec_2=" + run.PathOf("b.bmp")});
    SaverProcess saver(run, "/C");
    std::vector<HWND> lists;
    HWND settings = OpenSettings(saver), editor = OpenEditor(saver, settings, lists);
    ASSERT_NE(editor, nullptr);
    const POINT row = RowPoint(lists[0], 0, 40);
    ClickAt(row);
    std::string command = QS_E2E_XDND_DROP " " + std::to_string(row.x) + " " + std::to_string(row.y + 20) + " " +
                          FileUri(run.PathOf("top.bmp")) + " " + FileUri(run.PathOf("drop"));
    ASSERT_GT(WinExec(command.c_str(), SW_SHOWNORMAL), 31u) << "the drag source did not start";
    ASSERT_TRUE(WaitUntil([&] { return ShowsLabel(editor, "(6/7)"); }, Ms{20000})) << "the drop was not added";
    ASSERT_TRUE(OkBothAndExit(saver, editor, settings));
    auto ini = run.ReadSettings();
    for (int i = 1; i <= 7; ++i) {
        const std::string n = std::to_string(i);
        EXPECT_EQ(ini["FileSpec_" + n], WindowsPath(run.PathOf(pictures[i - 1]))) << i;
        EXPECT_EQ(ini["Center_" + n], i == 1 || i == 7 ? "False" : "True") << i;
    }
#endif
}

void TypeText(const std::string& text); // editor_test.cpp

// With folder entries on, Add Folder's picker and a drop with Shift held each add a folder
// as one entry, whose row names the folder.
TEST(EditorDrop, AddFolderAndAShiftDropAddAFolderAsOneEntry) {
#ifndef QS_E2E_XDND_DROP
    GTEST_SKIP() << "no X11 drag source was built (libx11-dev)";
#else
    RunFolder run;
    for (const char* name : {"a.bmp", "Holidays\\1.bmp", "Shifted\\2.bmp"}) run.WriteSolidBitmap(name, 8, 8, kRed);
    run.WriteSettings({"FolderEntries_0=True", "PictureCount_0=1", "FileSpec_1=" + run.PathOf("a.bmp")});
    SaverProcess saver(run, "/C");
    std::vector<HWND> lists;
    HWND settings = OpenSettings(saver), editor = OpenEditor(saver, settings, lists);
    ASSERT_NE(editor, nullptr);
    ClickAt(RowPoint(lists[0], 0, 40));
    ASSERT_TRUE(ClickButton(editor, "Add &Folder..."));
    HWND picker = saver.WaitForWindow("Select Folder", kDialogDeadline);
    ASSERT_NE(picker, nullptr) << "the folder picker did not open";
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == picker; }, kDialogDeadline));
    TypeText(run.PathOf("Holidays"));
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return RowCount(lists[0]) == 2; }, kDialogDeadline)) << "no folder was added";
    EXPECT_EQ(RowText(lists[0], 1), "Holidays\\ (folder)");

    INPUT shift{INPUT_KEYBOARD, {.ki = {VK_SHIFT, 0, 0, 0, 0}}};
    SendInput(1, &shift, sizeof shift);
    const std::string command = QS_E2E_XDND_DROP " " + std::to_string(RowPoint(lists[0], 1, 40).x) + " " +
                                std::to_string(RowPoint(lists[0], 1, 40).y) + " " + FileUri(run.PathOf("Shifted"));
    ASSERT_GT(WinExec(command.c_str(), SW_SHOWNORMAL), 31u) << "the drag source did not start";
    const bool dropped = WaitUntil([&] { return RowCount(lists[0]) == 3; }, Ms{20000});
    shift.ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(1, &shift, sizeof shift);
    ASSERT_TRUE(dropped) << "the drop was not added";
    EXPECT_EQ(RowText(lists[0], 2), "Shifted\\ (folder)");
    ASSERT_TRUE(OkBothAndExit(saver, editor, settings));
    EXPECT_EQ(run.ReadSettings()["FileSpec_2"], WindowsPath(run.PathOf("Holidays")) + "\\");
    EXPECT_EQ(run.ReadSettings()["FileSpec_3"], WindowsPath(run.PathOf("Shifted")) + "\\");
#endif
}
