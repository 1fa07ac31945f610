// EditorTest: one slide-show editor over a fresh headless toolkit, fresh services and
// a settings object filled by the test. The user's side is scripted: message-box
// answers, the file chosen in the open dialog, clicks and keys on the controls.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/controls.h"
#include "toolkit/form.h"
#include "ui/editor/edit_slide_show.h"

namespace qs::test {

struct SlideSpec {
    std::string path;
    bool center = false;
    bool hStretch = false;
    bool vStretch = false;
    bool operator==(const SlideSpec&) const = default;
};
void PrintTo(const SlideSpec& s, std::ostream* os);

struct AskedBox {
    std::string prompt;
    int flags = 0;
    std::string title;
};

using Options = std::array<bool, 3>;

class EditorTest : public ::testing::Test {
protected:
    EditorTest();
    ~EditorTest() override;
    // A question the test did not answer is one it did not expect.
    void TearDown() override;

    // --- the settings object before the editor opens ---
    void GiveSlides(const std::vector<SlideSpec>& slides);
    // n slides named <dir>\slideK.bmp (K from 1), Center on the odd ones.
    std::vector<SlideSpec> NumberedSlides(int n) const;
    std::vector<SlideSpec> SettingsSlides() const;

    // --- the editor ---
    ui::EditSlideShow& Open();
    ui::EditSlideShow& ed() { return *editor_; }
    bool EditorOpen() const;
    // Closes the way the user does: a click on OK / Cancel / the close box.
    void ClickOK();
    void ClickCancel();

    // --- what the user sees ---
    std::vector<std::string> RowTexts();
    std::vector<std::string> RowPaths();
    std::vector<Options> RowOptions();
    int Selected() { return ed().FileNameList.ListIndex(); }

    // Texts printed on the preview surface since it was last cleared.
    std::vector<std::string> PrintedOnPreview();
    // How many picture files were opened, and every screen pointer shape set, so far.
    int PictureLoads() const;
    const std::vector<int>& PointerChanges() const;

    // --- the user's side of dialogs ---
    // Answers for the next message boxes, in order; a box asked with no answer left
    // is answered vbNo and counted as unexpected.
    void Answer(std::initializer_list<int> answers);
    std::vector<AskedBox> Asked() const;
    int UnansweredBoxes() const;
    void ChooseFile(const std::string& path);
    void CancelFileDialog();
    void FailFileDialog(int error);
    int FileDialogsShown() const;

    // --- picture files ---
    // A real bitmap of w x h pixels in the test's folder; returns its full path.
    std::string MakePicture(const std::string& name, int w, int h);
    // A path in the test's folder with no file behind it.
    std::string MissingPicture(const std::string& name) const;

    // --- input ---
    void Select(int row) { ed().FileNameList.userSelect(row); }
    void ClickCheck(int column, int row) { ed().CheckList(column).userToggleCheck(row); }
    void ClickCommand(int index) { ed().UpDownAddDel(index).userClick(); }
    bool Key(std::int16_t keyCode, std::int16_t shift) { return ed().userKey(keyCode, shift); }

    // The settings dialog's picture-count label that the editor rewrites on closing.
    tk::Label& pictureCountLabel();

    std::filesystem::path dir_;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    std::unique_ptr<ui::EditSlideShow> editor_;
};

// Column indices of the option lists and of the command buttons.
constexpr int kCenter = 0, kHStretch = 1, kVStretch = 2;
constexpr int kAdd = 0, kDelete = 1, kUp = 2, kDown = 3, kDeleteAll = 4;

} // namespace qs::test
