// The slide-show editor of the real QuilloSlides.scr, opened from the settings dialog
// ("/C") and driven with the mouse and keyboard; what it did is read back from the
// settings file the process writes when it ends.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "e2e_driver.h"

namespace qs::e2e {
namespace {

constexpr Ms kDialogDeadline{10000};
constexpr const char* kEditorCaption = "Edit Slide Show";

bool HasLabel(HWND top, const std::string& text) { return FindChild(top, "Static", text) != nullptr; }

// --- the editor's controls ----------------------------------------------------------

// The name list and the three option columns, found by their places: the names are the
// widest list; the columns lie in their clips from left to right (Center, HStretch,
// VStretch).
struct EditorLists {
    HWND names = nullptr;
    HWND columns[3] = {};
};

EditorLists FindLists(HWND editor) {
    EditorLists lists;
    std::vector<HWND> all;
    for (HWND w : Descendants(editor))
        if (lstrcmpiA(ClassOf(w).c_str(), "ListBox") == 0) all.push_back(w);
    auto width = [](HWND w) {
        const RECT r = ScreenRect(w);
        return r.right - r.left;
    };
    std::sort(all.begin(), all.end(), [&](HWND a, HWND b) { return width(a) > width(b); });
    if (all.size() != 4) return lists;
    lists.names = all[0];
    std::sort(all.begin() + 1, all.end(), [](HWND a, HWND b) { return ScreenRect(a).left < ScreenRect(b).left; });
    for (int k = 0; k < 3; ++k) lists.columns[k] = all[static_cast<std::size_t>(k) + 1];
    return lists;
}

// The screen point at the vertical middle of a row, x pixels into the list's client area.
POINT RowPoint(HWND list, int row, int x) {
    const int height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    const int top = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
    POINT p{x, (row - top) * height + height / 2};
    ClientToScreen(list, &p);
    return p;
}

// A click on a row's name, right of the strip that hides the list's own check boxes.
void ClickRow(HWND names, int row) {
    const POINT p = RowPoint(names, row, 40);
    ClickAt(p.x, p.y);
}

// A click on a row's check box in an option column; only its clip shows the column.
void ClickCheck(HWND column, int row) {
    const RECT clip = ScreenRect(GetParent(column));
    POINT p = RowPoint(column, row, 0);
    p.x = clip.left + 7;
    ClickAt(p.x, p.y);
}

std::vector<std::string> SlideLines(const std::vector<std::string>& paths, const std::vector<std::string>& flags) {
    std::vector<std::string> lines = {"PictureCount_0=" + std::to_string(paths.size())};
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        lines.push_back("FileSpec_" + n + "=" + paths[i]);
        const std::string& f = flags[i];
        lines.push_back("Center_" + n + "=" + (f.find('C') != std::string::npos ? "True" : "False"));
        lines.push_back("HStretch_" + n + "=" + (f.find('H') != std::string::npos ? "True" : "False"));
        lines.push_back("VStretch_" + n + "=" + (f.find('V') != std::string::npos ? "True" : "False"));
    }
    return lines;
}

bool IsTrue(const std::map<std::string, std::string>& ini, const std::string& key) {
    auto it = ini.find(key);
    return it != ini.end() && lstrcmpiA(it->second.c_str(), "True") == 0;
}

std::string ValueOf(const std::map<std::string, std::string>& ini, const std::string& key) {
    auto it = ini.find(key);
    return it == ini.end() ? std::string("<missing>") : it->second;
}

class EditorEndToEnd : public ::testing::Test {
protected:
    // Starts "/C" with the slides and opens the editor from "&Edit Slides...".
    void OpenEditor(const std::vector<std::string>& paths, const std::vector<std::string>& flags,
                    std::vector<std::string> extra = {}) {
        std::vector<std::string> lines = SlideLines(paths, flags);
        lines.insert(lines.end(), extra.begin(), extra.end());
        run_.WriteSettings(lines);
        saver_ = std::make_unique<SaverProcess>(run_, "/C");
        ASSERT_TRUE(saver_->Started());
        settings_ = saver_->WaitForWindow(kSettingsCaption, kStartDeadline);
        ASSERT_NE(settings_, nullptr) << "the settings dialog did not open";
        HWND edit = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (edit = FindChild(settings_, "Button", "&Edit Slides...")) != nullptr; },
                              kDialogDeadline));
        ClickCentre(edit);
        editor_ = saver_->WaitForWindow(kEditorCaption, kDialogDeadline);
        ASSERT_NE(editor_, nullptr) << "the editor did not open";
        ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(editor_) && FindLists(editor_).names; }, kDialogDeadline));
        lists_ = FindLists(editor_);
    }

    void ClickButton(HWND window, const std::string& caption) {
        HWND button = FindChild(window, "Button", caption);
        ASSERT_NE(button, nullptr) << caption;
        ClickCentre(button);
    }

    // OK in the editor, then OK in the settings dialog; the process ends and writes the file.
    void ConfirmBoth() {
        ClickButton(editor_, "&OK");
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(editor_); }, kDialogDeadline)) << "the editor stayed open";
        ClickButton(settings_, "&OK");
        ASSERT_TRUE(saver_->WaitForExit(kExitDeadline)) << "the settings dialog stayed open";
    }

    RunFolder run_;
    std::unique_ptr<SaverProcess> saver_;
    HWND settings_ = nullptr;
    HWND editor_ = nullptr;
    EditorLists lists_;
};

