// The Alt-key toggles of the selected slide's options and the preview box.
#include <string>
#include <vector>

#include "editor_harness.h"
#include "settings/app_settings.h"
#include "settings/shared_state.h"

namespace qs::test {
namespace {

constexpr std::int16_t kAlt = 4, kShift = 1, kCtrl = 2;

struct AltKeyCase {
    const char* name;
    std::int16_t key;
    int column;
};

class AltKey : public EditorTest, public ::testing::WithParamInterface<AltKeyCase> {};

TEST_P(AltKey, TogglesTheSelectedRowsOptionTwice) {
    const AltKeyCase& c = GetParam();
    GiveSlides(NumberedSlides(4));
    Open();
    Select(1);
    const std::vector<Options> before = RowOptions();
    Key(c.key, kAlt);
    std::vector<Options> toggled = before;
    toggled[1][c.column] = !toggled[1][c.column];
    EXPECT_EQ(RowOptions(), toggled);
    EXPECT_TRUE(ed().ApplyCmd.Enabled());
    EXPECT_TRUE(SettingsChanged);
    EXPECT_EQ(Selected(), 1) << "the selection stays";
    Key(c.key, kAlt);
    EXPECT_EQ(RowOptions(), before);
}

TEST_P(AltKey, DoesNothingWithoutASelection) {
    const AltKeyCase& c = GetParam();
    GiveSlides(NumberedSlides(3));
    Open();
    const std::vector<Options> before = RowOptions();
    Key(c.key, kAlt);
    EXPECT_EQ(RowOptions(), before);
}

TEST_P(AltKey, DoesNothingWithOtherModifiers) {
    const AltKeyCase& c = GetParam();
    GiveSlides(NumberedSlides(3));
    Open();
    Select(2);
    const std::vector<Options> before = RowOptions();
    for (std::int16_t shift : {std::int16_t(0), kShift, kCtrl, std::int16_t(kAlt | kCtrl), std::int16_t(kAlt | kShift),
                               std::int16_t(kAlt | kShift | kCtrl)}) {
        ed().ApplyCmd.setEnabled(false);
        Key(c.key, shift);
        EXPECT_EQ(RowOptions(), before) << "shift " << shift;
    }
}

TEST_P(AltKey, WorksWhicheverControlHasTheFocus) {
    const AltKeyCase& c = GetParam();
    GiveSlides(NumberedSlides(3));
    Open();
    Select(0);
    tk::Control* focusable[] = {&ed().FileNameList, &ed().cmdOK, &ed().UpDownAddDel(kAdd), &ed().WarningChk,
                                &ed().resetBtn};
    bool expected = RowOptions()[0][c.column];
    for (tk::Control* control : focusable) {
        control->SetFocus();
        Key(c.key, kAlt);
        expected = !expected;
        EXPECT_EQ(RowOptions()[0][c.column], expected) << control->Name();
    }
}

INSTANTIATE_TEST_SUITE_P(Letters, AltKey,
                         ::testing::Values(AltKeyCase{"T_Center", 84, kCenter}, AltKeyCase{"H_HStretch", 72, kHStretch},
                                           AltKeyCase{"V_VStretch", 86, kVStretch}),
                         [](const ::testing::TestParamInfo<AltKeyCase>& info) { return std::string(info.param.name); });

using KeyDown = EditorTest;

TEST_F(KeyDown, OtherAltLettersToggleNoOption) {
    GiveSlides(NumberedSlides(3));
    AppSettings().DisplayWarnings(true);
    Open();
    Select(1);
    const std::vector<Options> before = RowOptions();
    // Letters that are access keys of no control, so the key reaches nothing else.
    for (std::int16_t key : {std::int16_t('B'), std::int16_t('E'), std::int16_t('X'), std::int16_t(0x70)}) {
        Key(key, kAlt);
        EXPECT_EQ(RowOptions(), before) << "key " << key;
    }
}

TEST_F(KeyDown, AltHRedrawsThePreviewWhenTheColumnStandsOnTheSelectedRow) {
    GiveSlides({{MakePicture("a.bmp", 40, 20)}, {MakePicture("b.bmp", 40, 20)}});
    AppSettings().PreviewFlag(true);
    Open();
    Select(0);  // the columns' current row is row 0 after loading
    const tk::Picture before = ed().previewImage.Picture();
    Key(72, kAlt);
    EXPECT_FALSE(ed().previewImage.Picture() == before);
    EXPECT_FLOAT_EQ(ed().previewImage.Width(), ed().previewPicture.ScaleWidth());
}

TEST_F(KeyDown, TheKeyGoesOnToTheAccessKeys) {
    // Alt+A after Form_KeyDown reaches the "&Add" button.
    Open();
    CancelFileDialog();
    Key('A', kAlt);
    EXPECT_EQ(FileDialogsShown(), 1);
}

using PreviewBox = EditorTest;

TEST_F(PreviewBox, CheckingShowsAndDrawsTheSelectedSlideAtOnce) {
    GiveSlides({{MakePicture("a.bmp", 30, 30)}, {MakePicture("b.bmp", 30, 30)}});
    Open();
    Select(1);
    ASSERT_FALSE(ed().previewPicture.Visible());
    ASSERT_TRUE(ed().previewImage.Picture().empty());
    ed().chkPreview.userClick();
    EXPECT_TRUE(ed().previewPicture.Visible());
    EXPECT_TRUE(ed().previewImage.Visible());
    EXPECT_FALSE(ed().previewImage.Picture().empty());
    EXPECT_TRUE(AppSettings().PreviewFlag());
    EXPECT_TRUE(ed().ApplyCmd.Enabled());
    EXPECT_FALSE(ed().ForceRefresh);
}

TEST_F(PreviewBox, ClearingHidesTheSurfaceAndStoresTheFlag) {
    GiveSlides(NumberedSlides(2));
    AppSettings().PreviewFlag(true);
    Open();
    ed().chkPreview.userClick();
    EXPECT_FALSE(ed().previewPicture.Visible());
    EXPECT_FALSE(AppSettings().PreviewFlag());
    EXPECT_TRUE(ed().ApplyCmd.Enabled());
    EXPECT_TRUE(SettingsChanged);
}

TEST_F(PreviewBox, KeptByOkAndShownOnTheNextOpening) {
    GiveSlides({{MakePicture("a.bmp", 30, 30)}});
    Open();
    ed().chkPreview.userClick();
    ClickOK();
    EXPECT_FALSE(EditorOpen());
    EXPECT_TRUE(AppSettings().PreviewFlag());
    Open();
    EXPECT_EQ(ed().chkPreview.Value(), 1);
    EXPECT_TRUE(ed().previewPicture.Visible());
}

struct DiscardCase {
    const char* name;
    bool warningsOff;
};

class PreviewDiscarded : public EditorTest, public ::testing::WithParamInterface<DiscardCase> {};

TEST_P(PreviewDiscarded, ByCancelGoesBackToTheOpeningValue) {
    GiveSlides(NumberedSlides(1));
    AppSettings().DisplayWarnings(GetParam().warningsOff);
    Open();
    ed().chkPreview.userClick();
    if (!GetParam().warningsOff) Answer({tk::vbYes});
    ClickCancel();
    EXPECT_FALSE(EditorOpen());
    EXPECT_EQ(Asked().size(), GetParam().warningsOff ? 0u : 1u);
    EXPECT_FALSE(AppSettings().PreviewFlag());
}

INSTANTIATE_TEST_SUITE_P(Close, PreviewDiscarded,
                         ::testing::Values(DiscardCase{"AnsweringYes", false}, DiscardCase{"WithoutAQuestion", true}),
                         [](const ::testing::TestParamInfo<DiscardCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
} // namespace qs::test
