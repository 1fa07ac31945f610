// The "Show Options" dialog: its rows, laid out top to bottom in twips, and its handlers.
#include "ui/options/show_options_dialog.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "settings/settings_text.h"

namespace qs::ui {
namespace {

struct ShowOptionRow {
    bool ShowOptions::*option;
    const char* caption;
    const char* note; // the grey line below the box; null for none
    bool needsRandomOrder = false;
    std::int32_t ShowOptions::*lengthMs = nullptr; // a length chosen beside the box; null for none
};

constexpr ShowOptionRow kShowOptionRows[] = {
    {&ShowOptions::folderEntries, "Show the pictures of folders in the list",
     "A slide may name a folder: every picture in it and its subfolders."},
    {&ShowOptions::shuffle, "Shuffle: every picture once before any repeats",
     "With Random order only. Never the same picture twice in a row.", true},
    {&ShowOptions::allFormats, "Open every picture format Windows can decode",
     "HEIC, WebP, AVIF, camera RAW: where Windows has the codecs."},
    {&ShowOptions::steeringKeys, "Arrow keys and Space control the show",
     "Right and Left step, Space pauses; any other key still ends the show."},
    {&ShowOptions::everyMonitor, "Show on every monitor",
     "Each monitor shows slides of its own; without it, the background colour."},
    {&ShowOptions::captionName, "Caption: the file name", "In the bottom left corner of each picture."},
    {&ShowOptions::captionDate, "Caption: the date taken",
     "When the camera took it, else when the file last changed."},
    {&ShowOptions::fade, "Fade between slides", "Each new slide fades in over the one before it.",
     false, &ShowOptions::fadeMs},
    {&ShowOptions::panZoom, "Pan and zoom", "Each picture drifts slowly across the screen, zooming in or out."},
};
constexpr int kRowCount = static_cast<int>(std::size(kShowOptionRows));

// Twips, as every dialog of the program.
constexpr float kMargin = 240, kWidth = 6240;
constexpr float kBoxHeight = 255, kNoteHeight = 195, kNoteIndent = 255, kRowGap = 165;
constexpr float kButtonWidth = 975, kButtonHeight = 375, kButtonGap = 120;
// A row with a length: a shorter box, the length and its arrows (as tall as the delay's).
constexpr float kLengthBoxWidth = 2400, kLengthWidth = 660, kSpinWidth = 255, kSpinHeight = 345;
constexpr tk::Color kNoteGrey = tk::SystemColor(17); // COLOR_GRAYTEXT
// The arrows step by half a second; value 1 (the top) is the longest length.
constexpr std::int32_t kLengthStepMs = 500, kLengthSteps = kMaxFadeMs / kLengthStepMs;

float LineHeight(const ShowOptionRow& row) { return row.lengthMs ? kSpinHeight : kBoxHeight; }
float RowHeight(const ShowOptionRow& row) { return LineHeight(row) + (row.note ? kNoteHeight : 0) + kRowGap; }

int SpinValue(std::int32_t lengthMs) {
    const auto steps = static_cast<int>(std::lround(static_cast<double>(lengthMs) / kLengthStepMs));
    return std::clamp(kLengthSteps + 1 - steps, 1, kLengthSteps);
}

float ButtonsTop() {
    float top = kMargin;
    for (const ShowOptionRow& row : kShowOptionRows) top += RowHeight(row);
    return top;
}

} // namespace

ShowOptionsDialog::ShowOptionsDialog(const ShowOptions& options, bool randomOrder)
    : tk::Form({.border = tk::BorderStyle::FixedDialog,
                .caption = kCaption,
                .clientWidth = kWidth,
                .clientHeight = ButtonsTop() + kButtonHeight + kMargin,
                .minButton = false,
                .maxButton = false,
                .inTaskbar = false,
                .centred = true}),
      okButton(*this, {.bounds = {kWidth - kMargin - 2 * kButtonWidth - kButtonGap, ButtonsTop(), kButtonWidth,
                                  kButtonHeight},
                       .caption = "OK",
                       .isDefault = true}),
      cancelButton(*this, {.bounds = {kWidth - kMargin - kButtonWidth, ButtonsTop(), kButtonWidth, kButtonHeight},
                           .caption = "Cancel",
                           .isCancel = true}),
      options_(options), randomOrder_(randomOrder) {
    float top = kMargin;
    for (const ShowOptionRow& row : kShowOptionRows) {
        const float boxTop = top + (LineHeight(row) - kBoxHeight) / 2;
        const float boxWidth = row.lengthMs ? kLengthBoxWidth : kWidth - 2 * kMargin;
        optionBoxes.push_back(std::make_unique<tk::CheckBox>(
            *this, tk::CaptionArgs{.bounds = {kMargin, boxTop, boxWidth, kBoxHeight}, .caption = row.caption}));
        if (row.lengthMs) {
            lengthRow_ = static_cast<int>(optionBoxes.size()) - 1;
            const float left = kMargin + kLengthBoxWidth;
            lengthLabel = std::make_unique<tk::Label>(
                *this, tk::LabelArgs{.bounds = {left, boxTop + 30, kLengthWidth, kBoxHeight}});
            lengthSpin = std::make_unique<tk::ScrollBar>(
                *this, tk::ScrollBarArgs{.bounds = {left + kLengthWidth, top, kSpinWidth, kSpinHeight},
                                         .min = 1,
                                         .max = kLengthSteps,
                                         .value = kLengthSteps});
        }
        if (row.note) {
            tk::Label& note = *noteLabels.emplace_back(std::make_unique<tk::Label>(
                *this, tk::LabelArgs{.bounds = {kMargin + kNoteIndent, top + LineHeight(row),
                                                kWidth - 2 * kMargin - kNoteIndent, kNoteHeight},
                                     .caption = row.note}));
            note.setForeColor(kNoteGrey);
        }
        top += RowHeight(row);
    }
    // The buttons were made first, to be placed below the rows; the tab goes through the
    // rows before them.
    okButton.setTabIndex(1);
    cancelButton.setTabIndex(2);
    bindHandlers();
}

ShowOptionsDialog::~ShowOptionsDialog() = default;

void ShowOptionsDialog::bindHandlers() {
    okButton.onClick = [this] { takeAndClose(); };
    cancelButton.onClick = [this] { close(); };
    if (lengthRow_ < 0) return;
    optionBoxes[lengthRow_]->onClick = [this] { enableLength(); };
    lengthSpin->onChange = [this] { followLengthSpin(); };
}

void ShowOptionsDialog::onLoad() {
    for (int i = 0; i < kRowCount; ++i) {
        const ShowOptionRow& row = kShowOptionRows[i];
        optionBoxes[i]->setChecked(options_.*row.option);
        optionBoxes[i]->setEnabled(!row.needsRandomOrder || randomOrder_);
    }
    if (lengthRow_ < 0) return;
    // A length from the file off the half-second steps shows as it is until an arrow moves it.
    lengthMs_ = options_.*kShowOptionRows[lengthRow_].lengthMs;
    lengthSpin->setValue(SpinValue(lengthMs_));
    lengthLabel->setCaption(SecondsText(lengthMs_) + " s");
    enableLength();
}

void ShowOptionsDialog::followLengthSpin() {
    lengthMs_ = (kLengthSteps + 1 - lengthSpin->value()) * kLengthStepMs;
    lengthLabel->setCaption(SecondsText(lengthMs_) + " s");
}

void ShowOptionsDialog::enableLength() {
    const bool on = optionBoxes[lengthRow_]->checked();
    lengthLabel->setEnabled(on);
    lengthSpin->setEnabled(on);
}

void ShowOptionsDialog::takeAndClose() {
    ShowOptions chosen = options_;
    for (int i = 0; i < kRowCount; ++i) chosen.*kShowOptionRows[i].option = optionBoxes[i]->checked();
    if (lengthRow_ >= 0) chosen.*kShowOptionRows[lengthRow_].lengthMs = lengthMs_;
    chosen_ = chosen;
    close();
}

} // namespace qs::ui
