// Paths outside the system's code page, end to end: a picture in a folder named in Greek and
// one in a file named in Japanese, added through the real file-open dialog, shown by the
// editor, written to the settings file in its Unicode form, and shown by "/S" from it.
#include <gtest/gtest.h>

#include <algorithm>

#include "e2e_driver.h"

namespace qs::e2e {
namespace {

constexpr Ms kDialogDeadline{10000};
constexpr COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0);

std::string RowText(HWND list, int row) {
    std::wstring wide(static_cast<std::size_t>(std::max<LRESULT>(SendMessageW(list, LB_GETTEXTLEN, row, 0), 0)) + 1, 0);
    const LRESULT got = SendMessageW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(wide.data()));
    wide.resize(std::min(static_cast<std::size_t>(std::max<LRESULT>(got, 0)), wide.size() - 1));
    return Utf8(wide);
}

bool ShowsWideLabel(HWND top, const std::string& text) {
    const std::vector<HWND> children = Descendants(top);
    return std::any_of(children.begin(), children.end(), [&](HWND w) { return WideTextOf(w) == text; });
}

// Through the real dialog: the path goes into its file-name box, then Open.
void AddThroughFileDialog(const SaverProcess& saver, HWND editor, const std::string& path) {
    ASSERT_TRUE(ClickButton(editor, "&Add"));
    HWND open = saver.WaitForWindow("Select Picture", kDialogDeadline);
    ASSERT_NE(open, nullptr) << "the file-open dialog did not open";
    HWND name = FindChild(open, "Edit");
    ASSERT_NE(name, nullptr) << "the dialog has no file-name box";
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(open); }, kDialogDeadline));
    const std::wstring wide = Wide(path);
    SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    ClickCentre(GetDlgItem(open, IDOK));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(open); }, kDialogDeadline)) << "the dialog stayed open";
}

TEST(UnicodePaths, GreekFolderAndJapaneseFileGoFromTheDialogToTheScreenAndBack) {
    ASSERT_TRUE(ScreenWidth() == 1024 && ScreenHeight() == 768) << "the tests assume the 1024 x 768 test display";
    SetCursorPos(3, 3);
    RunFolder run;
    const std::string greekFolder = "\xCE\xA6\xCF\x89\xCF\x84\xCE\xBF\xCE\xB3\xCF\x81\xCE\xB1\xCF\x86\xCE\xAF\xCE\xB5\xCF\x82";
    run.MakeFolder(greekFolder);
    const std::string greek = run.WriteSolidBitmap(greekFolder + "\\red.bmp", 200, 100, kRed);
    const std::string japanese = run.WriteSolidBitmap("\xE5\x86\x99\xE7\x9C\x9F.bmp", 200, 100, kGreen);
    run.WriteSettings({"Delay_0=2", "BGColor_0=0", "PictureCount_0=0"});
    {
        SaverProcess saver(run, "/C");
        HWND settings = saver.WaitForWindow(kSettingsCaption, kStartDeadline, "&Edit Slides...");
        ASSERT_NE(settings, nullptr) << "the settings dialog did not open";
        ASSERT_TRUE(ClickButton(settings, "&Edit Slides..."));
        HWND editor = saver.WaitForWindow("Edit Slide Show", kDialogDeadline);
        std::vector<HWND> lists;
        ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(editor) && (lists = EditorLists(editor)).size() == 4; },
                              kDialogDeadline));
        AddThroughFileDialog(saver, editor, greek);
        AddThroughFileDialog(saver, editor, japanese);  // at the top, selected
        ASSERT_TRUE(WaitUntil([&] { return RowCount(lists[0]) == 2; }, kDialogDeadline)) << "not both were added";
        for (const auto& [row, path] : {std::pair{0, japanese}, {1, greek}}) {
            const std::string text = RowText(lists[0], row);  // the whole path, or "(...)" and its tail
            EXPECT_TRUE(text == path || (text.rfind("(...)\\", 0) == 0 && path.ends_with(text.substr(5)))) << text;
        }
        EXPECT_TRUE(WaitUntil([&] { return ShowsWideLabel(editor, japanese); }, kDialogDeadline)) << "full path";
        ASSERT_TRUE(ClickButton(editor, "&Delete"));
        HWND question = saver.WaitForWindow("Screen Saver", kDialogDeadline, "&No");
        ASSERT_NE(question, nullptr) << "the delete question did not come";
        EXPECT_TRUE(WaitUntil(
            [&] { return ShowsWideLabel(question, "Do you want to delete " + RowText(lists[0], 0) + "?"); },
            kDialogDeadline));
        ASSERT_TRUE(ClickButton(question, "&No"));
        ASSERT_TRUE(ClickButton(editor, "&OK"));
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(editor); }, kDialogDeadline)) << "the editor stayed open";
        ASSERT_TRUE(ClickButton(settings, "&OK"));
        ASSERT_TRUE(saver.WaitForExit(kExitDeadline)) << "the settings dialog stayed open";
    }
    const auto expectWritten = [&] {
        EXPECT_EQ(run.SettingsText().substr(0, 2), "\xFF\xFE") << "not in the Unicode form";
        auto values = run.ReadSettings();
        EXPECT_EQ(values["PictureCount_0"], "2");
        EXPECT_EQ(values["FileSpec_1"], japanese);
        EXPECT_EQ(values["FileSpec_2"], greek);
    };
    expectWritten();

    SaverProcess show(run, "/S");
    EXPECT_TRUE(WaitForScreenPixel(512, 384, kGreen, kStartDeadline)) << "the Japanese-named picture";
    EXPECT_TRUE(WaitForScreenPixel(512, 384, kRed, Ms(6000))) << "the picture in the Greek-named folder";
    PressKey('Q');
    ASSERT_TRUE(show.WaitForExit(kExitDeadline));
    expectWritten();
}

} // namespace
} // namespace qs::e2e
