// SettingsDialog: the settings dialog. It edits the delay, the slide order and the
// background colour straight in AppSettings, shows the running slide show inside a
// picture of a monitor, and opens the editor and the about box. Whether its changes
// reach the settings file is decided by DiscardSettings, which it sets on opening and
// clears only on OK.
//
// The window and its controls are laid out in settings_dialog.cpp; the handlers, thin
// calls into SettingsDialogModel (the delay mapping and the unconfirmed changes), live
// in settings_dialog_handlers.cpp.
#pragma once

#include <cstdint>

#include "render/next_slide.h"
#include "toolkit/controls.h"
#include "toolkit/form.h"
#include "ui/config/settings_dialog_model.h"

namespace qs::ui {

class SettingsDialog : public tk::Form {
public:
    SettingsDialog();
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
    SettingsDialogModel model_;
    ShowState show_;
};

} // namespace qs::ui
