// Selecting a slide, the preview, the option columns, the Alt keys, and the shortening
// of long paths to the name column.
#include <filesystem>

#include "editor_harness.h"

namespace qs::test {
namespace {

constexpr int kShift = 1, kCtrl = 2, kAlt = 4;

using Selection = EditorTest;

TEST_F(Selection, ShowsPathAndPositionAndWithThePreviewOffLoadsNothing) {
    GiveSlides(Numbered(10));
    Open();
    Select(2);
    EXPECT_EQ(Seen(), (View{Numbered(10), 2, "(3/10)", Numbered(10)[2].path}));
    EXPECT_FALSE(ed().ApplyCmd.Enabled()) << "selecting changes nothing";
    EXPECT_FALSE(ed().previewPicture.Visible());
    EXPECT_TRUE(ui().pictureLoads().empty());
    EXPECT_TRUE(ui().screenPointerChanges().empty());
}

// After loading, fullNameLbl names slide 1 already, so selecting row 0 first counts as
// selecting the slide on show again and does no work.
TEST_F(Selection, TheFirstRowRightAfterOpeningIsTheSlideAlreadyShown) {
    GiveSlides({{Picture("a.bmp", 20, 20)}, {Picture("b.bmp", 20, 20)}});
    AppSettings().PreviewFlag(true);
    Open();
    Select(0);
    EXPECT_EQ(ed().countLbl.Caption(), "0/0");
    EXPECT_TRUE(ui().pictureLoads().empty());
    Select(1);
    Select(0);
    EXPECT_EQ(ed().countLbl.Caption(), "(1/2)");
    EXPECT_EQ(ui().pictureLoads().size(), 2u);
}

TEST_F(Selection, AMissingPictureFileSaysSoOnThePreview) {
    const Slides slides = {{Picture("good.bmp", 30, 30)}, {Picture("gone.bmp", 30, 30)}};
    GiveSlides(slides);
    AppSettings().PreviewFlag(true);
    Open();
    Select(0);
    std::filesystem::remove(slides[1].path);
    Select(1);
    EXPECT_EQ(Seen(), (View{slides, 1, "(2/2)", slides[1].path}));
    EXPECT_TRUE(ed().previewPicture.Visible());
    EXPECT_FALSE(ed().previewImage.Visible());
    EXPECT_TRUE(ed().previewImage.Picture().empty());
    EXPECT_EQ(ui().textsOn(ed().previewPicture), Paths{"Cannot load picture"});
    EXPECT_EQ(ui().screenPointerChanges().back(), tk::vbDefault);
    EXPECT_TRUE(Prompts().empty());
}

// The preview box acts at once; an option click redraws only the selected slide.
TEST_F(Selection, ThePreviewShowsTheSelectedSlideAsItsOptionsSay) {
    GiveSlides({{Picture("a.bmp", 20, 20)}, {Picture("b.bmp", 64, 48)}});
    Open();
    Select(1);
    ASSERT_TRUE(ed().previewImage.Picture().empty());
    ed().chkPreview.userClick();
    EXPECT_TRUE(ed().previewPicture.Visible());
    EXPECT_TRUE(ed().previewImage.Visible());
    const tk::Picture drawn = ed().previewImage.Picture();
    EXPECT_FALSE(drawn.empty());
    EXPECT_EQ(ui().screenPointerChanges(), (std::vector<int>{tk::vbHourglass, tk::vbDefault}));
    ClickCheck(kHStretch, 0);
    EXPECT_TRUE(ed().previewImage.Picture() == drawn) << "another row leaves the preview";
    EXPECT_EQ(ed().countLbl.Caption(), "(2/2)");
    ClickCheck(kHStretch, 1);
    ClickCheck(kVStretch, 1);
    EXPECT_FALSE(ed().previewImage.Picture() == drawn) << "the preview was not redrawn";
    EXPECT_FLOAT_EQ(ed().previewImage.Left(), 0);
    EXPECT_FLOAT_EQ(ed().previewImage.Width(), ed().previewPicture.ScaleWidth());
    EXPECT_FLOAT_EQ(ed().previewImage.Height(), ed().previewPicture.ScaleHeight());
    ed().chkPreview.userClick();
    EXPECT_FALSE(ed().previewPicture.Visible());
    EXPECT_FALSE(AppSettings().PreviewFlag());
}

// Alt+T, Alt+H and Alt+V toggle the selected slide's options wherever the focus is;
// other letters and other modifiers toggle nothing.
class AltKey : public EditorTest, public ::testing::WithParamInterface<std::pair<char, int>> {};

TEST_P(AltKey, TogglesTheSelectedRowsOption) {
    const auto [key, column] = GetParam();
    GiveSlides(Numbered(4));
    Open();
    Key(key, kAlt);
    EXPECT_EQ(Rows(), Numbered(4)) << "no slide selected";
    Select(1);
    for (int shift : {0, kShift, kCtrl, kAlt | kCtrl, kAlt | kShift, kAlt | kShift | kCtrl}) Key(key, shift);
    for (int other : {int('B'), int('E'), int('X'), 0x70}) Key(other, kAlt); // access keys of no control
    EXPECT_EQ(Rows(), Numbered(4));
    ed().cmdOK.SetFocus();
    Key(key, kAlt);
    Slides toggled = Numbered(4);
    bool* options[] = {&toggled[1].center, &toggled[1].hStretch, &toggled[1].vStretch};
    *options[column] = !*options[column];
    EXPECT_EQ(Rows(), toggled);
    EXPECT_TRUE(ed().ApplyCmd.Enabled());
    EXPECT_TRUE(SettingsChanged);
    EXPECT_EQ(Selected(), 1);
    ed().WarningChk.SetFocus();
    Key(key, kAlt);
    EXPECT_EQ(Rows(), Numbered(4));
}

INSTANTIATE_TEST_SUITE_P(Letters, AltKey,
                         ::testing::Values(std::pair('T', kCenter), std::pair('H', kHStretch),
                                           std::pair('V', kVStretch)));

TEST_F(Selection, AltKeysGoOnToTheAccessKeys) {
    Open();
    ui().scriptOpenDialog(DialogScript::Cancelled());
    Key('A', kAlt);
    EXPECT_EQ(ui().dialogs().size(), 1u) << "Alt+A reaches the Add button";
}

// --- TruncateName: paths wider than 3/5 of the name column keep a tail behind "(...)" ---

double Limit(ui::EditSlideShow& e) { return e.FileNameList.Width() * 3.0 / 5.0; }

// The longest tail of `s` that fits the limit.
std::string FittingTail(ui::EditSlideShow& e, const std::string& s) {
    std::string tail = s;
    while (!tail.empty() && e.TextWidth(tail) > Limit(e)) tail.erase(0, 1);
    return tail;
}

TEST_F(EditorTest, LongPathsKeepTheTailThatFitsFromABackslash) {
    Open();
    EXPECT_EQ(ed().TruncateName("C:\\photos\\a.jpg"), "C:\\photos\\a.jpg");
    // A list whose limit is exactly the width of 30 letters.
    ed().FileNameList.setWidth(ed().TextWidth(std::string(30, 'i')) * 5 / 3);
    ASSERT_EQ(ed().TextWidth(std::string(30, 'i')), Limit(ed()));
    EXPECT_EQ(ed().TruncateName(std::string(30, 'i')), std::string(30, 'i'));
    EXPECT_EQ(ed().TruncateName(std::string(31, 'i')), "(...)" + std::string(30, 'i')) << "no backslash: all that fits";
    const std::string path = "C:\\" + std::string(120, 'm') + "\\Summer 1999\\Beach\\sunset.jpg";
    const std::string tail = FittingTail(ed(), path);
    EXPECT_EQ(ed().TruncateName(path), "(...)" + tail.substr(tail.find('\\')));
}

} // namespace
} // namespace qs::test
