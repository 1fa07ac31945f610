// EditorTest: the slide-show editor over the headless toolkit, with a settings object
// the test fills and the settings dialog's picture-count label for it to rewrite. The
// test plays the user: clicks, keys, the answers to message boxes and file dialogs.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "support/test_images.h"
#include "support/toolkit_fixture.h"
#include "toolkit/application.h"
#include "ui/editor/edit_slide_show.h"

namespace qs::test {

// A slide as the settings hold it, or as a row of the editor shows it.
struct Slide {
    std::string path;
    bool center = false, hStretch = false, vStretch = false;
    bool operator==(const Slide&) const = default;
};
using Slides = std::vector<Slide>;
inline void PrintTo(const Slide& s, std::ostream* os) {
    *os << "{" << s.path << (s.center ? " C" : "") << (s.hStretch ? " H" : "") << (s.vStretch ? " V" : "") << "}";
}

// What the user sees of the list: its rows, the selected row, the position text and the
// full path under the list.
struct View {
    Slides rows;
    int selected = -1;
    std::string position, shown;
    bool operator==(const View&) const = default;
};
inline void PrintTo(const View& v, std::ostream* os) {
    for (const Slide& s : v.rows) PrintTo(s, os);
    *os << " selected " << v.selected << ", position " << v.position << ", shown " << v.shown;
}

using Paths = std::vector<std::string>;
using tk::headless::DialogScript;
constexpr int kCenter = 0, kHStretch = 1, kVStretch = 2;
constexpr int kAdd = 0, kDelete = 1, kUp = 2, kDown = 3, kDeleteAll = 4;
constexpr auto ByName = [](const auto& info) { return std::string(info.param.name); };

class EditorTest : public ToolkitTest {
protected:
    ~EditorTest() override {
        if (EditorOpen()) {
            AppSettings().DisplayWarnings(true); // closes without a question
            editor_->Unload();
        }
    }
    // Every answer the test gave was asked for, and no question came unanswered.
    void TearDown() override {
        EXPECT_EQ(ui().unansweredMessageBoxes(), 0);
        EXPECT_EQ(ui().pendingAnswers(), 0u);
    }

    void GiveSlides(const Slides& slides) {
        AppSettings().PictureCount(0);
        for (int i = 1; i <= static_cast<int>(slides.size()); ++i) {
            AppSettings().FileSpec(slides[i - 1].path, i);
            AppSettings().Center(i, slides[i - 1].center);
            AppSettings().HStretch(i, slides[i - 1].hStretch);
            AppSettings().VStretch(i, slides[i - 1].vStretch);
        }
    }
    // C:\Slides\slideK.bmp for K = 1..n, with options that differ from row to row.
    static Slides Numbered(int n) {
        Slides slides;
        for (int k = 1; k <= n; ++k)
            slides.push_back({"C:\\Slides\\slide" + std::to_string(k) + ".bmp", k % 2 == 1, k % 3 == 0, k % 4 == 0});
        return slides;
    }
    static Slides SettingsSlides() {
        Slides slides;
        for (int i = 1; i <= AppSettings().PictureCount(); ++i)
            slides.push_back({AppSettings().getFileSpec(i), AppSettings().Center(i) != 0,
                              AppSettings().HStretch(i) != 0, AppSettings().VStretch(i) != 0});
        return slides;
    }
    std::string Picture(const std::string& name, int w, int h) { return folder_.write(name, MakeBmp(w, h)); }

    // Modal over the settings dialog; with no modal hook the test drives it.
    ui::EditSlideShow& Open() {
        editor_ = std::make_unique<ui::EditSlideShow>(&picNoLbl_);
        editor_->Show(true, &host_);
        return *editor_;
    }
    ui::EditSlideShow& ed() { return *editor_; }
    bool EditorOpen() const { return editor_ && editor_->IsLoaded(); }

    // The rows, checking on the way that the four lists, the row count and the shown
    // (shortened) texts agree with one another.
    Slides Rows() {
        const int n = ed().FileNameList.ListCount();
        EXPECT_EQ(ed().EntryCount, n);
        for (int k = 0; k < 3; ++k) EXPECT_EQ(ed().CheckList(k).ListCount(), n) << "column " << k;
        Slides rows;
        for (int r = 0; r < n; ++r) {
            rows.push_back({ed().FullNames(ed().FileNameList.ItemData(r)), ed().CheckList(0).Selected(r),
                            ed().CheckList(1).Selected(r), ed().CheckList(2).Selected(r)});
            EXPECT_EQ(ed().FileNameList.List(r), ed().TruncateName(rows.back().path)) << "row " << r;
        }
        return rows;
    }
    View Seen() { return {Rows(), Selected(), ed().countLbl.Caption(), ed().fullNameLbl.Caption()}; }
    int Selected() { return ed().FileNameList.ListIndex(); }
    Paths Prompts() {
        Paths prompts;
        for (const auto& box : ui().messageBoxes()) prompts.push_back(box.prompt);
        return prompts;
    }

    void Answer(std::initializer_list<int> answers) {
        for (int a : answers) ui().answerMessageBox(a);
    }
    void Select(int row) { ed().FileNameList.userSelect(row); }
    void ClickCheck(int column, int row) { ed().CheckList(column).userToggleCheck(row); }
    void ClickCommand(int index) { ed().UpDownAddDel(index).userClick(); }
    void Key(int code, int shift) { ed().userKey(static_cast<std::int16_t>(code), static_cast<std::int16_t>(shift)); }

    ScratchFolder folder_;
    tk::Form host_{"frmConfig"};
    tk::Label picNoLbl_{host_, "picNoLbl", "", 360, 1080, 1455, 375};

private:
    std::unique_ptr<ui::EditSlideShow> editor_;
};

} // namespace qs::test
