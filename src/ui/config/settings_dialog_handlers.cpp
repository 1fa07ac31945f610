// The settings dialog's handlers. Opening arms DiscardSettings so that nothing reaches
// the settings file unless OK clears it; each option writes straight into AppSettings
// and marks a change; every way of closing asks before changes are thrown away.
#include "platform/services.h"
#include "render/next_slide.h"
#include "render/slide_schedule.h"
#include "settings/app_settings.h"
#include "settings/settings_text.h"
#include "settings/shared_state.h"
#include "toolkit/application.h"
#include "ui/about/about_box.h"
#include "ui/config/settings_dialog.h"
#include "ui/editor/slide_show_editor.h"

namespace qs::ui {

void SettingsDialog::Form_Load() {
    DiscardSettings = true;
    monitor.setBackColor(BackColor());
    colourSwatch.setBackColor(AppSettings().bgColor());
    // The monitor's screen is in the show's colour from its first paint, before the first tick.
    monitorScreen.setBackColor(AppSettings().bgColor());
    randomOrderBox.setValue(AppSettings().randomDisplay() ? 1 : 0);
    const std::int32_t delay = AppSettings().delay();
    const SettingsDialogModel::DelayStart start = model_.open(delay);
    delayBox.setText(start.text);
    delaySpin.setValue(start.spinValue);
    // The first tick of the preview already finds a slide due.
    MakeNextSlideDue(delay);
    // The monitor's slides are decoded at its size, off the user-interface thread.
    PrepareSlidesAhead(show_, monitorScreen);
    pictureCountLabel.setCaption(SettingsDialogModel::pictureCountCaption(AppSettings().pictureCount()));
    model_.finishOpening();
}

void SettingsDialog::previewTimer_Tick() {
    NextSlide(show_, *this, monitorScreen, monitorPicture);
}

void SettingsDialog::randomOrderBox_Click() {
    AppSettings().setRandomDisplay(randomOrderBox.Value() == 1);
    model_.markChanged();
}

void SettingsDialog::delaySpin_Change() {
    if (auto text = model_.spinMoved(delaySpin.Value())) delayBox.setText(*text);
}

void SettingsDialog::delayBox_Change() {
    // Text that holds no number, or none that fits, stores 0, as an empty text would.
    AppSettings().setDelay(RoundToInt32(LeadingNumber(delayBox.Text()).value_or(0)).value_or(0));
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
    AppSettings().setBgColor(colourDialog.Color);
    colourSwatch.setBackColor(colourDialog.Color);
    model_.markChanged();
}

void SettingsDialog::editSlidesButton_Click() {
    // The editor shares the dialog's unconfirmed changes and rewrites pictureCountLabel
    // when it closes.
    SlideShowEditor editor(model_.unconfirmedChanges(), &pictureCountLabel);
    editor.Show(true, this);
}

void SettingsDialog::aboutButton_Click() {
    AboutBox about;
    about.Show(true, this);
}

void SettingsDialog::okButton_Click() {
    DiscardSettings = false;
    model_.confirm();
    Unload();
}

void SettingsDialog::cancelButton_Click() {
    Unload();
}

void SettingsDialog::Form_QueryUnload(bool& cancel, tk::CloseReason) {
    if (!model_.mustAskBeforeClosing()) return;
    const int answer = tk::MsgBox("Do you want to ignore all changes and exit?", tk::vbYesNo + tk::vbQuestion,
                                  "Screen Saver", this);
    if (answer != tk::vbYes) cancel = true;
}

} // namespace qs::ui
