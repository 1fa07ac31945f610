// The editor opened from "/C", driven with the mouse and keyboard, read back from the settings file.
#include <gtest/gtest.h>

#include "e2e_driver.h"

using namespace qs::e2e;

// Characters, whatever keys would make them on this keyboard.
void TypeText(const std::string& text) {
    for (unsigned char c : text) {
        INPUT in[2] = {{INPUT_KEYBOARD, {.ki = {0, c, KEYEVENTF_UNICODE, 0, 0}}},
                       {INPUT_KEYBOARD, {.ki = {0, c, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP, 0, 0}}}};
        SendInput(2, in, sizeof(INPUT));
    }
}

TEST(Editor, ShowsSelectsAddsMovesTogglesAndDeletesSlidesAndOkWritesThem) {
    SetCursorPos(3, 3);
    RunFolder run;
    const std::string red = WindowsPath(run.WriteSolidBitmap("red.bmp", 200, 100, kRed));
    const std::string green = WindowsPath(run.WriteSolidBitmap("green.bmp", 200, 100, kGreen));
    const std::string blue = WindowsPath(run.WriteSolidBitmap("blue.bmp", 200, 100, kBlue));
    const std::string added = WindowsPath(run.WriteSolidBitmap("added.bmp", 40, 40, RGB(90, 90, 90)));
    // Red is not centred: an added slide is centred by itself, not after its neighbour.
    run.WriteSettings({"PreviewFlag_0=True", "BGColor_0=16777215", "PictureCount_0=3", "FileSpec_1=" + red,
                       "Center_1=False", "HStretch_1=False", "VStretch_1=False", "FileSpec_2=" + green,
                       "Center_2=True", "HStretch_2=False", "VStretch_2=False", "FileSpec_3=" + blue, "Center_3=True",
                       "HStretch_3=False", "VStretch_3=False"});
    SaverProcess saver(run, "/C");
    std::vector<HWND> lists;
    HWND settings = OpenSettings(saver), editor = OpenEditor(saver, settings, lists);
    ASSERT_NE(editor, nullptr) << "the editor did not open";
    const auto shows = [&](const std::string& label) {
        return WaitUntil([&] { return ShowsLabel(editor, label); }, kDialogDeadline);
    };
    // On a row's name, right of the strip that hides the list's own check boxes.
    const auto clickRow = [&](int row, const std::string& position) {
        ClickAt(RowPoint(lists[0], row, 40));
        ASSERT_TRUE(shows(position));
    };
    EXPECT_TRUE(IsWindow(settings));

    for (HWND list : lists) EXPECT_EQ(RowCount(list), 3);
    EXPECT_NE(RowText(lists[0], 1).find("green.bmp"), std::string::npos) << RowText(lists[0], 1);
    EXPECT_TRUE(ShowsLabel(editor, "0/0"));

    // Selecting a row shows its full path, its position and its picture in the preview.
    clickRow(1, "(2/3)");
    EXPECT_TRUE(ShowsLabel(editor, green)) << "the full path";
    HWND preview = nullptr;
    for (HWND w : Descendants(editor)) {
        const RECT r = ScreenRect(w);
        if (GetParent(w) == editor && IsWindowVisible(w) && r.right - r.left > 90 && r.right - r.left < 130 &&
            r.bottom - r.top > 70 && r.bottom - r.top < 100)
            preview = w;
    }
    ASSERT_NE(preview, nullptr) << "no preview surface";
    const RECT pr = ScreenRect(preview);
    EXPECT_TRUE(WaitForScreenPixel((pr.left + pr.right) / 2, (pr.top + pr.bottom) / 2, kGreen, kDialogDeadline));
    // On green's HStretch box; only the column's clip shows it.
    ClickAt({ScreenRect(GetParent(lists[2])).left + 7, RowPoint(lists[2], 1, 0).y});

    // Add below red, through the real file-open dialog: red, added, green, blue.
    clickRow(0, "(1/3)");
    ASSERT_TRUE(ClickButton(editor, "&Add"));
    HWND open = saver.WaitForWindow("Select Picture", kDialogDeadline);
    ASSERT_NE(open, nullptr) << "the file-open dialog did not open";
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == open; }, kDialogDeadline));
    TypeText(added);
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return RowCount(lists[0]) == 4; }, kDialogDeadline)) << "nothing was added";
    ASSERT_TRUE(shows("(2/4)"));
    // Up to the top, then down twice: red, green, added, blue.
    for (const auto& [button, position] : {std::pair{"&Up", "(1/4)"}, {"Do&wn", "(2/4)"}, {"Do&wn", "(3/4)"}}) {
        ASSERT_TRUE(ClickButton(editor, button)) << button;
        ASSERT_TRUE(shows(position)) << button;
    }
    PressKey('H', VK_MENU);  // toggles HStretch of the selected slide: added

    clickRow(3, "(4/4)");
    ASSERT_TRUE(ClickButton(editor, "&Delete"));
    HWND question = saver.WaitForWindow("Screen Saver", kDialogDeadline, "&Yes");
    ASSERT_NE(question, nullptr) << "the delete question did not come";
    EXPECT_TRUE(WaitUntil([&] { return ShowsLabel(question, "Do you want to delete " + RowText(lists[0], 3) + "?"); },
                          kDialogDeadline));
    ASSERT_TRUE(ClickButton(question, "&Yes"));
    ASSERT_TRUE(WaitUntil([&] { return RowCount(lists[0]) == 3; }, kDialogDeadline)) << "the slide stayed";

    ASSERT_TRUE(OkBothAndExit(saver, editor, settings)) << "the editor or the settings dialog stayed open";
    auto ini = run.ReadSettings();
    for (const auto& [key, value] : std::map<std::string, std::string>{
             {"PictureCount_0", "3"}, {"FileSpec_1", red},   {"Center_1", "False"}, {"HStretch_1", "False"},
             {"VStretch_1", "False"}, {"FileSpec_2", green}, {"Center_2", "True"},  {"HStretch_2", "True"},
             {"VStretch_2", "False"}, {"FileSpec_3", added}, {"Center_3", "True"},  {"HStretch_3", "True"},
             {"VStretch_3", "False"}})
        EXPECT_EQ(ini[key], value) << key;
}

// With every format on, the preview shows a picture only the system's other decoders read (prepared aside).
TEST(Editor, PreviewsAPictureBeyondTheFiveFormatsWithEveryFormatOn) {
    RunFolder run;
    run.WriteSettings({"PreviewFlag_0=True", "AllFormats_0=True", "PictureCount_0=2",
                       "FileSpec_1=" + WindowsPath(run.WriteSolidBitmap("red.bmp", 64, 64, kRed)),
                       "FileSpec_2=" + WindowsPath(run.WriteSolidIcon("green.ico", 64, kGreen))});
    SaverProcess saver(run, "/C");
    std::vector<HWND> lists;
    HWND settings = OpenSettings(saver), editor = OpenEditor(saver, settings, lists);
    ASSERT_NE(editor, nullptr) << "the editor did not open";
    ClickAt(RowPoint(lists[0], 1, 40));
    EXPECT_TRUE(WaitUntil([&] { return CountScreenPixels(ScreenRect(editor), kGreen) > 0; }, kDialogDeadline));
    EXPECT_TRUE(OkBothAndExit(saver, editor, settings));
}
