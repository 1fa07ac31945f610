// Paths outside the code page: Greek and Japanese names from the file dialog to the editor, the Unicode
// settings file and the screen of "/S".
#include <gtest/gtest.h>

#include "e2e_driver.h"

using namespace qs::e2e;

void AddThroughFileDialog(const SaverProcess& saver, HWND editor, const std::string& path) {
    ASSERT_TRUE(ClickButton(editor, "&Add"));
    HWND open = saver.WaitForWindow("Select Picture", kDialogDeadline);
    ASSERT_NE(open, nullptr) << "no file dialog";
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(open); }, kDialogDeadline)) << "no file dialog";
    SendMessageW(FindChild(open, "Edit"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(qs::platform::Widen(path).c_str()));
    ClickCentre(GetDlgItem(open, IDOK));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(open); }, kDialogDeadline)) << "the dialog stayed open";
}

TEST(UnicodePaths, GreekFolderAndJapaneseFileGoFromTheDialogToTheScreenAndBack) {
    ASSERT_TRUE(ScreenWidth() == 1024 && ScreenHeight() == 768) << "the tests assume the 1024 x 768 test display";
    SetCursorPos(3, 3);
    RunFolder run;
    const std::string greekFolder = "\xCE\xA6\xCF\x89\xCF\x84\xCE\xBF\xCE\xB3\xCF\x81\xCE\xB1\xCF\x86\xCE\xAF\xCE\xB5\xCF\x82";
    const std::string greek = run.WriteSolidBitmap(greekFolder + "\\red.bmp", 200, 100, kRed);
    const std::string japanese = run.WriteSolidBitmap("\xE5\x86\x99\xE7\x9C\x9F.bmp", 200, 100, kGreen);
    run.WriteSettings({"Delay_0=2", "BGColor_0=0"});
    {
        SaverProcess saver(run, "/C");
        std::vector<HWND> lists;
        HWND settings = OpenSettings(saver), editor = OpenEditor(saver, settings, lists);
        ASSERT_NE(editor, nullptr) << "the editor did not open";
        AddThroughFileDialog(saver, editor, greek);
        AddThroughFileDialog(saver, editor, japanese); // at the top, selected
        ASSERT_TRUE(WaitUntil([&] { return RowCount(lists[0]) == 2; }, kDialogDeadline)) << "not both were added";
        for (const auto& [row, path] : {std::pair{0, japanese}, {1, greek}}) {
            const std::string text = RowText(lists[0], row); // the whole path, or "(...)" and its tail
            EXPECT_TRUE(text == path || (text.starts_with("(...)\\") && path.ends_with(text.substr(5)))) << text;
        }
        EXPECT_TRUE(WaitUntil([&] { return ShowsLabel(editor, japanese); }, kDialogDeadline)) << "the full path";
        ASSERT_TRUE(ClickButton(editor, "&Delete"));
        HWND question = saver.WaitForWindow("Screen Saver", kDialogDeadline, "&No");
        ASSERT_NE(question, nullptr) << "no question";
        EXPECT_TRUE(ShowsLabel(question, "Do you want to delete " + RowText(lists[0], 0) + "?"));
        ASSERT_TRUE(ClickButton(question, "&No"));
        ASSERT_TRUE(OkBothAndExit(saver, editor, settings)) << "the editor or the settings dialog stayed open";
    }
    const auto expectWritten = [&] {
        EXPECT_EQ(run.SettingsText().substr(0, 2), "\xFF\xFE") << "not in the Unicode form";
        auto values = run.ReadSettings();
        EXPECT_EQ(values["PictureCount_0"], "2");
        EXPECT_EQ(values["FileSpec_1"], japanese);
        EXPECT_EQ(values["FileSpec_2"], greek);
    };
    expectWritten();
    SaverProcess show(run, "/S"); // list order, each centred on black
    EXPECT_TRUE(WaitForScreenPixel(512, 384, kGreen, kStartDeadline)) << "the Japanese-named picture";
    EXPECT_TRUE(WaitForScreenPixel(512, 384, kRed, Ms(6000))) << "the picture in the Greek-named folder";
    PressKey('Q');
    ASSERT_TRUE(show.WaitForExit(kExitDeadline));
    expectWritten(); // read by that run and written back as read
}