TEST_F(EditorEndToEnd, ShowsTheSlidesSelectsOneAndWritesAnOption) {
    const std::string red = WindowsPath(run_.WriteSolidBitmap("red.bmp", 200, 100, RGB(255, 0, 0)));
    const std::string green = WindowsPath(run_.WriteSolidBitmap("green.bmp", 200, 100, RGB(0, 255, 0)));
    const std::string blue = WindowsPath(run_.WriteSolidBitmap("blue.bmp", 200, 100, RGB(0, 0, 255)));
    OpenEditor({red, green, blue}, {"C", "C", "C"}, {"PreviewFlag_0=True", "BGColor_0=16777215"});

    ASSERT_EQ(RowCount(lists_.names), 3);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(RowCount(lists_.columns[k]), 3) << "column " << k;
    EXPECT_NE(RowText(lists_.names, 1).find("green.bmp"), std::string::npos) << RowText(lists_.names, 1);
    EXPECT_TRUE(HasLabel(editor_, "0/0"));

    ClickRow(lists_.names, 1);
    EXPECT_TRUE(WaitUntil([&] { return HasLabel(editor_, green) && HasLabel(editor_, "(2/3)"); }, kDialogDeadline))
        << "the full path and the position did not show";
    // The preview: the centred green picture in the middle of the monitor's screen.
    HWND preview = nullptr;
    for (HWND w : Descendants(editor_)) {
        const RECT r = ScreenRect(w);
        if (GetParent(w) == editor_ && IsWindowVisible(w) && r.right - r.left > 90 && r.right - r.left < 130 &&
            r.bottom - r.top > 70 && r.bottom - r.top < 100)
            preview = w;
    }
    ASSERT_NE(preview, nullptr) << "no preview surface";
    const RECT pr = ScreenRect(preview);
    EXPECT_TRUE(WaitForScreenPixel((pr.left + pr.right) / 2, (pr.top + pr.bottom) / 2, RGB(0, 255, 0), kDialogDeadline));

    ClickCheck(lists_.columns[1], 1);  // HStretch of the selected slide
    ConfirmBoth();

    const auto ini = run_.ReadSettings();
    EXPECT_EQ(ValueOf(ini, "PictureCount_0"), "3");
    EXPECT_TRUE(IsTrue(ini, "HStretch_2"));
    EXPECT_FALSE(IsTrue(ini, "HStretch_1"));
    EXPECT_FALSE(IsTrue(ini, "HStretch_3"));
    EXPECT_TRUE(IsTrue(ini, "Center_2"));
    EXPECT_EQ(ValueOf(ini, "FileSpec_2"), green);
}

