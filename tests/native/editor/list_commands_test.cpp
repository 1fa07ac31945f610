// The list commands Add, Delete, Up, Down and Delete All.
#include "editor_harness.h"

namespace qs::test {
namespace {

// A command whose precondition fails changes nothing but still enables Apply.
struct RefusedCase {
    const char* name;
    int command, rows, selected; // selected -1: none
};
class RefusedCommand : public EditorTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedCommand, ChangesNothingButEnablesApply) {
    const RefusedCase& c = GetParam();
    GiveSlides(Numbered(c.rows));
    Open();
    if (c.selected >= 0) Select(c.selected);
    const View before = Seen();
    ClickCommand(c.command);
    EXPECT_EQ(Seen(), before);
    EXPECT_EQ(Selected(), c.selected);
    EXPECT_TRUE(ed().ApplyCmd.Enabled());
    EXPECT_TRUE(SettingsChanged);
    EXPECT_TRUE(Prompts().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Preconditions, RefusedCommand,
    ::testing::Values(RefusedCase{"UpOnTheFirstRow", kUp, 4, 0}, RefusedCase{"DownOnTheLastRow", kDown, 4, 3},
                      RefusedCase{"DeleteWithNoSelection", kDelete, 4, -1},
                      RefusedCase{"DeleteAllWithNoSelection", kDeleteAll, 4, -1}),
    ByName);

TEST_F(EditorTest, AddWithAFailedOrCancelledFileDialogAddsNothing) {
    GiveSlides(Numbered(3));
    Open();
    ui().scriptOpenDialog(DialogScript::Failed(0x3002));
    Answer({tk::vbOK});
    ClickCommand(kAdd);
    EXPECT_EQ(Prompts(), Paths{"Error selecting a file"});
    EXPECT_EQ(ui().messageBoxes()[0].flags, 48);
    EXPECT_EQ(Seen(), (View{Numbered(3), -1, "0/0", Numbered(3)[0].path}));
    Select(1);
    ui().scriptOpenDialog(DialogScript::Cancelled());
    ClickCommand(kAdd);
    EXPECT_EQ(Prompts().size(), 1u) << "a cancel is silent";
    EXPECT_EQ(ed().CD1.DialogTitle, "Select Picture");
    EXPECT_EQ(Seen(), (View{Numbered(3), 1, "(2/3)", Numbered(3)[1].path}));
    EXPECT_TRUE(ed().ApplyCmd.Enabled());
}

// A new slide goes below the selection (at the top without one), centred, unstretched.
struct AddCase {
    const char* name;
    int rows, selected, newRow;
    const char* position;
};
class AddAt : public EditorTest, public ::testing::WithParamInterface<AddCase> {};

TEST_P(AddAt, InsertsBelowTheSelection) {
    const AddCase& c = GetParam();
    const std::string added = "D:\\" + std::string(200, 'x') + "\\new\\added.jpg"; // shown shortened
    GiveSlides(Numbered(c.rows));
    Open();
    if (c.selected >= 0) Select(c.selected);
    ui().scriptOpenDialog(DialogScript::PickFile(added));
    ClickCommand(kAdd);
    Slides rows = Numbered(c.rows);
    rows.insert(rows.begin() + c.newRow, Slide{added, true});
    const bool selects = c.rows > 0; // an empty list gets no selection
    EXPECT_EQ(Seen(), (View{rows, selects ? c.newRow : -1, c.position, selects ? added : ""}));
    EXPECT_TRUE(ed().ApplyCmd.Enabled());
}

INSTANTIATE_TEST_SUITE_P(Positions, AddAt,
                         ::testing::Values(AddCase{"ToAnEmptyList", 0, -1, 0, "(0/1)"},
                                           AddCase{"BelowRowTwoOfFive", 5, 2, 3, "(4/6)"},
                                           AddCase{"WithNoneSelectedAtTheTop", 5, -1, 0, "(1/6)"}),
                         ByName);

// Each row owns its slot, so two rows of the same file stay two slides; after Delete All
// the pool starts over at slot 1.
TEST_F(EditorTest, RowsOfTheSameFileKeepSlotsOfTheirOwnAndDeleteAllStartsOver) {
    GiveSlides(Numbered(3));
    Open();
    const std::string path = "C:\\Photos\\twice.jpg";
    for (int i = 0; i < 2; ++i) {
        ui().scriptOpenDialog(DialogScript::PickFile(path));
        ClickCommand(kAdd);
    }
    ASSERT_EQ(ed().FileNameList.ListCount(), 5);
    EXPECT_EQ(ed().FullNames(ed().FileNameList.ItemData(0)), path);
    EXPECT_EQ(ed().FullNames(ed().FileNameList.ItemData(1)), path);
    EXPECT_NE(ed().FileNameList.ItemData(0), ed().FileNameList.ItemData(1));

    Answer({tk::vbYes});
    ClickCommand(kDeleteAll);
    ui().scriptOpenDialog(DialogScript::PickFile(path));
    ClickCommand(kAdd);
    EXPECT_EQ(ed().FileNameList.ItemData(0), 1);
    EXPECT_EQ(Seen(), (View{{{path, true}}, -1, "(0/1)", ""}));
    ed().cmdOK.userClick();
    EXPECT_EQ(SettingsSlides(), (Slides{{path, true}}));
}

TEST_F(EditorTest, DeleteAsksQuotingTheRowTextThenSelectsTheFirstSlide) {
    const std::string longPath = "C:\\" + std::string(150, 'y') + "\\album\\beach.jpg";
    GiveSlides({{"C:\\a.jpg"}, {longPath}, {"C:\\c.jpg"}});
    Open();
    Select(1);
    const std::string shown = ed().FileNameList.List(1);
    ASSERT_EQ(shown.rfind("(...)", 0), 0u) << "the row must be a shortened one";
    Answer({tk::vbYes});
    ClickCommand(kDelete);
    EXPECT_EQ(Prompts(), Paths{"Do you want to delete " + shown + "?"});
    EXPECT_EQ(ui().messageBoxes()[0].flags, 36);
    EXPECT_EQ(ui().messageBoxes()[0].title, "Screen Saver");
    EXPECT_EQ(Seen(), (View{{{"C:\\a.jpg"}, {"C:\\c.jpg"}}, 0, "(1/2)", "C:\\a.jpg"}));
    EXPECT_FALSE(ed().FullNames.InUse(2)) << "the slot is freed";
}

// Declined, the question keeps the slide yet still ends the command; agreed, deleting
// the last slide either way leaves nothing, on the preview either.
class DeleteTheLast : public EditorTest, public ::testing::WithParamInterface<int> {};

TEST_P(DeleteTheLast, NoKeepsItAndYesLeavesEmptyListsAndPreview) {
    const Slides only = {{Picture("only.bmp", 10, 10)}};
    GiveSlides(only);
    Open();
    Select(0);
    ed().chkPreview.userClick(); // checking the box draws the selected slide
    ASSERT_TRUE(ed().previewImage.Visible());
    ASSERT_FALSE(ed().previewImage.Picture().empty());
    const std::string question = GetParam() == kDelete ? "Do you want to delete " + ed().FileNameList.List(0) + "?"
                                                       : "Do you want to delete all slides?";
    Answer({tk::vbNo, tk::vbYes});
    ClickCommand(GetParam());
    EXPECT_EQ(Prompts(), Paths{question});
    EXPECT_EQ(ui().messageBoxes()[0].flags, 36);
    EXPECT_EQ(Seen(), (View{only, 0, "(1/1)", only[0].path}));
    EXPECT_TRUE(ed().ApplyCmd.Enabled());
    ClickCommand(GetParam());
    EXPECT_EQ(Prompts().size(), 2u);
    EXPECT_EQ(Seen(), (View{{}, -1, "(0/0)", ""}));
    for (int k = 0; k < 3; ++k) EXPECT_EQ(ed().CheckList(k).ListIndex(), -1);
    EXPECT_TRUE(ui().textsOn(ed().previewPicture).empty());
    if (GetParam() == kDelete) {
        EXPECT_TRUE(ed().previewImage.Picture().empty());
    } else {
        EXPECT_FALSE(ed().previewImage.Visible());
        EXPECT_FALSE(ed().FullNames.Allocated()) << "every slot is released";
    }
    ed().cmdOK.userClick();
    EXPECT_EQ(AppSettings().PictureCount(), 0);
    EXPECT_EQ(picNoLbl_.Caption(), "0  Pictures");
}

INSTANTIATE_TEST_SUITE_P(Commands, DeleteTheLast, ::testing::Values(kDelete, kDeleteAll));

// Up and Down carry the path and the options and keep the moved slide selected.
struct MoveCase {
    int command, from;
    std::vector<int> order; // the slides' old rows, in their new order
};
class MoveSlide : public EditorTest, public ::testing::WithParamInterface<MoveCase> {};

TEST_P(MoveSlide, CarriesPathAndOptions) {
    const Slides slides = Numbered(4);
    GiveSlides(slides);
    Open();
    Select(GetParam().from);
    ClickCommand(GetParam().command);
    Slides moved;
    for (int old : GetParam().order) moved.push_back(slides[old]);
    const int to = GetParam().from + (GetParam().command == kUp ? -1 : 1);
    EXPECT_EQ(Seen(), (View{moved, to, "(" + std::to_string(to + 1) + "/4)", slides[GetParam().from].path}));
    EXPECT_TRUE(ed().bgPic.Visible());
}

INSTANTIATE_TEST_SUITE_P(Commands, MoveSlide,
                         ::testing::Values(MoveCase{kUp, 3, {0, 1, 3, 2}}, MoveCase{kDown, 0, {1, 0, 2, 3}}));

// Commands that select a row out of view scroll the names; the columns must follow.
struct LevelCase {
    const char* name;
    int command;
    int selectedFromTop; // -1: the last visible row
};
class ColumnsStayLevel : public EditorTest, public ::testing::WithParamInterface<LevelCase> {};

TEST_P(ColumnsStayLevel, AfterScrollingAndAfterACommand) {
    GiveSlides(Numbered(40));
    AppSettings().DisplayWarnings(true);
    Open();
    ed().FileNameList.userScroll(20);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(ed().CheckList(k).TopIndex(), 20) << "column " << k;
    const int fromTop = GetParam().selectedFromTop;
    Select(20 + (fromTop < 0 ? ed().FileNameList.visibleRows() - 1 : fromTop));
    if (GetParam().command == kAdd) ui().scriptOpenDialog(DialogScript::PickFile("C:\\added.jpg"));
    ClickCommand(GetParam().command);
    EXPECT_EQ(ui().dialogs().size(), GetParam().command == kAdd ? 1u : 0u);
    const int top = ed().FileNameList.TopIndex();
    for (int k = 0; k < 3; ++k) EXPECT_EQ(ed().CheckList(k).TopIndex(), top) << "column " << k;
    ASSERT_GE(Selected(), 0);
    EXPECT_GE(Selected(), top);
    EXPECT_LT(Selected(), top + ed().FileNameList.visibleRows()) << "selection out of view";
}

INSTANTIATE_TEST_SUITE_P(Commands, ColumnsStayLevel,
                         ::testing::Values(LevelCase{"DeleteSelectsTheFirstRow", kDelete, 3},
                                           LevelCase{"UpFromTheFirstVisibleRow", kUp, 0},
                                           LevelCase{"AddBelowTheLastVisibleRow", kAdd, -1}),
                         ByName);

} // namespace
} // namespace qs::test
