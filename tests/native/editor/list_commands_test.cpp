// The list commands Add, Delete, Up, Down and Delete All.
#include <string>
#include <vector>

#include "editor_harness.h"
#include "settings/app_settings.h"
#include "settings/shared_state.h"

namespace qs::test {
namespace {

// --- commands whose precondition fails: nothing changes but Apply ---

struct RefusedCase {
    const char* name;
    int command;
    int rows;
    int selected;  // -1: none
};

class RefusedCommand : public EditorTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedCommand, ChangesNothingButEnablesApply) {
    const RefusedCase& c = GetParam();
    GiveSlides(NumberedSlides(c.rows));
    Open();
    if (c.selected >= 0) Select(c.selected);
    const std::vector<std::string> paths = RowPaths();
    const std::vector<Options> options = RowOptions();
    const std::string position = ed().countLbl.Caption();
    const std::string shown = ed().fullNameLbl.Caption();
    ClickCommand(c.command);
    EXPECT_EQ(RowPaths(), paths);
    EXPECT_EQ(RowOptions(), options);
    EXPECT_EQ(Selected(), c.selected);
    EXPECT_EQ(ed().countLbl.Caption(), position) << "a refused command leaves the position text";
    EXPECT_EQ(ed().fullNameLbl.Caption(), shown);
    EXPECT_EQ(ed().EntryCount, c.rows);
    EXPECT_TRUE(ed().ApplyCmd.Enabled());
    EXPECT_TRUE(SettingsChanged);
    EXPECT_TRUE(Asked().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Preconditions, RefusedCommand,
    ::testing::Values(RefusedCase{"UpOnTheFirstRow", kUp, 4, 0}, RefusedCase{"UpWithNoSelection", kUp, 4, -1},
                      RefusedCase{"DownOnTheLastRow", kDown, 4, 3}, RefusedCase{"DownWithNoSelection", kDown, 4, -1},
                      RefusedCase{"DeleteWithNoSelection", kDelete, 4, -1},
                      RefusedCase{"DeleteAllWithNoSelection", kDeleteAll, 4, -1},
                      RefusedCase{"DeleteOnAnEmptyList", kDelete, 0, -1},
                      RefusedCase{"UpOnTheOnlyRow", kUp, 1, 0}, RefusedCase{"DownOnTheOnlyRow", kDown, 1, 0}),
    [](const ::testing::TestParamInfo<RefusedCase>& info) { return std::string(info.param.name); });

// --- Add ---

using AddSlide = EditorTest;

TEST_F(AddSlide, ConfiguresTheOpenDialog) {
    Open();
    CancelFileDialog();
    ClickCommand(kAdd);
    EXPECT_EQ(FileDialogsShown(), 1);
    EXPECT_EQ(ed().CD1.DialogTitle, "Select Picture");
    EXPECT_EQ(ed().CD1.Flags, 0x80004);
    EXPECT_EQ(ed().CD1.Filter, "CompuServe GIF (*.gif)|*.gif|JPEF (*.jpg)|*.jpg|Windows Bitmap (*.bmp)|*.bmp|"
                               "All Supported Files|*.gif;*.jpg;*.bmp|All Files(*.*)|*.*");
    EXPECT_EQ(ed().CD1.FilterIndex, 2);
    EXPECT_TRUE(ed().CD1.CancelError);
    EXPECT_EQ(ed().CD1.InitDir, "");
}

TEST_F(AddSlide, CancelledDialogChangesNothingSilently) {
    GiveSlides(NumberedSlides(3));
    Open();
    Select(1);
    CancelFileDialog();
    ClickCommand(kAdd);
    EXPECT_EQ(ed().FileNameList.ListCount(), 3);
    EXPECT_EQ(ed().countLbl.Caption(), "(2/3)");
    EXPECT_TRUE(Asked().empty());
    EXPECT_TRUE(ed().ApplyCmd.Enabled());
}

TEST_F(AddSlide, FailedDialogSaysSoAndChangesNothing) {
    GiveSlides(NumberedSlides(3));
    Open();
    FailFileDialog(0x3002);
    Answer({tk::vbOK});
    ClickCommand(kAdd);
    ASSERT_EQ(Asked().size(), 1u);
    EXPECT_EQ(Asked()[0].prompt, "Error selecting a file");
    EXPECT_EQ(Asked()[0].flags, 48);
    EXPECT_EQ(Asked()[0].title, "Screen Saver");
    EXPECT_EQ(ed().FileNameList.ListCount(), 3);
    EXPECT_EQ(ed().countLbl.Caption(), "0/0");
    EXPECT_TRUE(ed().ApplyCmd.Enabled());
}

struct AddCase {
    const char* name;
    int rows;
    int selected;
    int newRow;
    int selectedAfter;
    const char* position;
};

class AddAt : public EditorTest, public ::testing::WithParamInterface<AddCase> {};

TEST_P(AddAt, InsertsBelowTheSelectionCentredAndUnstretched) {
    const AddCase& c = GetParam();
    GiveSlides(NumberedSlides(c.rows));
    Open();
    if (c.selected >= 0) Select(c.selected);
    std::vector<std::string> paths = RowPaths();
    ChooseFile("D:\\new\\added.jpg");
    ClickCommand(kAdd);
    paths.insert(paths.begin() + c.newRow, "D:\\new\\added.jpg");
    EXPECT_EQ(RowPaths(), paths);
    EXPECT_EQ(RowTexts()[c.newRow], "D:\\new\\added.jpg");
    EXPECT_EQ(RowOptions()[c.newRow], (Options{true, false, false}));
    EXPECT_EQ(Selected(), c.selectedAfter);
    EXPECT_EQ(ed().countLbl.Caption(), c.position);
    EXPECT_EQ(ed().EntryCount, c.rows + 1);
    EXPECT_TRUE(ed().ApplyCmd.Enabled());
    for (int k = 0; k < 3; ++k) EXPECT_EQ(ed().CheckList(k).ListCount(), c.rows + 1);
    if (c.selectedAfter >= 0) {
        EXPECT_EQ(ed().fullNameLbl.Caption(), "D:\\new\\added.jpg");
        EXPECT_TRUE(ed().FileNameList.hasFocus());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Positions, AddAt,
    ::testing::Values(AddCase{"ToAnEmptyList", 0, -1, 0, -1, "(0/1)"},
                      AddCase{"BelowRowTwoOfFive", 5, 2, 3, 3, "(4/6)"},
                      AddCase{"WithNoneSelectedAtTheTop", 5, -1, 0, 0, "(1/6)"},
                      AddCase{"BelowTheLastRow", 5, 4, 5, 5, "(6/6)"}),
    [](const ::testing::TestParamInfo<AddCase>& info) { return std::string(info.param.name); });

TEST_F(AddSlide, TheSameFileTwiceGivesTwoRowsWithSlotsOfTheirOwn) {
    Open();
    ChooseFile("C:\\same.jpg");
    ClickCommand(kAdd);
    ChooseFile("C:\\same.jpg");
    ClickCommand(kAdd);
    EXPECT_EQ(RowPaths(), (std::vector<std::string>{"C:\\same.jpg", "C:\\same.jpg"}));
    EXPECT_NE(ed().FileNameList.ItemData(0), ed().FileNameList.ItemData(1));
}

// Three deletions leave one row; the pool then has as many slots as the list had rows.
struct SlotCase {
    const char* name;
    int rows;
    int expectedSlot;
    int expectedUBound;
};

class SlotReuse : public EditorTest, public ::testing::WithParamInterface<SlotCase> {};

TEST_P(SlotReuse, AddTakesAFreeSlotOnlyBeyondThreePerRow) {
    const SlotCase& c = GetParam();
    GiveSlides(NumberedSlides(c.rows));
    AppSettings().DisplayWarnings(true);
    Open();
    Select(0);
    for (int i = 1; i < c.rows; ++i) ClickCommand(kDelete);  // each deletion selects row 0 again
    ASSERT_EQ(ed().FileNameList.ListCount(), 1);
    ASSERT_EQ(ed().FileNameList.ItemData(0), c.rows) << "the last slide kept its slot";
    ChooseFile("C:\\fresh.jpg");
    ClickCommand(kAdd);
    EXPECT_EQ(ed().FileNameList.ItemData(1), c.expectedSlot);
    EXPECT_EQ(ed().FullNames.UBound(), c.expectedUBound);
    EXPECT_EQ(RowPaths(), (std::vector<std::string>{NumberedSlides(c.rows).back().path, "C:\\fresh.jpg"}));
}

INSTANTIATE_TEST_SUITE_P(Pool, SlotReuse,
                         ::testing::Values(SlotCase{"FourSlotsOneRowReuses", 4, 1, 4},
                                           SlotCase{"ThreeSlotsOneRowGrows", 3, 4, 4}),
                         [](const ::testing::TestParamInfo<SlotCase>& info) { return std::string(info.param.name); });

TEST_F(AddSlide, AfterDeleteAllThePoolStartsAgainAtSlotOne) {
    GiveSlides(NumberedSlides(3));
    AppSettings().DisplayWarnings(true);
    Open();
    Select(1);
    ClickCommand(kDeleteAll);
    ChooseFile("C:\\again.jpg");
    ClickCommand(kAdd);
    EXPECT_EQ(ed().FileNameList.ItemData(0), 1);
    EXPECT_EQ(ed().FullNames.UBound(), 1);
    EXPECT_EQ(ed().countLbl.Caption(), "(0/1)");
}

TEST_F(AddSlide, KeepsTheColumnsLevelWhenTheListHasScrolled) {
    GiveSlides(NumberedSlides(40));
    Open();
    ed().FileNameList.userScroll(10);
    const int lastVisible = 10 + ed().FileNameList.visibleRows() - 1;
    Select(lastVisible);
    ChooseFile("C:\\below.jpg");
    ClickCommand(kAdd);
    EXPECT_EQ(Selected(), lastVisible + 1);
    EXPECT_GE(ed().FileNameList.TopIndex(), 1);
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(ed().CheckList(k).TopIndex(), ed().FileNameList.TopIndex()) << "column " << k;
}

TEST_F(AddSlide, ALongPathIsShortenedInItsRow) {
    Open();
    const std::string longPath = "C:\\" + std::string(200, 'x') + "\\tail folder\\picture.jpg";
    ChooseFile(longPath);
    ClickCommand(kAdd);
    EXPECT_EQ(RowPaths()[0], longPath);
    EXPECT_EQ(RowTexts()[0], ed().TruncateName(longPath));
    EXPECT_EQ(RowTexts()[0].rfind("(...)\\", 0), 0u) << RowTexts()[0];
}

// --- Delete ---

using DeleteSlide = EditorTest;

TEST_F(DeleteSlide, AsksQuotingTheRowTextAndYesRemovesTheRow) {
    const std::string longPath = "C:\\" + std::string(150, 'y') + "\\album\\beach.jpg";
    GiveSlides({{"C:\\a.jpg"}, {longPath}, {"C:\\c.jpg"}});
    Open();
    Select(1);
    const std::string shown = RowTexts()[1];
    ASSERT_EQ(shown.rfind("(...)", 0), 0u) << "the test needs a shortened row";
    Answer({tk::vbYes});
    ClickCommand(kDelete);
    ASSERT_EQ(Asked().size(), 1u);
    EXPECT_EQ(Asked()[0].prompt, "Do you want to delete " + shown + "?");
    EXPECT_EQ(Asked()[0].flags, 36);
    EXPECT_EQ(Asked()[0].title, "Screen Saver");
    EXPECT_EQ(RowPaths(), (std::vector<std::string>{"C:\\a.jpg", "C:\\c.jpg"}));
    EXPECT_FALSE(ed().FullNames.InUse(2));
}

TEST_F(DeleteSlide, NoKeepsTheRowAndStillShowsThePosition) {
    GiveSlides(NumberedSlides(5));
    Open();
    Select(2);
    ed().countLbl.setCaption("marker");
    Answer({tk::vbNo});
    ClickCommand(kDelete);
    EXPECT_EQ(ed().FileNameList.ListCount(), 5);
    EXPECT_EQ(ed().countLbl.Caption(), "(3/5)") << "a declined question still ends the command";
    EXPECT_TRUE(ed().ApplyCmd.Enabled());
}

TEST_F(DeleteSlide, InTheMiddleSelectsTheFirstSlide) {
    const std::vector<SlideSpec> slides = NumberedSlides(5);
    GiveSlides(slides);
    Open();
    Select(2);
    Answer({tk::vbYes});
    ClickCommand(kDelete);
    EXPECT_EQ(Selected(), 0);
    EXPECT_EQ(ed().fullNameLbl.Caption(), slides[0].path);
    EXPECT_EQ(ed().countLbl.Caption(), "(1/4)");
    EXPECT_EQ(ed().EntryCount, 4);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(ed().CheckList(k).ListCount(), 4);
}

TEST_F(DeleteSlide, TheOnlySlideLeavesAnEmptyList) {
    GiveSlides({{MakePicture("only.bmp", 10, 10)}});
    AppSettings().PreviewFlag(true);
    Open();
    Select(0);
    ed().chkPreview.userClick();
    ed().chkPreview.userClick();  // checking again draws the selected slide
    ASSERT_FALSE(ed().previewImage.Picture().empty());
    Answer({tk::vbYes});
    ClickCommand(kDelete);
    EXPECT_EQ(ed().FileNameList.ListCount(), 0);
    EXPECT_EQ(Selected(), -1);
    EXPECT_EQ(ed().fullNameLbl.Caption(), "");
    EXPECT_EQ(ed().countLbl.Caption(), "(0/0)");
    EXPECT_EQ(ed().EntryCount, 0);
    EXPECT_TRUE(ed().previewImage.Picture().empty());
}

TEST_F(DeleteSlide, CancelBringsTheDeletedSlideBack) {
    const std::vector<SlideSpec> slides = NumberedSlides(3);
    GiveSlides(slides);
    Open();
    Select(1);
    Answer({tk::vbYes, tk::vbYes});
    ClickCommand(kDelete);
    ClickCancel();
    EXPECT_FALSE(EditorOpen());
    EXPECT_EQ(SettingsSlides(), slides);
    EXPECT_EQ(AppSettings().PictureCount(), 3);
}

// With "Do Not Display Warnings" checked both deleting commands act at once.
class SilencedDelete : public EditorTest, public ::testing::WithParamInterface<int> {};

TEST_P(SilencedDelete, AsksNothing) {
    GiveSlides(NumberedSlides(3));
    Open();
    ed().WarningChk.userClick();
    Select(1);
    ClickCommand(GetParam());
    EXPECT_TRUE(Asked().empty());
    EXPECT_LT(ed().FileNameList.ListCount(), 3);
}

INSTANTIATE_TEST_SUITE_P(Commands, SilencedDelete, ::testing::Values(kDelete, kDeleteAll));

// --- Up and Down ---

// Records, at each selection event of the name list, whether the handler may work and
// whether the list area is on screen.
struct SelectionEvent {
    bool listBusy;
    bool listAreaVisible;
};

class MoveSlide : public EditorTest {
protected:
    // From now on every selection event of the name list is recorded before the
    // editor's own handler runs.
    const std::vector<SelectionEvent>& WatchSelection() {
        auto original = ed().FileNameList.Click;
        ed().FileNameList.Click = [this, original] {
            events_.push_back({ed().ListBusy, ed().bgPic.Visible()});
            original();
        };
        return events_;
    }

private:
    std::vector<SelectionEvent> events_;
};

TEST_F(MoveSlide, UpMovesPathAndOptionsAndKeepsTheSlideSelected) {
    GiveSlides({{"a", false, false, false}, {"b", true, true, false}, {"c", false, false, true}});
    Open();
    Select(2);
    ClickCommand(kUp);
    EXPECT_EQ(RowPaths(), (std::vector<std::string>{"a", "c", "b"}));
    EXPECT_EQ(RowOptions(), (std::vector<Options>{{false, false, false}, {false, false, true}, {true, true, false}}));
    EXPECT_EQ(Selected(), 1);
    EXPECT_EQ(ed().fullNameLbl.Caption(), "c");
    EXPECT_EQ(ed().countLbl.Caption(), "(2/3)");
    EXPECT_EQ(ed().EntryCount, 3);
}

TEST_F(MoveSlide, DownMovesPathAndOptionsAndKeepsTheSlideSelected) {
    GiveSlides({{"a", true, false, true}, {"b"}, {"c"}});
    Open();
    Select(0);
    ClickCommand(kDown);
    EXPECT_EQ(RowPaths(), (std::vector<std::string>{"b", "a", "c"}));
    EXPECT_EQ(RowOptions()[1], (Options{true, false, true}));
    EXPECT_EQ(RowOptions()[0], (Options{false, false, false}));
    EXPECT_EQ(Selected(), 1);
    EXPECT_EQ(ed().countLbl.Caption(), "(2/3)");
}

TEST_F(MoveSlide, DownHidesTheListAreaAndSilencesTheSelection) {
    GiveSlides(NumberedSlides(4));
    Open();
    Select(1);
    const std::vector<SelectionEvent>& events = WatchSelection();
    ClickCommand(kDown);
    ASSERT_FALSE(events.empty());
    for (const SelectionEvent& e : events) {
        EXPECT_TRUE(e.listBusy);
        EXPECT_FALSE(e.listAreaVisible);
    }
    EXPECT_TRUE(ed().bgPic.Visible());
    EXPECT_FALSE(ed().ListBusy);
}

TEST_F(MoveSlide, UpRunsTheSelectionWithTheListAreaShown) {
    GiveSlides(NumberedSlides(4));
    Open();
    Select(2);
    const std::vector<SelectionEvent>& events = WatchSelection();
    ClickCommand(kUp);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_FALSE(events[0].listBusy);
    EXPECT_TRUE(events[0].listAreaVisible);
}

TEST_F(MoveSlide, UpAboveTheFirstVisibleRowScrollsItIntoViewWithTheColumns) {
    GiveSlides(NumberedSlides(40));
    Open();
    ed().FileNameList.userScroll(10);
    Select(10);
    ASSERT_EQ(ed().FileNameList.TopIndex(), 10);
    ClickCommand(kUp);
    EXPECT_EQ(Selected(), 9);
    EXPECT_EQ(ed().FileNameList.TopIndex(), 9);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(ed().CheckList(k).TopIndex(), 9) << "column " << k;
}

TEST_F(MoveSlide, UpInsideTheVisibleRowsLeavesTheTopRow) {
    GiveSlides(NumberedSlides(40));
    Open();
    ed().FileNameList.userScroll(10);
    Select(12);
    ClickCommand(kUp);
    EXPECT_EQ(ed().FileNameList.TopIndex(), 10);
}

// Commands that select a row out of view scroll the names; the columns must follow.
struct LevelCase {
    const char* name;
    int command;
    int selectedFromTop;  // the selected row, counted from the first visible one
};

class ColumnsStayLevel : public EditorTest, public ::testing::WithParamInterface<LevelCase> {};

TEST_P(ColumnsStayLevel, AfterACommandInAScrolledList) {
    GiveSlides(NumberedSlides(40));
    AppSettings().DisplayWarnings(true);
    Open();
    ed().FileNameList.userScroll(20);
    const int row = GetParam().selectedFromTop < 0 ? 20 + ed().FileNameList.visibleRows() - 1
                                                   : 20 + GetParam().selectedFromTop;
    Select(row);
    if (GetParam().command == kAdd) ChooseFile("C:\\added.jpg");
    ClickCommand(GetParam().command);
    EXPECT_EQ(FileDialogsShown(), GetParam().command == kAdd ? 1 : 0);
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(ed().CheckList(k).TopIndex(), ed().FileNameList.TopIndex()) << "column " << k;
    const int selected = Selected();
    ASSERT_GE(selected, 0);
    EXPECT_GE(selected, ed().FileNameList.TopIndex());
    EXPECT_LT(selected, ed().FileNameList.TopIndex() + ed().FileNameList.visibleRows()) << "selection out of view";
}

INSTANTIATE_TEST_SUITE_P(Commands, ColumnsStayLevel,
                         ::testing::Values(LevelCase{"DeleteSelectsTheFirstRow", kDelete, 3},
                                           LevelCase{"DownBelowTheLastVisibleRow", kDown, -1},
                                           LevelCase{"UpFromTheFirstVisibleRow", kUp, 0},
                                           LevelCase{"AddBelowTheLastVisibleRow", kAdd, -1}),
                         [](const ::testing::TestParamInfo<LevelCase>& info) { return std::string(info.param.name); });

// --- Delete All ---

using DeleteAllSlides = EditorTest;

TEST_F(DeleteAllSlides, YesEmptiesEverythingAndReleasesThePool) {
    GiveSlides({{MakePicture("a.bmp", 10, 10)}, {MakePicture("b.bmp", 10, 10)}});
    AppSettings().PreviewFlag(true);
    Open();
    Select(1);
    ASSERT_TRUE(ed().previewImage.Visible());
    Answer({tk::vbYes});
    ClickCommand(kDeleteAll);
    ASSERT_EQ(Asked().size(), 1u);
    EXPECT_EQ(Asked()[0].prompt, "Do you want to delete all slides?");
    EXPECT_EQ(Asked()[0].flags, 36);
    EXPECT_EQ(ed().FileNameList.ListCount(), 0);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(ed().CheckList(k).ListCount(), 0);
        EXPECT_EQ(ed().CheckList(k).ListIndex(), -1);
    }
    EXPECT_FALSE(ed().FullNames.Allocated());
    EXPECT_EQ(ed().fullNameLbl.Caption(), "");
    EXPECT_FALSE(ed().previewImage.Visible());
    EXPECT_TRUE(PrintedOnPreview().empty());
    EXPECT_EQ(ed().EntryCount, 0);
    EXPECT_EQ(ed().countLbl.Caption(), "(0/0)");
}

TEST_F(DeleteAllSlides, NoKeepsEverything) {
    GiveSlides(NumberedSlides(3));
    Open();
    Select(0);
    Answer({tk::vbNo});
    ClickCommand(kDeleteAll);
    EXPECT_EQ(ed().FileNameList.ListCount(), 3);
    EXPECT_EQ(ed().countLbl.Caption(), "(1/3)");
}

TEST_F(DeleteAllSlides, ThenOkWritesAnEmptyList) {
    GiveSlides(NumberedSlides(3));
    AppSettings().DisplayWarnings(true);
    Open();
    Select(0);
    ClickCommand(kDeleteAll);
    ClickOK();
    EXPECT_EQ(AppSettings().PictureCount(), 0);
    EXPECT_EQ(pictureCountLabel().Caption(), "0  Pictures");
}

} // namespace
} // namespace qs::test
