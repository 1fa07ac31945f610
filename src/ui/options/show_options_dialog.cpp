// The "Show Options" dialog: its rows, laid out top to bottom in twips, and its handlers.
#include "ui/options/show_options_dialog.h"

#include <iterator>

namespace qs::ui {
namespace {

struct ShowOptionRow {
    bool ShowOptions::*option;
    const char* caption;
    const char* note; // the grey line below the box; null for none
    bool needsRandomOrder = false;
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
};
constexpr int kRowCount = static_cast<int>(std::size(kShowOptionRows));

// Twips, as every dialog of the program.
constexpr float kMargin = 240, kWidth = 6240;
constexpr float kBoxHeight = 255, kNoteHeight = 195, kNoteIndent = 255, kRowGap = 165;
constexpr float kButtonWidth = 975, kButtonHeight = 375, kButtonGap = 120;
constexpr tk::Color kNoteGrey = tk::SystemColor(17); // COLOR_GRAYTEXT

float RowHeight(const ShowOptionRow& row) { return kBoxHeight + (row.note ? kNoteHeight : 0) + kRowGap; }

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
        optionBoxes.push_back(std::make_unique<tk::CheckBox>(
            *this, tk::CaptionArgs{.bounds = {kMargin, top, kWidth - 2 * kMargin, kBoxHeight}, .caption = row.caption}));
        if (row.note) {
            tk::Label& note = *noteLabels.emplace_back(std::make_unique<tk::Label>(
                *this, tk::LabelArgs{.bounds = {kMargin + kNoteIndent, top + kBoxHeight,
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
}

void ShowOptionsDialog::onLoad() {
    for (int i = 0; i < kRowCount; ++i) {
        const ShowOptionRow& row = kShowOptionRows[i];
        optionBoxes[i]->setChecked(options_.*row.option);
        optionBoxes[i]->setEnabled(!row.needsRandomOrder || randomOrder_);
    }
}

void ShowOptionsDialog::takeAndClose() {
    ShowOptions chosen = options_;
    for (int i = 0; i < kRowCount; ++i) chosen.*kShowOptionRows[i].option = optionBoxes[i]->checked();
    chosen_ = chosen;
    close();
}

} // namespace qs::ui
