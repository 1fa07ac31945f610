// The settings dialog's handlers. Each option changes the working copy and marks a change;
// OK saves the working copy; every way of closing asks before changes are thrown away.
#include <optional>
#include <string>

#include "settings/settings_text.h"
#include "toolkit/dialogs.h"
#include "ui/about/about_box.h"
#include "ui/config/settings_dialog.h"
#include "ui/editor/slide_show_editor.h"
#include "ui/options/show_options_dialog.h"

namespace qs::ui {

namespace {
constexpr const char* kTitle = "Screen Saver";
} // namespace

// The controls show the working copy; filling them is no change of the user's.
void SettingsDialog::onLoad() {
    monitor.setBackColor(backColor());
    colourSwatch.setBackColor(working_.backgroundColor);
    // The monitor's screen is in the show's colour from its first paint, before the first tick.
    monitorScreen.setBackColor(working_.backgroundColor);
    randomOrderBox.setChecked(working_.randomOrder);
    const SettingsDialogModel::DelayStart start = model_.open(working_.delaySeconds);
    delayBox.setText(start.text);
    delaySpin.setValue(start.spinValue);
    // The first tick of the preview already finds a slide due; the monitor's slides are
    // decoded at its size, off the user-interface thread.
    show_.start();
    pictureCountLabel.setCaption(SettingsDialogModel::pictureCountCaption(working_.pictureCount()));
}

void SettingsDialog::takeRandomOrder() {
    working_.randomOrder = randomOrderBox.checked();
    model_.markChanged();
}

// A new text is taken as the user's own change of the delay.
void SettingsDialog::followDelaySpin() {
    if (auto text = model_.spinMoved(delaySpin.value()); text && *text != delayBox.text()) {
        delayBox.setText(*text);
        takeDelayText();
    }
}

void SettingsDialog::takeDelayText() {
    // Text that holds no number, or none that fits, stores 0, as an empty text would.
    working_.delaySeconds = RoundToInt32(LeadingNumber(delayBox.text()).value_or(0)).value_or(0);
    model_.markChanged();
}

void SettingsDialog::skipDelayBox() {
    okButton.setFocus();
}

void SettingsDialog::chooseBackgroundColour() {
    const std::optional<tk::Color> chosen = tk::ChooseColor(this);
    if (!chosen) return; // cancelled or failed: nothing changes
    working_.backgroundColor = *chosen;
    colourSwatch.setBackColor(*chosen);
    model_.markChanged();
}

void SettingsDialog::editSlides() {
    // The editor shares the dialog's unconfirmed changes and hands back its list and options.
    SlideShowEditor editor(working_, *this, model_.unconfirmedChanges());
    editor.showModal(this);
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

void SettingsDialog::showAbout() {
    AboutBox about;
    about.showModal(this);
}

// OK in the options dialog hands its options back: a change, as any other, until OK here.
void SettingsDialog::editShowOptions() {
    ShowOptionsDialog dialog(working_.options, working_.randomOrder);
    dialog.showModal(this);
    if (!dialog.chosen() || *dialog.chosen() == working_.options) return;
    working_.options = *dialog.chosen();
    model_.markChanged();
}

void SettingsDialog::saveAndClose() {
    if (const SaveResult saved = file_.save(working_, SaveRule::Confirmed); !saved) {
        // The user's changes stay in the dialog, to try again or to give up with Cancel.
        tk::ShowError("The settings could not be saved to " + saved.path + ":\n" + saved.reason(), kTitle, this);
        return;
    }
    model_.confirm();
    close();
}

bool SettingsDialog::onClosing(tk::CloseReason) {
    return !model_.mustAskBeforeClosing() ||
           tk::AskYesNo("Do you want to ignore all changes and exit?", kTitle, this);
}

} // namespace qs::ui
