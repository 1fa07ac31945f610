// The settings dialog's handlers. Each option changes the working copy and marks a change;
// OK saves the working copy; every way of closing asks before changes are thrown away.
#include <string>

#include "settings/settings_text.h"
#include "toolkit/application.h"
#include "ui/about/about_box.h"
#include "ui/config/settings_dialog.h"
#include "ui/editor/slide_show_editor.h"

namespace qs::ui {

namespace {
constexpr const char* kTitle = "Screen Saver";
} // namespace

// The controls show the working copy; filling them is no change of the user's.
void SettingsDialog::Form_Load() {
    monitor.setBackColor(BackColor());
    colourSwatch.setBackColor(working_.backgroundColor);
    // The monitor's screen is in the show's colour from its first paint, before the first tick.
    monitorScreen.setBackColor(working_.backgroundColor);
    randomOrderBox.setValue(working_.randomOrder ? 1 : 0);
    const SettingsDialogModel::DelayStart start = model_.open(working_.delaySeconds);
    delayBox.setText(start.text);
    delaySpin.setValue(start.spinValue);
    // The first tick of the preview already finds a slide due; the monitor's slides are
    // decoded at its size, off the user-interface thread.
    show_.start();
    pictureCountLabel.setCaption(SettingsDialogModel::pictureCountCaption(working_.pictureCount()));
}

void SettingsDialog::previewTimer_Tick() {
    show_.nextSlide();
}

void SettingsDialog::randomOrderBox_Click() {
    working_.randomOrder = randomOrderBox.Value() == 1;
    model_.markChanged();
}

// The delay text follows the bar; a new text is taken as the user's change of the delay.
void SettingsDialog::delaySpin_Change() {
    if (auto text = model_.spinMoved(delaySpin.Value()); text && *text != delayBox.Text()) {
        delayBox.setText(*text);
        delayBox_Change();
    }
}

void SettingsDialog::delayBox_Change() {
    // Text that holds no number, or none that fits, stores 0, as an empty text would.
    working_.delaySeconds = RoundToInt32(LeadingNumber(delayBox.Text()).value_or(0)).value_or(0);
    model_.markChanged();
}

// The delay changes through the arrows only: the box takes no keystrokes ...
void SettingsDialog::delayBox_KeyPress(std::int16_t& keyAscii) {
    keyAscii = 0;
}

// ... and never keeps the focus.
void SettingsDialog::delayBox_GotFocus() {
    okButton.SetFocus();
}

void SettingsDialog::colourButton_Click() {
    colourDialog.CancelError = true;
    if (colourDialog.ShowColor() != 0) return; // cancelled or failed: nothing changes
    working_.backgroundColor = colourDialog.Color;
    colourSwatch.setBackColor(colourDialog.Color);
    model_.markChanged();
}

void SettingsDialog::editSlidesButton_Click() {
    // The editor shares the dialog's unconfirmed changes and hands back its list and options.
    SlideShowEditor editor(working_, *this, model_.unconfirmedChanges());
    editor.Show(true, this);
    const std::int32_t count = working_.pictureCount();
    // Two blanks before the word: the editor's own text, not the settings dialog's.
    pictureCountLabel.setCaption(std::to_string(count) + (count == 1 ? "  Picture" : "  Pictures"));
}

void SettingsDialog::applySlides(const std::vector<Slide>& slides) {
    working_.replaceSlides(slides);
    // The monitor, running behind the editor, shows the next slide of the new list at its next tick.
    show_.makeNextSlideDue();
}

void SettingsDialog::setEditorOptions(bool showPreview, bool hideWarnings) {
    working_.showPreview = showPreview;
    working_.hideWarnings = hideWarnings;
}

void SettingsDialog::aboutButton_Click() {
    AboutBox about;
    about.Show(true, this);
}

void SettingsDialog::okButton_Click() {
    if (const SaveResult saved = file_.save(working_, SaveRule::Confirmed); !saved) {
        // The user's changes stay in the dialog, to try again or to give up with Cancel.
        tk::MsgBox("The settings could not be saved to " + saved.path + ":\n" + saved.reason(),
                   tk::vbOKOnly + tk::vbExclamation, kTitle, this);
        return;
    }
    model_.confirm();
    Unload();
}

void SettingsDialog::cancelButton_Click() {
    Unload();
}

void SettingsDialog::Form_QueryUnload(bool& cancel, tk::CloseReason) {
    if (!model_.mustAskBeforeClosing()) return;
    const int answer =
        tk::MsgBox("Do you want to ignore all changes and exit?", tk::vbYesNo + tk::vbQuestion, kTitle, this);
    if (answer != tk::vbYes) cancel = true;
}

} // namespace qs::ui