TEST_F(EditorEndToEnd, AddUpDownDeleteAndAltKeysReachTheSettingsFile) {
    const std::string a = WindowsPath(run_.WriteSolidBitmap("a.bmp", 40, 40, RGB(200, 0, 0)));
    const std::string b = WindowsPath(run_.WriteSolidBitmap("b.bmp", 40, 40, RGB(0, 200, 0)));
    const std::string c = WindowsPath(run_.WriteSolidBitmap("c.bmp", 40, 40, RGB(0, 0, 200)));
    const std::string added = WindowsPath(run_.WriteSolidBitmap("added.bmp", 40, 40, RGB(90, 90, 90)));
    OpenEditor({a, b, c}, {"", "", ""});

    // Add below slide a, through the real file-open dialog.
    ClickRow(lists_.names, 0);
    ASSERT_TRUE(WaitUntil([&] { return HasLabel(editor_, "(1/3)") || HasLabel(editor_, a); }, kDialogDeadline));
    ClickButton(editor_, "&Add");
    HWND open = saver_->WaitForWindow("Select Picture", kDialogDeadline);
    ASSERT_NE(open, nullptr) << "the file-open dialog did not open";
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == open; }, kDialogDeadline));
    TypeText(added);
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return RowCount(lists_.names) == 4; }, kDialogDeadline)) << "nothing was added";
    ASSERT_TRUE(WaitUntil([&] { return HasLabel(editor_, "(2/4)"); }, kDialogDeadline));  // a, added, b, c

    // Up: added goes to the top; Down twice: it goes below b.
    ClickButton(editor_, "&Up");
    ASSERT_TRUE(WaitUntil([&] { return HasLabel(editor_, "(1/4)"); }, kDialogDeadline));  // added, a, b, c
    ClickButton(editor_, "Do&wn");
    ASSERT_TRUE(WaitUntil([&] { return HasLabel(editor_, "(2/4)"); }, kDialogDeadline));  // a, added, b, c
    ClickButton(editor_, "Do&wn");
    ASSERT_TRUE(WaitUntil([&] { return HasLabel(editor_, "(3/4)"); }, kDialogDeadline));  // a, b, added, c

    // Alt+H toggles HStretch of the selected slide (added), from the keyboard.
    PressKey('H', VK_MENU);

    // Delete slide c, answering the question with Yes.
    ClickRow(lists_.names, 3);
    ASSERT_TRUE(WaitUntil([&] { return HasLabel(editor_, "(4/4)"); }, kDialogDeadline));
    ClickButton(editor_, "&Delete");
    HWND question = WaitForDialog(*saver_, "Screen Saver", "&Yes", kDialogDeadline);
    ASSERT_NE(question, nullptr) << "the delete question did not come";
    EXPECT_TRUE(WaitUntil([&] { return HasLabel(question, "Do you want to delete " + RowText(lists_.names, 3) + "?"); },
                          kDialogDeadline));
    ClickButton(question, "&Yes");
    ASSERT_TRUE(WaitUntil([&] { return RowCount(lists_.names) == 3; }, kDialogDeadline)) << "the slide stayed";

    ConfirmBoth();
    const auto ini = run_.ReadSettings();
    EXPECT_EQ(ValueOf(ini, "PictureCount_0"), "3");
    EXPECT_EQ(ValueOf(ini, "FileSpec_1"), a);
    EXPECT_EQ(ValueOf(ini, "FileSpec_2"), b);
    EXPECT_EQ(ValueOf(ini, "FileSpec_3"), added);
    EXPECT_TRUE(IsTrue(ini, "Center_3")) << "an added slide is centred";
    EXPECT_TRUE(IsTrue(ini, "HStretch_3")) << "Alt+H toggled the added slide";
    EXPECT_FALSE(IsTrue(ini, "HStretch_1"));
    EXPECT_FALSE(IsTrue(ini, "HStretch_2"));
    EXPECT_FALSE(IsTrue(ini, "Center_1"));
}

} // namespace
} // namespace qs::e2e
