// SettingsDialog: the settings dialog. It edits a working copy of the settings (the
// delay, the slide order and the background colour here, the slides and the editor's
// options through the editor it opens, the show's further options through the "Show
// Options" dialog), shows the working copy's slide show inside a
// picture of a monitor, and opens the editor and the about box. OK saves the working
// copy to the settings file and closes; a save that fails is reported and the dialog
// stays open. Every other way of closing writes nothing.
//
// The window and its controls are laid out in settings_dialog.cpp, where the controls'
// events are bound; the handlers, thin calls into SettingsDialogModel (the delay mapping
// and the unconfirmed changes), live in settings_dialog_handlers.cpp.
#pragma once

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
    tk::GroupBox colourGroup;
    tk::PictureBox colourSwatch;
    tk::Button colourButton;
    tk::GroupBox showGroup;
    tk::CheckBox randomOrderBox;
    tk::Label delayLabel;
    tk::TextBox delayBox;
    tk::ScrollBar delaySpin;
    tk::Label pictureCountLabel;
    tk::Button editSlidesButton;
    tk::PictureBox monitor;
    tk::PictureBox monitorScreen;
    tk::Image monitorPicture;
    tk::Timer previewTimer;
    tk::Button okButton;
    tk::Button cancelButton;
    tk::Button aboutButton;
    tk::Button optionsButton;

protected:
    void onLoad() override;
    // Asks before unconfirmed changes are thrown away.
    bool onClosing(tk::CloseReason reason) override;

private:
    void bindHandlers();
    // --- handlers ---
    void takeRandomOrder();
    // The delay text follows the bar, and the delay the text.
    void followDelaySpin();
    void takeDelayText();
    void skipDelayBox();
    void chooseBackgroundColour();
    void editSlides();
    void showAbout();
    void editShowOptions();
    void saveAndClose();

    // --- SlideShowEditorOwner ---
    void applySlides(const std::vector<Slide>& slides) override;
    void setEditorOptions(bool showPreview, bool hideWarnings) override;

    SettingsFile& file_;
    Settings working_;
    SettingsDialogModel model_;
    SlideShow show_;
};

} // namespace qs::ui
