// The settings dialog's window and controls, at their design positions in twips
// (relative to their containers), and the binding of each control event to its handler.
#include "ui/config/settings_dialog.h"

#include <utility>

#include "toolkit/picture.h"

namespace qs::ui {

namespace {
constexpr float kClientWidth = 7335;
constexpr float kClientHeight = 3945;
constexpr int kPreviewIntervalMs = 100;
using Model = SettingsDialogModel;
} // namespace

SettingsDialog::SettingsDialog(SettingsFile& file, Settings settings)
    : tk::Form("SettingsDialog"),
      // "Backgroung" is the caption's own spelling, kept as users have always seen it.
      colourFrame(*this, "colourFrame", "Backgroung Color", 240, 240, 3495, 975),
      colourSwatch(colourFrame, "colourSwatch", 240, 360, 1575, 300, tk::BorderStyle::FixedSingle),
      colourButton(colourFrame, "colourButton", "Select...", 2040, 360, 1215, 375),
      showFrame(*this, "showFrame", "Slide Display", 240, 1440, 3495, 1575),
      randomOrderBox(showFrame, "randomOrderBox", "Random order", 240, 360, 1575, 375),
      delayLabel(showFrame, "delayLabel", "Delay (sec)", 1920, 360, 495, 495),
      delayBox(showFrame, "delayBox", "60", 2400, 360, 495, 345),
      delaySpin(showFrame, "delaySpin", 2880, 360, 255, 345, Model::kSpinMin, Model::kSpinMax,
                Model::kSpinDesignValue),
      pictureCountLabel(showFrame, "pictureCountLabel", "", 360, 1080, 1455, 375),
      editSlidesButton(showFrame, "editSlidesButton", "&Edit Slides...", 2040, 1080, 1215, 375),
      monitor(*this, "monitor", 4200, 360, 2895, 2655),
      monitorScreen(monitor, "monitorScreen", 270, 270, 2290, 1680),
      monitorPicture(monitorScreen, "monitorPicture", 240, 240, 855, 855),
      previewTimer(*this, "previewTimer", kPreviewIntervalMs, true),
      okButton(*this, "okButton", "&OK", 3960, 3360, 960, 375),
      cancelButton(*this, "cancelButton", "&Cancel", 5040, 3360, 975, 375),
      aboutButton(*this, "aboutButton", "&About...", 6240, 3360, 975, 375),
      colourDialog(*this, "colourDialog"),
      file_(file),
      working_(std::move(settings)),
      show_(working_, *this, monitorScreen, monitorPicture) {
    setCaption("Quillo Screen Saver Settings");
    setBorderStyle(tk::BorderStyle::FixedDialog);
    setMinButton(false);
    setMaxButton(false);
    setStartUpPosition(tk::StartUpPosition::CenterScreen);
    setClientSize(kClientWidth, kClientHeight);

    monitor.setPicture(tk::ResourcePicture("MONITOR"));
    // The swatch and the monitor are pictures, not stops on the way through the dialog.
    colourSwatch.setTabStop(false);
    monitor.setTabStop(false);
    monitorScreen.setTabStop(false);
    okButton.setDefault(true);

    previewTimer.Tick = [this] { previewTimer_Tick(); };
    randomOrderBox.Click = [this] { randomOrderBox_Click(); };
    delaySpin.Change = [this] { delaySpin_Change(); };
    delayBox.Change = [this] { delayBox_Change(); };
    delayBox.KeyPress = [this](std::int16_t& keyAscii) { delayBox_KeyPress(keyAscii); };
    delayBox.GotFocus = [this] { delayBox_GotFocus(); };
    colourButton.Click = [this] { colourButton_Click(); };
    editSlidesButton.Click = [this] { editSlidesButton_Click(); };
    aboutButton.Click = [this] { aboutButton_Click(); };
    okButton.Click = [this] { okButton_Click(); };
    cancelButton.Click = [this] { cancelButton_Click(); };
}

SettingsDialog::~SettingsDialog() = default;

} // namespace qs::ui
