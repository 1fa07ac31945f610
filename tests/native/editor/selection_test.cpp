// Selecting a slide, the option columns, the preview and scrolling.
#include <filesystem>
#include <string>
#include <vector>

#include "editor_harness.h"
#include "settings/app_settings.h"
#include "settings/shared_state.h"
#include "toolkit/application.h"

namespace qs::test {
namespace {

using Selection = EditorTest;

TEST_F(Selection, ThirdOfTenShowsItsPathAndPosition) {
    const std::vector<SlideSpec> slides = NumberedSlides(10);
    GiveSlides(slides);
    Open();
    Select(2);
    EXPECT_EQ(ed().fullNameLbl.Caption(), slides[2].path);
    EXPECT_EQ(ed().countLbl.Caption(), "(3/10)");
    EXPECT_FALSE(ed().ApplyCmd.Enabled()) << "selecting changes nothing";
}

TEST_F(Selection, WithThePreviewOnTheSlideIsDrawnAndTheSurfaceShown) {
    GiveSlides({{MakePicture("a.bmp", 20, 20)}, {MakePicture("b.bmp", 64, 48), false, true, true}});
    AppSettings().PreviewFlag(true);
    Open();
    Select(1);
    EXPECT_TRUE(ed().previewPicture.Visible());
    EXPECT_TRUE(ed().previewImage.Visible());
    EXPECT_FALSE(ed().previewImage.Picture().empty());
    // Both stretch flags fill the surface.
    EXPECT_FLOAT_EQ(ed().previewImage.Width(), ed().previewPicture.ScaleWidth());
    EXPECT_FLOAT_EQ(ed().previewImage.Height(), ed().previewPicture.ScaleHeight());
    EXPECT_EQ(PointerChanges(), (std::vector<int>{tk::vbHourglass, tk::vbDefault}));
}

TEST_F(Selection, SelectingTheShownSlideAgainDoesNoWork) {
    GiveSlides({{MakePicture("a.bmp", 20, 20)}, {MakePicture("b.bmp", 20, 20)}});
    AppSettings().PreviewFlag(true);
    Open();
    Select(1);
    const tk::Picture loaded = ed().previewImage.Picture();
    ASSERT_FALSE(loaded.empty());
    const int loads = PictureLoads();
    ed().countLbl.setCaption("marker");
    ed().FileNameList_Click();
    ed().FileNameList.userSelect(1);
    EXPECT_EQ(PictureLoads(), loads) << "the picture was loaded again";
    EXPECT_TRUE(ed().previewImage.Picture() == loaded);
    EXPECT_EQ(ed().countLbl.Caption(), "marker");
}

TEST_F(Selection, ForceRefreshRedrawsTheSameSlide) {
    GiveSlides({{MakePicture("a.bmp", 20, 20)}});
    AppSettings().PreviewFlag(true);
    Open();
    Select(0);
    const tk::Picture loaded = ed().previewImage.Picture();
    ed().ForceRefresh = true;
    ed().FileNameList_Click();
    EXPECT_FALSE(ed().previewImage.Picture() == loaded);
    EXPECT_EQ(ed().countLbl.Caption(), "(1/1)");
}

// After loading, fullNameLbl names slide 1 already, so selecting row 0 first counts as
// selecting the slide on show again.
TEST_F(Selection, TheFirstRowRightAfterOpeningIsTheSlideAlreadyShown) {
    GiveSlides({{MakePicture("a.bmp", 20, 20)}, {MakePicture("b.bmp", 20, 20)}});
    AppSettings().PreviewFlag(true);
    Open();
    Select(0);
    EXPECT_EQ(ed().countLbl.Caption(), "0/0");
    EXPECT_EQ(PictureLoads(), 0);
    Select(1);
    Select(0);
    EXPECT_EQ(ed().countLbl.Caption(), "(1/2)");
    EXPECT_EQ(PictureLoads(), 2);
}

TEST_F(Selection, ListBusySilencesTheSelection) {
    const std::vector<SlideSpec> slides = NumberedSlides(3);
    GiveSlides(slides);
    Open();
    ed().ListBusy = true;
    Select(2);
    EXPECT_EQ(ed().fullNameLbl.Caption(), slides[0].path);
    EXPECT_EQ(ed().countLbl.Caption(), "0/0");
}

TEST_F(Selection, ADeletedPictureFileShowsCannotLoadPicture) {
    const std::string good = MakePicture("good.bmp", 30, 30);
    const std::string gone = MakePicture("gone.bmp", 30, 30);
    GiveSlides({{good}, {gone}});
    AppSettings().PreviewFlag(true);
    Open();
    Select(0);
    ASSERT_TRUE(ed().previewImage.Visible());
    std::filesystem::remove(gone);
    Select(1);
    EXPECT_EQ(ed().fullNameLbl.Caption(), gone);
    EXPECT_EQ(ed().countLbl.Caption(), "(2/2)");
    EXPECT_TRUE(ed().previewPicture.Visible());
    EXPECT_FALSE(ed().previewImage.Visible());
    EXPECT_TRUE(ed().previewImage.Picture().empty());
    EXPECT_EQ(PrintedOnPreview(), (std::vector<std::string>{"Cannot load picture"}));
    EXPECT_EQ(PointerChanges().back(), tk::vbDefault);
    EXPECT_TRUE(Asked().empty()) << "no message box for a missing picture";
}

TEST_F(Selection, WithThePreviewOffNothingIsLoaded) {
    const std::vector<SlideSpec> slides = {{MakePicture("a.bmp", 30, 30)}, {MakePicture("b.bmp", 30, 30)}};
    GiveSlides(slides);
    Open();
    Select(1);
    EXPECT_EQ(ed().fullNameLbl.Caption(), slides[1].path);
    EXPECT_EQ(ed().countLbl.Caption(), "(2/2)");
    EXPECT_FALSE(ed().previewPicture.Visible());
    EXPECT_TRUE(ed().previewImage.Picture().empty());
    EXPECT_EQ(PictureLoads(), 0);
    EXPECT_TRUE(PointerChanges().empty());
}

using OptionColumns = EditorTest;

TEST_F(OptionColumns, ClickOnTheSelectedRowRedrawsThePreviewWithTheNewOption) {
    GiveSlides({{MakePicture("a.bmp", 20, 20)}, {MakePicture("b.bmp", 20, 20)}, {MakePicture("c.bmp", 40, 20)}});
    AppSettings().PreviewFlag(true);
    Open();
    Select(2);
    const tk::Picture before = ed().previewImage.Picture();
    ClickCheck(kHStretch, 2);
    EXPECT_TRUE(ed().CheckList(kHStretch).Selected(2));
    EXPECT_TRUE(ed().ApplyCmd.Enabled());
    EXPECT_FALSE(ed().previewImage.Picture() == before) << "the preview was not redrawn";
    EXPECT_FLOAT_EQ(ed().previewImage.Width(), ed().previewPicture.ScaleWidth()) << "stretched to the width";
    EXPECT_FLOAT_EQ(ed().previewImage.Left(), 0);
}

TEST_F(OptionColumns, ClickOnAnotherRowTogglesButLeavesThePreview) {
    GiveSlides({{MakePicture("a.bmp", 20, 20)}, {MakePicture("b.bmp", 20, 20)}, {MakePicture("c.bmp", 20, 20)}});
    AppSettings().PreviewFlag(true);
    Open();
    Select(1);
    const tk::Picture before = ed().previewImage.Picture();
    ClickCheck(kCenter, 2);
    EXPECT_TRUE(ed().CheckList(kCenter).Selected(2));
    EXPECT_TRUE(ed().ApplyCmd.Enabled());
    EXPECT_TRUE(SettingsChanged);
    EXPECT_TRUE(ed().previewImage.Picture() == before);
    EXPECT_EQ(ed().fullNameLbl.Caption(), RowPaths()[1]);
    EXPECT_EQ(ed().countLbl.Caption(), "(2/3)");
}

TEST_F(OptionColumns, RightAfterOpeningAClickTogglesAndEnablesApplyOnly) {
    GiveSlides({{MakePicture("a.bmp", 20, 20)}, {MakePicture("b.bmp", 20, 20)}});
    AppSettings().PreviewFlag(true);
    Open();
    ClickCheck(kVStretch, 0);
    EXPECT_TRUE(ed().CheckList(kVStretch).Selected(0));
    EXPECT_TRUE(ed().ApplyCmd.Enabled());
    EXPECT_TRUE(ed().previewImage.Picture().empty());
    EXPECT_EQ(ed().countLbl.Caption(), "0/0");
}

TEST_F(OptionColumns, AColumnPassesTheFocusToTheNameList) {
    GiveSlides(NumberedSlides(2));
    Open();
    ed().cmdOK.SetFocus();
    for (int k = 0; k < 3; ++k) {
        ed().CheckList(k).SetFocus();
        EXPECT_TRUE(ed().FileNameList.hasFocus()) << "column " << k;
    }
}

using Scrolling = EditorTest;

TEST_F(Scrolling, TheColumnsFollowTheNameList) {
    GiveSlides(NumberedSlides(40));
    Open();
    ASSERT_LT(ed().FileNameList.visibleRows(), 37) << "the list must be able to scroll by three";
    ed().FileNameList.userScroll(3);
    EXPECT_EQ(ed().FileNameList.TopIndex(), 3);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(ed().CheckList(k).TopIndex(), 3) << "column " << k;
    ed().FileNameList.userScroll(0);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(ed().CheckList(k).TopIndex(), 0) << "column " << k;
}

TEST_F(Scrolling, ColumnsShowAsManyRowsAsTheNames) {
    GiveSlides(NumberedSlides(40));
    Open();
    for (int k = 0; k < 3; ++k) EXPECT_EQ(ed().CheckList(k).visibleRows(), ed().FileNameList.visibleRows());
    const int last = ed().FileNameList.ListCount() - ed().FileNameList.visibleRows();
    ed().FileNameList.userScroll(last);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(ed().CheckList(k).TopIndex(), last) << "column " << k;
}

} // namespace
} // namespace qs::test
