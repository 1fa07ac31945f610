// The slide-show editor of the real QuilloSlides.scr, opened from the settings dialog
// ("/C") and driven with the mouse and keyboard; what it did is read back from the
// settings file the process writes when it ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "e2e_driver.h"

namespace qs::e2e {
namespace {

constexpr Ms kDialogDeadline{10000};

bool HasLabel(HWND top, const std::string& text) { return FindChild(top, "Static", text) != nullptr; }

// Asked in UTF-16: Wine hands another process's rows back in UTF-16 even to the ANSI
// message, longer than the length it reports.
std::string RowText(HWND list, int row) {
    std::wstring wide(static_cast<std::size_t>(std::max<LRESULT>(SendMessageW(list, LB_GETTEXTLEN, row, 0), 0)) + 1, 0);
    const LRESULT got = SendMessageW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(wide.data()));
    wide.resize(std::min(static_cast<std::size_t>(std::max<LRESULT>(got, 0)), wide.size() - 1));
    std::string text(wide.size() * 2, '\0');
    const int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), text.data(),
                                          static_cast<int>(text.size()), nullptr, nullptr);
    return text.substr(0, static_cast<std::size_t>(std::max(bytes, 0)));
}

// Characters, whatever keys would make them on this keyboard.
void TypeText(const std::string& text) {
    for (unsigned char c : text) {
        INPUT in[2] = {};
        for (INPUT& i : in) i.type = INPUT_KEYBOARD, i.ki.wScan = c, i.ki.dwFlags = KEYEVENTF_UNICODE;
        in[1].ki.dwFlags |= KEYEVENTF_KEYUP;
        SendInput(2, in, sizeof(INPUT));
    }
}

// The screen point at the vertical middle of a row, x pixels into the list's client area.
POINT RowPoint(HWND list, int row, int x) {
    const int height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    POINT p{x, (row - static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0))) * height + height / 2};
    ClientToScreen(list, &p);
    return p;
}

class Editor : public ::testing::Test {
protected:
    void SetUp() override { SetCursorPos(3, 3); }

    // Finds the name list and the three option columns: the names are the widest list;
    // the columns lie in their clips from left to right (Center, HStretch, VStretch).
    bool FindLists() {
        std::vector<HWND> all;
        for (HWND w : Descendants(editor_))
            if (lstrcmpiA(ClassOf(w).c_str(), "ListBox") == 0) all.push_back(w);
        if (all.size() != 4) return false;
        const auto width = [](HWND w) { return ScreenRect(w).right - ScreenRect(w).left; };
        std::sort(all.begin(), all.end(), [&](HWND a, HWND b) { return width(a) > width(b); });
        std::sort(all.begin() + 1, all.end(), [](HWND a, HWND b) { return ScreenRect(a).left < ScreenRect(b).left; });
        std::copy(all.begin(), all.end(), names_);
        return true;
    }
    // A click on a row's name, right of the strip that hides the list's own check boxes.
    void ClickRow(int row, const std::string& position) {
        const POINT p = RowPoint(names_[0], row, 40);
        ClickAt(p.x, p.y);
        ASSERT_TRUE(Shows(position));
    }
    // A click on a row's check box in an option column; only its clip shows the column.
    void ClickCheck(int column, int row) {
        const POINT p = RowPoint(names_[column + 1], row, 0);
        ClickAt(ScreenRect(GetParent(names_[column + 1])).left + 7, p.y);
    }
    void Click(HWND window, const std::string& caption) {
        HWND button = FindChild(window, "Button", caption);
        ASSERT_NE(button, nullptr) << caption;
        ClickCentre(button);
    }
    bool Shows(const std::string& label) {
        return WaitUntil([&] { return HasLabel(editor_, label); }, kDialogDeadline);
    }

    RunFolder run_;
    HWND editor_ = nullptr;
    HWND names_[4] = {};  // the names, then the Center, HStretch and VStretch columns
};

