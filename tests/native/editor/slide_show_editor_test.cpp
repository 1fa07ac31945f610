// What only the form can get wrong: the wiring of its controls to the working list (tests/models).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "support/test_images.h"
#include "support/toolkit_fixture.h"
#include "ui/editor/dropped_pictures.h"
#include "ui/editor/slide_show_editor.h"

namespace qs::test {
namespace {

using Texts = std::vector<std::string>;
using tk::headless::DialogScript;

class Editor : public ToolkitTest {
protected:
    ~Editor() override {
        EXPECT_EQ(ui().unansweredMessageBoxes(), 0);
        EXPECT_EQ(ui().pendingAnswers(), 0u);
        AppSettings().setDisplayWarnings(true); // closes without a question
        if (editor_ && editor_->IsLoaded()) editor_->Unload();
    }
    static void Give(const Texts& paths) {
        for (int i = 1; i <= static_cast<int>(paths.size()); ++i) AppSettings().setFileSpec(i, paths[i - 1]);
    }
    void Open() {
        editor_ = std::make_unique<ui::SlideShowEditor>(changes_, &pictureCount_);
        editor_->Show(true, &host_);
    }
    ui::SlideShowEditor& ed() { return *editor_; }

    ScratchFolder folder_;
    ui::UnconfirmedChanges changes_;
    tk::Form host_{"SettingsDialog"};
    tk::Label pictureCount_{host_, "pictureCountLabel", "", 360, 1080, 1455, 375};
    std::unique_ptr<ui::SlideShowEditor> editor_;
};

// Apply alone takes the working list to the settings and restarts the show's schedule (the Wine
// suite proves the rows, clicks, keys and OK writing the list). The option boxes act on the
// settings at once, and a discarding close puts back their values of the last Apply.
TEST_F(Editor, OpensWithApplyOffAndApplyTakesTheEditsToTheSettings) {
    Give({"C:\\a.jpg", "C:\\b.jpg"});
    AppSettings().setPreviewFlag(true);
    AppSettings().setDelay(43);
    changes_.pending = true;
    Open();
    // The Wine suite finds the window and the other buttons by their captions.
    const Texts captions = {ed().nameHeading.Caption(), ed().previewBox.Caption(), ed().noWarningsBox.Caption(),
                            ed().cancelButton.Caption(), ed().applyButton.Caption(), ed().resetButton.Caption(),
                            ed().deleteAllButton.Caption()};
    EXPECT_EQ(captions, (Texts{"Image  Spec", "Pre&view", "Do &Not Display Warnings", "&Cancel", "A&pply", "&Reset",
                               "De&lete All"}));
    EXPECT_EQ(ed().previewBox.Value(), 1);
    EXPECT_FALSE(ed().applyButton.Enabled());
    EXPECT_FALSE(changes_.pending);
    ed().nameList.userSelect(1);
    ui().answerMessageBox(tk::vbYes);
    ed().deleteButton.userClick();
    EXPECT_TRUE(ed().applyButton.Enabled());
    EXPECT_TRUE(changes_.pending);
    EXPECT_EQ(AppSettings().pictureCount(), 2);
    LastSlideTime = 0;
    ed().applyButton.userClick();
    EXPECT_EQ(AppSettings().pictureCount(), 1);
    EXPECT_DOUBLE_EQ(LastSlideTime, os.clock.Now() - 43 / 86000.0);
    EXPECT_FALSE(ed().applyButton.Enabled());
    ed().previewBox.userClick();
    ed().noWarningsBox.userClick();
    EXPECT_TRUE(!AppSettings().previewFlag() && AppSettings().displayWarnings());
    ed().cancelButton.userClick();
    EXPECT_FALSE(ed().IsLoaded());
    EXPECT_TRUE(AppSettings().previewFlag() && !AppSettings().displayWarnings());
    EXPECT_EQ(AppSettings().pictureCount(), 1);
    EXPECT_EQ(pictureCount_.Caption(), "1  Picture");
}

TEST_F(Editor, AddUsesThePictureDialogAndAltAReachesIt) {
    Give({"C:\\a.jpg"});
    Open();
    ui().scriptOpenDialog(DialogScript::Failed(0x3002));
    ui().answerMessageBox(tk::vbOK);
    ed().addButton.userClick();
    const auto& error = ui().messageBoxes().at(0);
    EXPECT_EQ(error.prompt + " [" + error.title + "]", "Error selecting a file [Screen Saver]");
    ui().scriptOpenDialog(DialogScript::Cancelled());
    ed().addButton.userClick();
    EXPECT_EQ(ed().nameList.ListCount(), 1) << "a cancelled dialog adds nothing";
    EXPECT_EQ(ui().dialogs().back().FilterIndex, 2);
    EXPECT_EQ(ui().dialogs().back().Filter, "CompuServe GIF (*.gif)|*.gif|JPEF (*.jpg)|*.jpg|Windows Bitmap (*.bmp)|"
                                            "*.bmp|All Supported Files|*.gif;*.jpg;*.bmp|All Files(*.*)|*.*");
    ed().nameList.userSelect(0);
    ed().addButton.SetFocus();
    ui().scriptOpenDialog(DialogScript::PickFile("D:\\new.jpg"));
    ed().userKey('A', tk::vbAltMask);
    EXPECT_EQ(ed().nameList.List(1), "D:\\new.jpg");
    EXPECT_TRUE(ed().nameList.hasFocus());
}

// The list shows a long path shortened (the Wine suite proves the questions quote the list's
// text); the form keeps itself open on a declined close and reads the settings again on Reset.
TEST_F(Editor, ShowsALongPathShortenedAndCloseAndResetFollowTheAnswers) {
    Give({"C:\\a.jpg", "C:\\" + std::string(150, 'y') + "\\album\\beach.jpg"});
    Open();
    const std::string shown = ed().nameList.List(1);
    EXPECT_EQ(shown.rfind("(...)\\", 0), 0u) << shown;
    ed().nameList.userSelect(1);
    ed().upButton.userClick();
    for (int answer : {tk::vbNo, tk::vbYes}) ui().answerMessageBox(answer);
    ed().cancelButton.userClick();
    EXPECT_TRUE(ed().IsLoaded());
    ed().resetButton.userClick();
    EXPECT_EQ(ed().nameList.List(1), shown);
    EXPECT_EQ(ed().optionLists(2).ListCount(), 2) << "the columns follow the names";
}

TEST_F(Editor, ThePreviewShowsTheSelectedSlideAndSaysWhenItCannot) {
    const Texts slides = {"C:\\a", folder_.write("b.bmp", MakeBmp(64, 48)), folder_.write("gone.bmp", MakeBmp(8, 8))};
    Give(slides);
    Open();
    ed().nameList.userSelect(1);
    EXPECT_TRUE(ui().pictureLoads().empty()) << "the preview is off";
    ed().previewBox.userClick();
    EXPECT_EQ(ui().screenPointerChanges(), (std::vector<int>{tk::vbHourglass, tk::vbDefault}));
    ed().optionLists(1).userToggleCheck(1);
    EXPECT_FLOAT_EQ(ed().previewImage.Width(), ed().previewPicture.ScaleWidth()) << "redrawn stretched";
    std::filesystem::remove(slides[2]);
    ed().nameList.userSelect(2);
    EXPECT_FALSE(ed().previewImage.Visible());
    EXPECT_EQ(ui().textsOn(ed().previewPicture), Texts{"Cannot load picture"});
}

// The option columns follow the name list's scrolling, the user's and the commands'.
TEST_F(Editor, ColumnsStayLevelWithTheNames) {
    Give(Texts(40, "C:\\s.jpg"));
    Open();
    ed().nameList.userScroll(20);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(ed().optionLists(k).TopIndex(), 20) << k;
    ed().nameList.userSelect(20 + ed().nameList.visibleRows() - 1);
    ed().downButton.userClick();
    EXPECT_EQ(ed().nameList.TopIndex(), 21);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(ed().optionLists(k).TopIndex(), 21) << k;
}

TEST(NaturalNameOrder, CountsDigitRunsByValueIgnoresCaseAndIsTotal) {
    Texts names = {"img10.jpg", "IMG2.jpg", "b", "img1.jpg", "img02.jpg", "img.jpg", "a10b", "a2b", "img2.jpg",
                   "x100000000000000000000", "x99999999999999999999", "Zeta", "alpha"};
    std::sort(names.begin(), names.end(), [](const auto& a, const auto& b) { return ui::NaturalNameLess(a, b); });
    EXPECT_EQ(names, (Texts{"a2b", "a10b", "alpha", "b", "img.jpg", "img1.jpg", "IMG2.jpg", "img02.jpg", "img2.jpg",
                            "img10.jpg", "x99999999999999999999", "x100000000000000000000", "Zeta"}));
    EXPECT_FALSE(ui::NaturalNameLess("img2", "img2"));
}

} // namespace
} // namespace qs::test
