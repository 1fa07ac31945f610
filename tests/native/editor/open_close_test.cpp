// Opening the editor, Apply, OK, Cancel, Reset and the warnings option.
#include <string>
#include <vector>

#include "editor_harness.h"
#include "settings/app_settings.h"
#include "settings/shared_state.h"

namespace qs::test {
namespace {

constexpr const char* kExitQuestion = "Do you want to ignore all changes and exit?";
constexpr const char* kResetQuestion = "Do you want to ignore all changes you made and restore old values?";

using OpenEditor = EditorTest;

TEST_F(OpenEditor, EmptyListShowsFourEmptyListsAndNoPosition) {
    GiveSlides({});
    Open();
    EXPECT_EQ(ed().FileNameList.ListCount(), 0);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(ed().CheckList(k).ListCount(), 0);
        EXPECT_EQ(ed().CheckList(k).ListIndex(), -1);
    }
    EXPECT_EQ(ed().fullNameLbl.Caption(), "");
    EXPECT_EQ(ed().countLbl.Caption(), "0/0");
    EXPECT_FALSE(ed().ApplyCmd.Enabled());
    EXPECT_FALSE(SettingsChanged);
    EXPECT_FALSE(ed().FullNames.Allocated());
    EXPECT_EQ(ed().EntryCount, 0);
    EXPECT_TRUE(ed().bgPic.Visible());
}

TEST_F(OpenEditor, EmptyListOkWritesZeroAndRewritesTheCountLabel) {
    GiveSlides({});
    Open();
    ClickOK();
    EXPECT_FALSE(EditorOpen());
    EXPECT_EQ(AppSettings().PictureCount(), 0);
    EXPECT_EQ(pictureCountLabel().Caption(), "0  Pictures");
    EXPECT_TRUE(Asked().empty());
}

TEST_F(OpenEditor, ThreeSlidesLoadAsRowsWithSlotsAndNoSelection) {
    const std::vector<SlideSpec> slides = {{"C:\\p\\one.jpg", true, false, false},
                                           {"C:\\p\\two.gif", false, true, false},
                                           {"C:\\p\\three.bmp", false, false, true}};
    GiveSlides(slides);
    Open();
    EXPECT_EQ(RowTexts(), (std::vector<std::string>{"C:\\p\\one.jpg", "C:\\p\\two.gif", "C:\\p\\three.bmp"}));
    for (int r = 0; r < 3; ++r) EXPECT_EQ(ed().FileNameList.ItemData(r), r + 1);
    EXPECT_EQ(RowOptions(), (std::vector<Options>{{true, false, false}, {false, true, false}, {false, false, true}}));
    EXPECT_EQ(Selected(), -1);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(ed().CheckList(k).ListIndex(), 0) << "column " << k;
    EXPECT_EQ(ed().fullNameLbl.Caption(), "C:\\p\\one.jpg");
    EXPECT_EQ(ed().countLbl.Caption(), "0/0");
    EXPECT_EQ(ed().EntryCount, 3);
    EXPECT_EQ(ed().FullNames.UBound(), 3);
    EXPECT_FALSE(ed().ApplyCmd.Enabled());
    EXPECT_FALSE(SettingsChanged);
}

TEST_F(OpenEditor, WithThePreviewOnTheSurfaceShowsOnlyItsColourUntilARowIsSelected) {
    GiveSlides({{MakePicture("a.bmp", 40, 30)}});
    AppSettings().PreviewFlag(true);
    AppSettings().bgColor(tk::Rgb(10, 20, 30));
    Open();
    EXPECT_EQ(ed().chkPreview.Value(), 1);
    EXPECT_TRUE(ed().previewPicture.Visible());
    EXPECT_TRUE(ed().previewImage.Picture().empty());
    EXPECT_TRUE(PrintedOnPreview().empty());
    EXPECT_EQ(PictureLoads(), 0);
    EXPECT_EQ(ed().previewPicture.BackColor(), tk::Rgb(10, 20, 30));
    EXPECT_FALSE(ed().ApplyCmd.Enabled());
}

TEST_F(OpenEditor, OptionBoxesStartFromTheSettings) {
    for (bool preview : {false, true}) {
        for (bool warnings : {false, true}) {
            AppSettings().PreviewFlag(preview);
            AppSettings().DisplayWarnings(warnings);
            Open();
            EXPECT_EQ(ed().chkPreview.Value(), preview ? 1 : 0);
            EXPECT_EQ(ed().WarningChk.Value(), warnings ? 1 : 0);
            EXPECT_EQ(ed().SavedPreviewFlag, preview);
            EXPECT_EQ(ed().SavedDisplayWarnings, warnings);
            EXPECT_EQ(ed().previewPicture.Visible(), preview);
            EXPECT_FALSE(ed().ApplyCmd.Enabled());
            ClickCancel();
            EXPECT_FALSE(EditorOpen());
        }
    }
}

// OK without a change: no question, the same list back, the options as they were.
struct CountCase {
    int slides;
    const char* label;
};
class OkWithoutChange : public EditorTest, public ::testing::WithParamInterface<CountCase> {};

TEST_P(OkWithoutChange, WritesTheSameListAndTheCountLabel) {
    const std::vector<SlideSpec> slides = NumberedSlides(GetParam().slides);
    GiveSlides(slides);
    AppSettings().PreviewFlag(true);
    Open();
    ClickOK();
    EXPECT_FALSE(EditorOpen());
    EXPECT_TRUE(Asked().empty());
    EXPECT_EQ(SettingsSlides(), slides);
    EXPECT_TRUE(AppSettings().PreviewFlag());
    EXPECT_FALSE(AppSettings().DisplayWarnings());
    EXPECT_TRUE(SettingsChanged) << "the settings dialog must treat the settings as changed";
    EXPECT_EQ(pictureCountLabel().Caption(), GetParam().label);
}

INSTANTIATE_TEST_SUITE_P(Counts, OkWithoutChange,
                         ::testing::Values(CountCase{0, "0  Pictures"}, CountCase{1, "1  Picture"},
                                           CountCase{3, "3  Pictures"}, CountCase{12, "12  Pictures"}));

using CloseEditor = EditorTest;

TEST_F(CloseEditor, CancelAfterAChangeAsksAndNoKeepsTheDialogWithTheChange) {
    GiveSlides(NumberedSlides(3));
    Open();
    ClickCheck(kHStretch, 1);
    Answer({tk::vbNo});
    ClickCancel();
    ASSERT_EQ(Asked().size(), 1u);
    EXPECT_EQ(Asked()[0].prompt, kExitQuestion);
    EXPECT_EQ(Asked()[0].flags, 36);
    EXPECT_EQ(Asked()[0].title, "Screen Saver");
    EXPECT_TRUE(EditorOpen());
    EXPECT_TRUE(ed().CheckList(kHStretch).Selected(1));
    EXPECT_TRUE(ed().ApplyCmd.Enabled());
    EXPECT_TRUE(SettingsChanged);
}

TEST_F(CloseEditor, CancelAfterAChangeAnsweredYesKeepsTheOldList) {
    const std::vector<SlideSpec> slides = NumberedSlides(3);
    GiveSlides(slides);
    Open();
    ClickCheck(kHStretch, 1);
    Answer({tk::vbYes});
    ClickCancel();
    EXPECT_EQ(Asked().size(), 1u);
    EXPECT_FALSE(EditorOpen());
    EXPECT_EQ(SettingsSlides(), slides);
    EXPECT_TRUE(SettingsChanged);
}

TEST_F(CloseEditor, CancelWithWarningsOffAsksNothingAndDropsTheChange) {
    const std::vector<SlideSpec> slides = NumberedSlides(3);
    GiveSlides(slides);
    AppSettings().DisplayWarnings(true);
    Open();
    ClickCheck(kVStretch, 2);
    ClickCancel();
    EXPECT_TRUE(Asked().empty());
    EXPECT_FALSE(EditorOpen());
    EXPECT_EQ(SettingsSlides(), slides);
}

TEST_F(CloseEditor, TheCloseBoxAsksTheSameQuestion) {
    GiveSlides(NumberedSlides(2));
    Open();
    ClickCheck(kCenter, 0);
    Answer({tk::vbNo});
    EXPECT_FALSE(ed().userClose());
    EXPECT_TRUE(EditorOpen());
    ASSERT_EQ(Asked().size(), 1u);
    EXPECT_EQ(Asked()[0].prompt, kExitQuestion);
}

TEST_F(CloseEditor, WarningsBoxCheckedThenOkStaysOnForTheNextOpening) {
    Open();
    ed().WarningChk.userClick();
    EXPECT_TRUE(AppSettings().DisplayWarnings()) << "the option acts at once";
    EXPECT_TRUE(ed().ApplyCmd.Enabled());
    ClickOK();
    EXPECT_TRUE(Asked().empty());
    EXPECT_FALSE(EditorOpen());
    EXPECT_TRUE(AppSettings().DisplayWarnings());
    Open();
    EXPECT_EQ(ed().WarningChk.Value(), 1);
}

TEST_F(CloseEditor, WarningsBoxCheckedThenCancelAsksNothingAndPutsItBack) {
    Open();
    ed().WarningChk.userClick();
    ClickCancel();
    EXPECT_TRUE(Asked().empty()) << "the box is checked now, so the close asks nothing";
    EXPECT_FALSE(EditorOpen());
    EXPECT_FALSE(AppSettings().DisplayWarnings());
}

TEST_F(CloseEditor, ClearingTheWarningsBoxBringsTheQuestionsBackAtOnce) {
    AppSettings().DisplayWarnings(true);
    GiveSlides(NumberedSlides(2));
    Open();
    ed().WarningChk.userClick();
    EXPECT_FALSE(AppSettings().DisplayWarnings());
    Answer({tk::vbNo});
    ClickCancel();
    EXPECT_EQ(Asked().size(), 1u);
    EXPECT_TRUE(EditorOpen());
}

TEST_F(CloseEditor, ApplyThenCancelKeepsTheAppliedList) {
    GiveSlides(NumberedSlides(3));
    Open();
    ClickCheck(kHStretch, 0);
    ed().ApplyCmd.userClick();
    EXPECT_FALSE(ed().ApplyCmd.Enabled());
    EXPECT_FALSE(SettingsChanged);
    ClickCancel();
    EXPECT_TRUE(Asked().empty());
    EXPECT_FALSE(EditorOpen());
    EXPECT_TRUE(AppSettings().HStretch(1));
}

TEST_F(CloseEditor, ApplyRestartsTheSlideScheduleByOneDelay) {
    GiveSlides(NumberedSlides(1));
    AppSettings().Delay(43);
    Open();
    ClickCheck(kCenter, 0);
    LastSlideTime = 0;
    ed().ApplyCmd.userClick();
    EXPECT_DOUBLE_EQ(LastSlideTime, platform::services().clock->Now() - 43 / 86000.0);
}

TEST_F(CloseEditor, ApplyMakesTheOptionsOfNowTheOnesToGoBackTo) {
    Open();
    ed().chkPreview.userClick();
    ed().ApplyCmd.userClick();
    EXPECT_TRUE(ed().SavedPreviewFlag);
    ed().WarningChk.userClick();
    ClickCancel();
    EXPECT_FALSE(EditorOpen());
    EXPECT_TRUE(AppSettings().PreviewFlag()) << "applied before the close";
    EXPECT_FALSE(AppSettings().DisplayWarnings()) << "changed after the last Apply";
}

TEST_F(CloseEditor, ApplyWritesRowsInTheirOrderWithPathsFromTheirSlots) {
    GiveSlides({{"a"}, {"b", true}, {"c", false, true, true}});
    Open();
    Select(2);
    ClickCommand(kUp);
    ed().ApplyCmd.userClick();
    EXPECT_EQ(SettingsSlides(), (std::vector<SlideSpec>{{"a"}, {"c", false, true, true}, {"b", true}}));
}

using ResetEditor = EditorTest;

TEST_F(ResetEditor, WithoutChangesAsksNothingAndReloads) {
    const std::vector<SlideSpec> slides = NumberedSlides(4);
    GiveSlides(slides);
    Open();
    Select(2);
    ed().ApplyCmd.userClick();  // no changes left, but a selection
    ed().resetBtn.userClick();
    EXPECT_TRUE(Asked().empty());
    EXPECT_EQ(Selected(), -1) << "reloaded: no slide selected";
    EXPECT_EQ(ed().countLbl.Caption(), "0/0");
    ASSERT_EQ(RowPaths().size(), slides.size());
    for (std::size_t i = 0; i < slides.size(); ++i) EXPECT_EQ(RowPaths()[i], slides[i].path);
    EXPECT_EQ(ed().fullNameLbl.Caption(), slides[0].path);
}

TEST_F(ResetEditor, WithChangesAnsweredNoKeepsEverything) {
    GiveSlides(NumberedSlides(3));
    Open();
    ClickCheck(kVStretch, 2);
    Answer({tk::vbNo});
    ed().resetBtn.userClick();
    ASSERT_EQ(Asked().size(), 1u);
    EXPECT_EQ(Asked()[0].prompt, kResetQuestion);
    EXPECT_EQ(Asked()[0].flags, 36);
    EXPECT_EQ(Asked()[0].title, "Screen Saver");
    EXPECT_TRUE(ed().CheckList(kVStretch).Selected(2));
    EXPECT_TRUE(ed().ApplyCmd.Enabled());
}

TEST_F(ResetEditor, WithChangesAnsweredYesRestoresListAndOptions) {
    const std::vector<SlideSpec> slides = NumberedSlides(3);
    GiveSlides(slides);
    Open();
    Select(1);
    Answer({tk::vbYes, tk::vbYes});  // the delete question, then the reset question
    ClickCommand(kDelete);
    ed().chkPreview.userClick();
    EXPECT_TRUE(AppSettings().PreviewFlag());
    ed().resetBtn.userClick();
    ASSERT_EQ(Asked().size(), 2u);
    EXPECT_EQ(Asked()[1].prompt, kResetQuestion);
    ASSERT_EQ(RowPaths().size(), 3u);
    EXPECT_EQ(RowPaths()[1], slides[1].path) << "the deleted slide is back at its place";
    EXPECT_EQ(RowOptions(), (std::vector<Options>{{true, false, false}, {false, false, false}, {true, false, false}}));
    EXPECT_EQ(ed().EntryCount, 3);
    EXPECT_EQ(ed().chkPreview.Value(), 0);
    EXPECT_FALSE(AppSettings().PreviewFlag());
    EXPECT_FALSE(ed().previewPicture.Visible());
    EXPECT_FALSE(ed().ApplyCmd.Enabled());
    EXPECT_FALSE(SettingsChanged);
}

TEST_F(ResetEditor, WithWarningsOffResetsWithoutAsking) {
    GiveSlides(NumberedSlides(2));
    AppSettings().DisplayWarnings(true);
    Open();
    ClickCheck(kCenter, 1);
    ed().resetBtn.userClick();
    EXPECT_TRUE(Asked().empty());
    EXPECT_EQ(RowOptions()[1], (Options{false, false, false}));
}

// The working list is a copy: nothing reaches the settings before Apply.
TEST_F(ResetEditor, CommandsLeaveTheSettingsAloneUntilApply) {
    const std::vector<SlideSpec> slides = NumberedSlides(3);
    GiveSlides(slides);
    AppSettings().DisplayWarnings(true);
    Open();
    Select(1);
    ClickCommand(kDown);
    ClickCommand(kDelete);
    ChooseFile("C:\\new.jpg");
    ClickCommand(kAdd);
    EXPECT_EQ(SettingsSlides(), slides);
}

} // namespace
} // namespace qs::test
