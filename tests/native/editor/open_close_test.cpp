// Opening the editor, the two option boxes, Apply, OK, Cancel, the close box and Reset.
#include "editor_harness.h"

namespace qs::test {
namespace {

using OpenEditor = EditorTest;

TEST_F(OpenEditor, TheCaptionsTheUserReads) {
    Open();
    Paths captions = {ed().Caption(), ed().Label1.Caption(), ed().chkPreview.Caption(), ed().WarningChk.Caption(),
                      ed().cmdOK.Caption(), ed().cmdCancel.Caption(), ed().ApplyCmd.Caption(), ed().resetBtn.Caption()};
    for (int k : {kAdd, kDelete, kUp, kDown, kDeleteAll}) captions.push_back(ed().UpDownAddDel(k).Caption());
    EXPECT_EQ(captions, (Paths{"Edit Slide Show", "Image  Spec", "Pre&view", "Do &Not Display Warnings", "&OK", "&Cancel",
                               "A&pply", "&Reset", "&Add", "&Delete", "&Up", "Do&wn", "De&lete All"}));
}

// OK without a change asks nothing, writes the same list back and rewrites the settings
// dialog's count; that dialog must still count the visit as a change.
class OkWithoutChange : public EditorTest, public ::testing::WithParamInterface<std::pair<int, const char*>> {};

TEST_P(OkWithoutChange, LoadsTheSlidesAndWritesThemBack) {
    const auto [n, label] = GetParam();
    GiveSlides(Numbered(n));
    AppSettings().PreviewFlag(true);
    Open();
    EXPECT_EQ(Seen(), (View{Numbered(n), -1, "0/0", n ? Numbered(n)[0].path : ""}));
    EXPECT_FALSE(ed().ApplyCmd.Enabled());
    EXPECT_FALSE(SettingsChanged);
    ed().cmdOK.userClick();
    EXPECT_FALSE(EditorOpen());
    EXPECT_TRUE(Prompts().empty());
    EXPECT_EQ(SettingsSlides(), Numbered(n));
    EXPECT_TRUE(AppSettings().PreviewFlag());
    EXPECT_TRUE(SettingsChanged);
    EXPECT_EQ(picNoLbl_.Caption(), label);
}

INSTANTIATE_TEST_SUITE_P(Counts, OkWithoutChange,
                         ::testing::Values(std::pair(0, "0  Pictures"), std::pair(1, "1  Picture")));

// Both option boxes act on the settings at once; OK keeps them for the next opening,
// Cancel puts back the value the editor opened with.
struct OptionBoxCase {
    const char* name;
    bool warningsBox, ok;
    std::size_t questions; // a checked warnings box silences the exit question itself
};
class OptionBox : public EditorTest, public ::testing::WithParamInterface<OptionBoxCase> {
protected:
    tk::CheckBox& Box() { return GetParam().warningsBox ? ed().WarningChk : ed().chkPreview; }
    bool Setting() { return GetParam().warningsBox ? AppSettings().DisplayWarnings() : AppSettings().PreviewFlag(); }
};

TEST_P(OptionBox, ActsAtOnceAndOnlyOkKeepsIt) {
    const OptionBoxCase& c = GetParam();
    Open();
    Box().userClick();
    EXPECT_TRUE(Setting());
    EXPECT_TRUE(ed().ApplyCmd.Enabled());
    if (c.questions) Answer({tk::vbYes});
    (c.ok ? ed().cmdOK : ed().cmdCancel).userClick();
    EXPECT_FALSE(EditorOpen());
    EXPECT_EQ(Prompts().size(), c.questions);
    EXPECT_EQ(Setting(), c.ok);
    Open();
    EXPECT_EQ(Box().Value(), c.ok ? 1 : 0);
    EXPECT_EQ(ed().previewPicture.Visible(), !c.warningsBox && c.ok);
}

INSTANTIATE_TEST_SUITE_P(Boxes, OptionBox,
                         ::testing::Values(OptionBoxCase{"PreviewOk", false, true, 0},
                                           OptionBoxCase{"PreviewCancel", false, false, 1},
                                           OptionBoxCase{"WarningsOk", true, true, 0},
                                           OptionBoxCase{"WarningsCancel", true, false, 0}),
                         ByName);

// Leaving with a change not applied: the question, and that the change never arrives.
struct LeaveCase {
    const char* name;
    bool closeBox, warningsOff;
    int answer; // 0: no question expected
};
class LeaveWithAChange : public EditorTest, public ::testing::WithParamInterface<LeaveCase> {};

TEST_P(LeaveWithAChange, AsksUnlessSilencedAndNoStays) {
    const LeaveCase& c = GetParam();
    const bool stays = c.answer == tk::vbNo;
    GiveSlides(Numbered(3));
    AppSettings().DisplayWarnings(c.warningsOff);
    Open();
    ClickCheck(kHStretch, 1);
    const Slides changed = Rows();
    if (c.answer) Answer({c.answer});
    const bool closed = c.closeBox ? ed().userClose() : (ed().cmdCancel.userClick(), !EditorOpen());
    EXPECT_EQ(closed, !stays);
    EXPECT_EQ(Prompts(), c.answer ? Paths{"Do you want to ignore all changes and exit?"} : Paths{});
    for (const auto& box : ui().messageBoxes()) EXPECT_TRUE(box.flags == 36 && box.title == "Screen Saver");
    EXPECT_EQ(EditorOpen(), stays);
    EXPECT_EQ(stays ? Rows() : changed, changed);
    EXPECT_EQ(stays && ed().ApplyCmd.Enabled(), stays);
    EXPECT_EQ(SettingsSlides(), Numbered(3));
    EXPECT_TRUE(SettingsChanged);
}

INSTANTIATE_TEST_SUITE_P(Ways, LeaveWithAChange,
                         ::testing::Values(LeaveCase{"CancelNo", false, false, tk::vbNo},
                                           LeaveCase{"CloseBoxYes", true, false, tk::vbYes},
                                           LeaveCase{"CancelSilenced", false, true, 0}),
                         ByName);

TEST_F(OpenEditor, ApplyWritesTheRowsInOrderAndCancelKeepsWhatWasApplied) {
    GiveSlides({{"a"}, {"b", true}, {"c", false, true, true}});
    AppSettings().Delay(43);
    Open();
    Select(2);
    ClickCommand(kUp);
    ed().chkPreview.userClick();
    LastSlideTime = 0;
    ed().ApplyCmd.userClick();
    const Slides applied = {{"a"}, {"c", false, true, true}, {"b", true}};
    EXPECT_EQ(SettingsSlides(), applied);
    EXPECT_FALSE(ed().ApplyCmd.Enabled());
    EXPECT_FALSE(SettingsChanged);
    EXPECT_DOUBLE_EQ(LastSlideTime, os.clock.Now() - 43 / 86000.0) << "the slide schedule restarts";
    ed().cmdCancel.userClick();
    EXPECT_TRUE(Prompts().empty());
    EXPECT_FALSE(EditorOpen());
    EXPECT_EQ(SettingsSlides(), applied);
    EXPECT_TRUE(AppSettings().PreviewFlag());
}

// Without a change Reset asks nothing and loads the list again, which drops the selection.
TEST_F(OpenEditor, ResetWithoutAChangeAsksNothingAndReloads) {
    GiveSlides(Numbered(3));
    Open();
    Select(2);
    ed().resetBtn.userClick();
    EXPECT_TRUE(Prompts().empty());
    EXPECT_EQ(Seen(), (View{Numbered(3), -1, "0/0", Numbered(3)[0].path}));
    EXPECT_FALSE(ed().ApplyCmd.Enabled());
}

// Cancel after a delete leaves the settings' slides as the editor found them.
TEST_F(OpenEditor, CancelAfterADeleteKeepsTheSettingsList) {
    GiveSlides(Numbered(3));
    Open();
    Select(1);
    Answer({tk::vbYes, tk::vbYes}); // the delete, then leaving with the change
    ClickCommand(kDelete);
    ASSERT_EQ(ed().FileNameList.ListCount(), 2);
    ed().cmdCancel.userClick();
    EXPECT_FALSE(EditorOpen());
    EXPECT_EQ(SettingsSlides(), Numbered(3));
    EXPECT_EQ(picNoLbl_.Caption(), "3  Pictures");
}

// Reset after deleting a slide and switching the preview on.
class ResetEditor : public EditorTest, public ::testing::WithParamInterface<int> {};

TEST_P(ResetEditor, RestoresListAndOptionsUnlessAnsweredNo) {
    const int answer = GetParam(); // 0: warnings off, no question
    GiveSlides(Numbered(3));
    AppSettings().DisplayWarnings(answer == 0);
    Open();
    Select(1);
    if (answer) Answer({tk::vbYes, answer}); // the delete question, then the reset question
    ClickCommand(kDelete);
    ed().chkPreview.userClick();
    const View changed = Seen();
    ed().resetBtn.userClick();
    EXPECT_EQ(Prompts().size(), answer ? 2u : 0u);
    if (answer) {
        EXPECT_EQ(Prompts()[1], "Do you want to ignore all changes you made and restore old values?");
    }
    const bool restored = answer != tk::vbNo;
    EXPECT_EQ(Seen(), (restored ? View{Numbered(3), -1, "0/0", Numbered(3)[0].path} : changed));
    EXPECT_EQ(ed().chkPreview.Value(), restored ? 0 : 1);
    EXPECT_EQ(AppSettings().PreviewFlag(), !restored);
    EXPECT_EQ(ed().previewPicture.Visible(), !restored);
    EXPECT_EQ(ed().ApplyCmd.Enabled(), !restored);
    EXPECT_EQ(SettingsChanged, !restored);
}

INSTANTIATE_TEST_SUITE_P(Answers, ResetEditor, ::testing::Values(tk::vbYes, tk::vbNo, 0));

} // namespace
} // namespace qs::test
