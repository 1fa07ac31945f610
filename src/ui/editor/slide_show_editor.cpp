// The editor dialog: its controls and their design places, the handler wiring, and the
// form events Load, QueryUnload, Unload and KeyDown.
#include "ui/editor/slide_show_editor.h"

#include <cmath>
#include <initializer_list>
#include <string>

#include "platform/services.h"
#include "toolkit/application.h"

namespace qs::ui {
namespace {

// The pieces of the column headings that carry an Alt-key letter are underlined;
// everything else keeps the dialog's font.
tk::FontSpec AccessLetterFont() {
    tk::FontSpec font;
    font.Name = "MS Sans Serif";
    font.Size = 8.25;
    font.Underline = true;
    return font;
}

} // namespace

SlideShowEditor::SlideShowEditor(const Settings& settings, SlideShowEditorOwner& owner, UnconfirmedChanges& changes)
    : tk::Form("SlideShowEditor"),
      listArea(*this, "listArea", 120, 120, 6135, 3375, tk::BorderStyle::None),
      nameHeading(listArea, "nameHeading", "Image  Spec", 0, 120, 1455, 255),
      positionLabel(listArea, "positionLabel", "", 1320, 120, 1095, 255),
      nameList(listArea, "nameList", 0, 480, 6135, 2535, true),
      nameCheckCover(listArea, "nameCheckCover", 15, 495, 255, 2160, tk::BorderStyle::None),
      fullNameLabel(listArea, "fullNameLabel", "", 0, 3000, 6015, 255),
      addButton(*this, "addButton", "&Add", 6360, 600, 1215, 375),
      deleteButton(*this, "deleteButton", "&Delete", 6360, 1200, 1215, 375),
      upButton(*this, "upButton", "&Up", 6360, 2400, 1215, 375),
      downButton(*this, "downButton", "Do&wn", 6360, 3000, 1215, 375),
      deleteAllButton(*this, "deleteAllButton", "De&lete All", 6360, 1800, 1215, 375),
      monitorImage(*this, "monitorImage", 120, 3480, 2055, 2055, true),
      previewPicture(*this, "previewPicture", 330, 3690, 1630, 1320, tk::BorderStyle::None),
      previewImage(previewPicture, "previewImage", 0, 0, 735, 735, true),
      previewBox(*this, "previewBox", "Pre&view", 2280, 3600, 1455, 255),
      hideWarningsBox(*this, "hideWarningsBox", "Do &Not Display Warnings", 3600, 3600, 2775, 255),
      okButton(*this, "okButton", "&OK", 2280, 4080, 975, 375),
      cancelButton(*this, "cancelButton", "&Cancel", 3480, 4080, 975, 375),
      applyButton(*this, "applyButton", "A&pply", 4800, 4080, 975, 375),
      resetButton(*this, "resetButton", "&Reset", 6360, 4080, 1215, 375),
      pictureDialog(*this, "pictureDialog"),
      model_(*this),
      settings_(settings),
      owner_(owner),
      changes_(changes) {
    setCaption(kCaption);
    setBorderStyle(tk::BorderStyle::FixedDialog);
    setMinButton(false);
    setMaxButton(false);
    setShowInTaskbar(false);
    setStartUpPosition(tk::StartUpPosition::CenterScreen);
    setKeyPreview(true);
    setClientSize(7740, 5565);

    centerHeading.add(listArea, "centerHeading", "Cen", 3960, 120, 375, 255, 0);
    centerHeading.add(listArea, "centerHeading", "t", 4320, 120, 135, 255, 1);
    centerHeading.add(listArea, "centerHeading", "er", 4440, 120, 375, 255, 2);
    hStretchHeading.add(listArea, "hStretchHeading", "H", 4680, 0, 255, 255, 0);
    hStretchHeading.add(listArea, "hStretchHeading", "orizontal", 4800, 0, 735, 255, 1);
    hStretchHeading.add(listArea, "hStretchHeading", "Stretch ", 4680, 220, 735, 255, 2);
    vStretchHeading.add(listArea, "vStretchHeading", "V", 5520, 0, 255, 255, 0);
    vStretchHeading.add(listArea, "vStretchHeading", "ertical", 5640, 0, 495, 255, 1);
    vStretchHeading.add(listArea, "vStretchHeading", "Stretch", 5520, 220, 615, 255, 2);
    centerHeading(1).setFont(AccessLetterFont());
    hStretchHeading(0).setFont(AccessLetterFont());
    vStretchHeading(0).setFont(AccessLetterFont());

    // The option columns come after the name list, so their clips lie above its right
    // part; each clip shows only the check boxes of its column.
    nameCheckCover.setBackColor(tk::kColorWindow);
    const float clipLeft[kSlideOptionCount] = {4200, 4920, 5640};
    for (int k = 0; k < kSlideOptionCount; ++k)
        optionClips.add(listArea, "optionClips", clipLeft[k], 480, 225, 1575, tk::BorderStyle::None, k);
    for (int k = 0; k < kSlideOptionCount; ++k) {
        tk::ListBox& column = optionLists.add(optionClips(k), "optionLists", -15, -15, 1935, 1380, true, k);
        // Keys always act on the name list; a column only takes mouse clicks.
        column.setTabStop(false);
    }

    monitorImage.setPicture(tk::ResourcePicture("MONITOR"));
    previewPicture.setBackColor(tk::Rgb(255, 255, 255));
    applyButton.setEnabled(false);

    // Tab order: the name list first, so that keys move the selection from the start;
    // then the commands from the top down, the two boxes and the dialog's buttons.
    int tab = 0;
    for (tk::Control* c : std::initializer_list<tk::Control*>{
             &nameList, &addButton, &deleteButton, &deleteAllButton, &upButton, &downButton, &previewBox,
             &hideWarningsBox, &okButton, &cancelButton, &applyButton, &resetButton})
        c->setTabIndex(tab++);

    bindHandlers();
}

SlideShowEditor::~SlideShowEditor() = default;

template <class Operation>
void SlideShowEditor::act(Operation operation) {
    operation();
    showModel();
}

void SlideShowEditor::bindHandlers() {
    nameList.Click = [this] { act([this] { model_.select(nameList.ListIndex()); }); };
    nameList.Scroll = [this] {
        // Only the first visible row: the selection may be changing in the same event.
        model_.scrollTo(nameList.TopIndex());
        for (int k = 0; k < kSlideOptionCount; ++k) optionLists(k).setTopIndex(model_.topRow());
    };
    for (int k = 0; k < kSlideOptionCount; ++k) {
        tk::ListBox& column = optionLists(k);
        column.Click = [this, &column, k] {
            const int row = column.ListIndex();
            act([&] { model_.clickOption(static_cast<SlideOption>(k), row, column.Selected(row)); });
        };
        // The option columns never keep the focus: keys act on the name list.
        column.GotFocus = [this] { nameList.SetFocus(); };
    }
    addButton.Click = [this] { act([this] { model_.add(); }); };
    deleteButton.Click = [this] { act([this] { model_.remove(); }); };
    upButton.Click = [this] { act([this] { model_.moveUp(); }); };
    downButton.Click = [this] { act([this] { model_.moveDown(); }); };
    deleteAllButton.Click = [this] { act([this] { model_.removeAll(); }); };
    nameList.FilesDropped = [this](const std::vector<std::string>& paths) {
        std::vector<std::string> pictures = droppedPictures(paths);
        act([&] { model_.addSlides(std::move(pictures)); });
    };
    previewBox.Click = [this] { act([this] { model_.setPreview(previewBox.Value() == 1); }); };
    hideWarningsBox.Click = [this] { act([this] { model_.setHideWarnings(hideWarningsBox.Value() == 1); }); };
    okButton.Click = [this] {
        applyList();
        Unload();
    };
    cancelButton.Click = [this] { Unload(); };
    applyButton.Click = [this] { applyList(); };
    resetButton.Click = [this] { act([this] { model_.reset(); }); };
}

void SlideShowEditor::Form_Load() {
    layOutHeadings();
    fitOptionColumns();
    model_.setVisibleRows(nameList.visibleRows());
    act([&] { model_.open(storedSlides(), settings_.showPreview, settings_.hideWarnings); });
    previewPicture.setBackColor(settings_.backgroundColor);
}

// Each heading is a row of pieces laid side by side by their text widths, so the
// underlined letter joins its word whatever the font's metrics.
void SlideShowEditor::layOutHeadings() {
    centerHeading(0).setWidth(TextWidth("Cen"));
    centerHeading(1).setWidth(TextWidth("t"));
    centerHeading(1).setLeft(centerHeading(0).Left() + centerHeading(0).Width());
    centerHeading(2).setLeft(centerHeading(1).Left() + centerHeading(1).Width());
    hStretchHeading(0).setWidth(TextWidth("H"));
    hStretchHeading(1).setLeft(hStretchHeading(0).Left() + hStretchHeading(0).Width());
    vStretchHeading(0).setWidth(TextWidth("V"));
    vStretchHeading(1).setLeft(vStretchHeading(0).Left() + vStretchHeading(0).Width());
}

// The cover over the name list's own check boxes and the clips of the option columns
// span the inside of the list's border, and every column is as tall as the name list,
// so that row r of each column stands level with row r of the names.
void SlideShowEditor::fitOptionColumns() {
    const float p = std::round(tk::Screen::TwipsPerPixelY());
    nameCheckCover.setTop(nameList.Top() + 2 * p);
    nameCheckCover.setHeight(nameList.Height() - 4 * p);
    for (int k = 0; k < kSlideOptionCount; ++k) {
        optionClips(k).setTop(nameCheckCover.Top());
        optionClips(k).setHeight(nameCheckCover.Height());
    }
    for (int k = 0; k < kSlideOptionCount; ++k) optionLists(k).setHeight(nameList.Height());
    // The columns paint on the system's window colour, as the name list and the cover
    // do: the toolkit's list boxes have no colour of their own to set, and both of its
    // backends draw list rows on COLOR_WINDOW.
}

void SlideShowEditor::showModel() {
    nameList.setListIndex(model_.selectedRow());
    nameList.setTopIndex(model_.topRow());
    for (int k = 0; k < kSlideOptionCount; ++k) optionLists(k).setTopIndex(model_.topRow());
    positionLabel.setCaption(model_.positionText());
    fullNameLabel.setCaption(model_.shownPath());
    applyButton.setEnabled(model_.dirty());
    changes_.pending = model_.dirty();
    previewBox.setValue(model_.preview() ? 1 : 0);
    hideWarningsBox.setValue(model_.hideWarnings() ? 1 : 0);
    // Both options act at once, not at Apply; a discarding close puts them back.
    owner_.setEditorOptions(model_.preview(), model_.hideWarnings());
}

void SlideShowEditor::applyList() {
    act([this] { owner_.applySlides(model_.apply()); });
}

void SlideShowEditor::Form_QueryUnload(bool& cancel, tk::CloseReason) {
    if (!model_.close()) {
        cancel = true;
        return;
    }
    owner_.setEditorOptions(model_.preview(), model_.hideWarnings());
    // From now on the owner treats the settings as changed.
    changes_.pending = true;
}

// The key goes on afterwards, unchanged: Alt+V still reaches the access key of
// "Pre&view" through the window's own handling.
void SlideShowEditor::Form_KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) {
    const int code = KeyCode, shift = Shift;
    act([&] {
        model_.keyDown(code, (shift & tk::vbShiftMask) != 0, (shift & tk::vbCtrlMask) != 0,
                       (shift & tk::vbAltMask) != 0);
    });
}

} // namespace qs::ui
