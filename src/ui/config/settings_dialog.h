// SettingsDialog: the settings dialog. It edits a working copy of the settings (the
// delay, the slide order and the background colour here, the slides and the editor's
// options through the editor it opens), shows the working copy's slide show inside a
// picture of a monitor, and opens the editor and the about box. OK saves the working
// copy to the settings file and closes; a save that fails is reported and the dialog
// stays open. Every other way of closing writes nothing.
//
// The window and its controls are laid out in settings_dialog.cpp; the handlers, thin
// calls into SettingsDialogModel (the delay mapping and the unconfirmed changes), live
// in settings_dialog_handlers.cpp.
#pragma once

#include <cstdint>

#include "render/slide_show.h"
#include "settings/settings.h"
#include "settings/settings_file.h"
#include "toolkit/controls.h"
#include "toolkit/form.h"
#include "ui/config/settings_dialog_model.h"
#include "ui/editor/slide_show_editor_owner.h"

namespace qs::ui {

class SettingsDialog : public tk::Form, private SlideShowEditorOwner {
public:
    // Opens on `settings` as read from `file`, which OK saves to; the file outlives the dialog.
    SettingsDialog(SettingsFile& file, Settings settings);
    ~SettingsDialog() override;

    // --- controls, containers before their children ---
    tk::Frame colourFrame;
    tk::PictureBox colourSwatch;
    tk::CommandButton colourButton;
    tk::Frame showFrame;
    tk::CheckBox randomOrderBox;
    tk::Label delayLabel;
    tk::TextBox delayBox;
    tk::VScrollBar delaySpin;
    tk::Label pictureCountLabel;
    tk::CommandButton editSlidesButton;
    tk::PictureBox monitor;
    tk::PictureBox monitorScreen;
    tk::Image monitorPicture;
    tk::Timer previewTimer;
    tk::CommandButton okButton;
    tk::CommandButton cancelButton;
    tk::CommandButton aboutButton;
    tk::CommonDialog colourDialog;

    // --- handlers ---
    void previewTimer_Tick();
    void randomOrderBox_Click();
    void delaySpin_Change();
    void delayBox_Change();
    void delayBox_KeyPress(std::int16_t& keyAscii);
    void delayBox_GotFocus();
    void colourButton_Click();
    void editSlidesButton_Click();
    void aboutButton_Click();
    void okButton_Click();
    void cancelButton_Click();

protected:
    void Form_Load() override;
    void Form_QueryUnload(bool& cancel, tk::CloseReason reason) override;

private:
    // --- SlideShowEditorOwner ---
    void applySlides(const std::vector<Slide>& slides) override;
    void setEditorOptions(bool showPreview, bool hideWarnings) override;

    SettingsFile& file_;
    Settings working_;
    SettingsDialogModel model_;
    SlideShow show_;
};

} // namespace qs::ui