TEST_F(Editor, ShowsSelectsAddsMovesTogglesAndDeletesSlidesAndOkWritesThem) {
    const std::string red = WindowsPath(run_.WriteSolidBitmap("red.bmp", 200, 100, RGB(255, 0, 0)));
    const std::string green = WindowsPath(run_.WriteSolidBitmap("green.bmp", 200, 100, RGB(0, 255, 0)));
    const std::string blue = WindowsPath(run_.WriteSolidBitmap("blue.bmp", 200, 100, RGB(0, 0, 255)));
    const std::string added = WindowsPath(run_.WriteSolidBitmap("added.bmp", 40, 40, RGB(90, 90, 90)));
    std::vector<std::string> lines = {"PreviewFlag_0=True", "BGColor_0=16777215", "PictureCount_0=3"};
    // Red is not centred: an added slide is centred by itself, not after its neighbour.
    for (const auto& [n, path] : {std::pair{"1", red}, {"2", green}, {"3", blue}})
        lines.insert(lines.end(), {std::string("FileSpec_") + n + "=" + path,
                                   std::string("Center_") + n + (path == red ? "=False" : "=True"),
                                   std::string("HStretch_") + n + "=False", std::string("VStretch_") + n + "=False"});
    run_.WriteSettings(lines);
    SaverProcess saver(run_, "/C");
    HWND settings = saver.WaitForWindow(kSettingsCaption, kStartDeadline, "&Edit Slides...");
    ASSERT_NE(settings, nullptr) << "the settings dialog did not open";
    Click(settings, "&Edit Slides...");
    editor_ = saver.WaitForWindow("Edit Slide Show", kDialogDeadline);
    ASSERT_NE(editor_, nullptr) << "the editor did not open";
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(editor_) && FindLists(); }, kDialogDeadline));
    EXPECT_TRUE(IsWindow(settings));

    for (HWND list : names_) EXPECT_EQ(RowCount(list), 3);
    EXPECT_NE(RowText(names_[0], 1).find("green.bmp"), std::string::npos) << RowText(names_[0], 1);
    EXPECT_TRUE(HasLabel(editor_, "0/0"));

    // Selecting a row shows its full path, its position and its picture in the preview.
    ClickRow(1, "(2/3)");
    EXPECT_TRUE(HasLabel(editor_, green)) << "the full path";
    HWND preview = nullptr;
    for (HWND w : Descendants(editor_)) {
        const RECT r = ScreenRect(w);
        if (GetParent(w) == editor_ && IsWindowVisible(w) && r.right - r.left > 90 && r.right - r.left < 130 &&
            r.bottom - r.top > 70 && r.bottom - r.top < 100)
            preview = w;
    }
    ASSERT_NE(preview, nullptr) << "no preview surface";
    const RECT pr = ScreenRect(preview);
    EXPECT_TRUE(WaitForScreenPixel((pr.left + pr.right) / 2, (pr.top + pr.bottom) / 2, RGB(0, 255, 0),
                                   kDialogDeadline));
    ClickCheck(1, 1);  // HStretch of green

    // Add below red, through the real file-open dialog: red, added, green, blue.
    ClickRow(0, "(1/3)");
    Click(editor_, "&Add");
    HWND open = saver.WaitForWindow("Select Picture", kDialogDeadline);
    ASSERT_NE(open, nullptr) << "the file-open dialog did not open";
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == open; }, kDialogDeadline));
    TypeText(added);
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return RowCount(names_[0]) == 4; }, kDialogDeadline)) << "nothing was added";
    ASSERT_TRUE(Shows("(2/4)"));
    // Up to the top, then down twice: red, green, added, blue.
    for (const auto& [button, position] : {std::pair{"&Up", "(1/4)"}, {"Do&wn", "(2/4)"}, {"Do&wn", "(3/4)"}}) {
        Click(editor_, button);
        ASSERT_TRUE(Shows(position)) << button;
    }
    PressKey('H', VK_MENU);  // toggles HStretch of the selected slide: added

    ClickRow(3, "(4/4)");
    Click(editor_, "&Delete");
    HWND question = saver.WaitForWindow("Screen Saver", kDialogDeadline, "&Yes");
    ASSERT_NE(question, nullptr) << "the delete question did not come";
    EXPECT_TRUE(WaitUntil([&] { return HasLabel(question, "Do you want to delete " + RowText(names_[0], 3) + "?"); },
                          kDialogDeadline));
    Click(question, "&Yes");
    ASSERT_TRUE(WaitUntil([&] { return RowCount(names_[0]) == 3; }, kDialogDeadline)) << "the slide stayed";

    Click(editor_, "&OK");
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(editor_); }, kDialogDeadline)) << "the editor stayed open";
    Click(settings, "&OK");
    ASSERT_TRUE(saver.WaitForExit(kExitDeadline)) << "the settings dialog stayed open";
    auto ini = run_.ReadSettings();
    EXPECT_EQ(ini["PictureCount_0"], "3");
    const struct {
        const std::string& path;
        const char *center, *hStretch;
    } slides[] = {{red, "False", "False"}, {green, "True", "True"}, {added, "True", "True"}};
    for (int i = 0; i < 3; ++i) {
        const std::string n = std::to_string(i + 1);
        EXPECT_EQ(ini["FileSpec_" + n], slides[i].path);
        EXPECT_EQ(ini["Center_" + n], slides[i].center) << n;
        EXPECT_EQ(ini["HStretch_" + n], slides[i].hStretch) << n;
        EXPECT_EQ(ini["VStretch_" + n], "False") << n;
    }
}

} // namespace
} // namespace qs::e2e
