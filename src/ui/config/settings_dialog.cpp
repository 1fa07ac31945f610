// The settings dialog's window and controls, at their design places in twips (relative to
// their containers), and the binding of each control event to its handler.
#include "ui/config/settings_dialog.h"

#include <utility>

#include "toolkit/picture.h"

namespace qs::ui {

namespace {
constexpr int kPreviewIntervalMs = 100;
using Model = SettingsDialogModel;
} // namespace

SettingsDialog::SettingsDialog(SettingsFile& file, Settings settings)
    : tk::Form({.border = tk::BorderStyle::FixedDialog,
                .caption = "Quillo Screen Saver Settings",
                .clientWidth = 7335,
                .clientHeight = 3945,
                .minButton = false,
                .maxButton = false,
                .centred = true}),
      // "Backgroung" is the caption's own spelling, kept as users have always seen it.
      colourGroup(*this, {.bounds = {240, 240, 3495, 975}, .caption = "Backgroung Color"}),
      colourSwatch(colourGroup, {.bounds = {240, 360, 1575, 300}, .border = true}),
      colourButton(colourGroup, {.bounds = {2040, 360, 1215, 375}, .caption = "Select..."}),
      showGroup(*this, {.bounds = {240, 1440, 3495, 1575}, .caption = "Slide Display"}),
      randomOrderBox(showGroup, {.bounds = {240, 360, 1575, 375}, .caption = "Random order"}),
      delayLabel(showGroup, {.bounds = {1920, 360, 495, 495}, .caption = "Delay (sec)"}),
      delayBox(showGroup, {.bounds = {2400, 360, 495, 345}, .text = "60"}),
      delaySpin(showGroup, {.bounds = {2880, 360, 255, 345},
                            .min = Model::kSpinMin,
                            .max = Model::kSpinMax,
                            .value = Model::kSpinDesignValue}),
      pictureCountLabel(showGroup, {.bounds = {360, 1080, 1455, 375}}),
      editSlidesButton(showGroup, {.bounds = {2040, 1080, 1215, 375}, .caption = "&Edit Slides..."}),
      monitor(*this, {.bounds = {4200, 360, 2895, 2655}}),
      monitorScreen(monitor, {.bounds = {270, 270, 2290, 1680}}),
      monitorPicture(monitorScreen, {.bounds = {240, 240, 855, 855}}),
      previewTimer(*this, {.intervalMs = kPreviewIntervalMs}),
      okButton(*this, {.bounds = {3960, 3360, 960, 375}, .caption = "&OK", .isDefault = true}),
      cancelButton(*this, {.bounds = {5040, 3360, 975, 375}, .caption = "&Cancel"}),
      aboutButton(*this, {.bounds = {6240, 3360, 975, 375}, .caption = "&About..."}),
      // Added after the design's controls, at the left end of their bottom row; its access
      // letter is P, as Alt+O presses OK.
      optionsButton(*this, {.bounds = {240, 3360, 1215, 375}, .caption = "O&ptions..."}),
      file_(file),
      working_(std::move(settings)),
      show_(working_, *this, monitorScreen, monitorPicture) {
    monitor.setPicture(tk::ResourcePicture("MONITOR"));
    bindHandlers();
}

SettingsDialog::~SettingsDialog() = default;

void SettingsDialog::bindHandlers() {
    previewTimer.onTick = [this] { show_.nextSlide(); };
    randomOrderBox.onClick = [this] { takeRandomOrder(); };
    delaySpin.onChange = [this] { followDelaySpin(); };
    // The delay changes through the arrows only: the box takes no keystrokes ...
    delayBox.onKeyPress = [](char) { return false; };
    // ... and never keeps the focus.
    delayBox.onFocus = [this] { skipDelayBox(); };
    colourButton.onClick = [this] { chooseBackgroundColour(); };
    editSlidesButton.onClick = [this] { editSlides(); };
    aboutButton.onClick = [this] { showAbout(); };
    optionsButton.onClick = [this] { editShowOptions(); };
    okButton.onClick = [this] { saveAndClose(); };
    cancelButton.onClick = [this] { close(); };
}

} // namespace qs::ui
