// The editor dialog: its controls and their design places, the binding of their events,
// the handlers, and the form events load, closing and key down.
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
    font.underline = true;
    return font;
}

} // namespace

// The option columns come after the name list, so their clips lie above its right part;
// each clip shows only the check boxes of its column.
SlideShowEditor::SlideShowEditor(const Settings& settings, SlideShowEditorOwner& owner, UnconfirmedChanges& changes)
    : tk::Form({.border = tk::BorderStyle::FixedDialog,
                .caption = kCaption,
                .clientWidth = 7740,
                .clientHeight = 5565,
                .minButton = false,
                .maxButton = false,
                .inTaskbar = false,
                .centred = true,
                .previewsKeys = true}),
      listArea(*this, {.bounds = {120, 120, 6135, 3375}}),
      nameHeading(listArea, {.bounds = {0, 120, 1455, 255}, .caption = "Image  Spec"}),
      positionLabel(listArea, {.bounds = {1320, 120, 1095, 255}}),
      nameList(listArea, {.bounds = {0, 480, 6135, 2535}, .checkBoxes = true}),
      nameCheckCover(listArea, {.bounds = {15, 495, 255, 2160}}),
      fullNameLabel(listArea, {.bounds = {0, 3000, 6015, 255}}),
      addButton(*this, {.bounds = {6360, 600, 1215, 375}, .caption = "&Add"}),
      deleteButton(*this, {.bounds = {6360, 1200, 1215, 375}, .caption = "&Delete"}),
      upButton(*this, {.bounds = {6360, 2400, 1215, 375}, .caption = "&Up"}),
      downButton(*this, {.bounds = {6360, 3000, 1215, 375}, .caption = "Do&wn"}),
      addFolderButton(*this, {.bounds = {6360, 3540, 1215, 375}, .caption = "Add &Folder..."}),
      deleteAllButton(*this, {.bounds = {6360, 1800, 1215, 375}, .caption = "De&lete All"}),
      monitorImage(*this, {.bounds = {120, 3480, 2055, 2055}, .stretch = true}),
      previewPicture(*this, {.bounds = {330, 3690, 1630, 1320}}),
      previewImage(previewPicture, {.bounds = {0, 0, 735, 735}, .stretch = true}),
      previewBox(*this, {.bounds = {2280, 3600, 1455, 255}, .caption = "Pre&view"}),
      hideWarningsBox(*this, {.bounds = {3600, 3600, 2775, 255}, .caption = "Do &Not Display Warnings"}),
      okButton(*this, {.bounds = {2280, 4080, 975, 375}, .caption = "&OK"}),
      cancelButton(*this, {.bounds = {3480, 4080, 975, 375}, .caption = "&Cancel"}),
      applyButton(*this, {.bounds = {4800, 4080, 975, 375}, .caption = "A&pply"}),
      resetButton(*this, {.bounds = {6360, 4080, 1215, 375}, .caption = "&Reset"}),
      centerHeading{{{listArea, {.bounds = {3960, 120, 375, 255}, .caption = "Cen"}},
                     {listArea, {.bounds = {4320, 120, 135, 255}, .caption = "t"}},
                     {listArea, {.bounds = {4440, 120, 375, 255}, .caption = "er"}}}},
      hStretchHeading{{{listArea, {.bounds = {4680, 0, 255, 255}, .caption = "H"}},
                       {listArea, {.bounds = {4800, 0, 735, 255}, .caption = "orizontal"}},
                       {listArea, {.bounds = {4680, 220, 735, 255}, .caption = "Stretch "}}}},
      vStretchHeading{{{listArea, {.bounds = {5520, 0, 255, 255}, .caption = "V"}},
                       {listArea, {.bounds = {5640, 0, 495, 255}, .caption = "ertical"}},
                       {listArea, {.bounds = {5520, 220, 615, 255}, .caption = "Stretch"}}}},
      optionClips{{{listArea, {.bounds = {4200, 480, 225, 1575}}},
                   {listArea, {.bounds = {4920, 480, 225, 1575}}},
                   {listArea, {.bounds = {5640, 480, 225, 1575}}}}},
      optionLists{{{optionClips[0], {.bounds = {-15, -15, 1935, 1380}, .checkBoxes = true}},
                   {optionClips[1], {.bounds = {-15, -15, 1935, 1380}, .checkBoxes = true}},
                   {optionClips[2], {.bounds = {-15, -15, 1935, 1380}, .checkBoxes = true}}}},
      model_(*this),
      settings_(settings),
      owner_(owner),
      changes_(changes) {
    centerHeading[1].setFont(AccessLetterFont());
    hStretchHeading[0].setFont(AccessLetterFont());
    vStretchHeading[0].setFont(AccessLetterFont());
    nameCheckCover.setBackColor(tk::kColorWindow);
    // Keys always act on the name list; a column only takes mouse clicks.
    for (tk::ListBox& column : optionLists) column.setTabStop(false);

    monitorImage.setPicture(tk::ResourcePicture("MONITOR"));
    previewPicture.setBackColor(tk::Rgb(255, 255, 255));
    applyButton.setEnabled(false);
    addFolderButton.setVisible(folderEntries());

    // Tab order: the name list first, so that keys move the selection from the start;
    // then the commands from the top down, the two boxes and the dialog's buttons.
    int tab = 0;
    for (tk::Control* c : std::initializer_list<tk::Control*>{
             &nameList, &addButton, &deleteButton, &deleteAllButton, &upButton, &downButton, &addFolderButton, &previewBox,
             &hideWarningsBox, &okButton, &cancelButton, &applyButton, &resetButton})
        c->setTabIndex(tab++);

    bindHandlers();
}

SlideShowEditor::~SlideShowEditor() = default;

void SlideShowEditor::bindHandlers() {
    nameList.onChange = [this] { selectSlide(); };
    nameList.onScroll = [this] { followNameListScroll(); };
    nameList.onFilesDropped = [this](const std::vector<std::string>& paths, tk::KeyModifiers held) {
        addDroppedFiles(paths, held);
    };
    for (int k = 0; k < kSlideOptionCount; ++k) {
        optionLists[static_cast<std::size_t>(k)].onChange = [this, k] { clickOption(k); };
        // The option columns never keep the focus: keys act on the name list.
        optionLists[static_cast<std::size_t>(k)].onFocus = [this] { focusNameList(); };
    }
    addButton.onClick = [this] { runCommand(&SlideListModel::add); };
    deleteButton.onClick = [this] { runCommand(&SlideListModel::remove); };
    upButton.onClick = [this] { runCommand(&SlideListModel::moveUp); };
    downButton.onClick = [this] { runCommand(&SlideListModel::moveDown); };
    addFolderButton.onClick = [this] { runCommand(&SlideListModel::addFolder); };
    deleteAllButton.onClick = [this] { runCommand(&SlideListModel::removeAll); };
    resetButton.onClick = [this] { runCommand(&SlideListModel::reset); };
    previewBox.onClick = [this] { takePreviewOption(); };
    hideWarningsBox.onClick = [this] { takeHideWarningsOption(); };
    okButton.onClick = [this] { applyAndClose(); };
    cancelButton.onClick = [this] { close(); };
    applyButton.onClick = [this] { applyList(); };
}

void SlideShowEditor::onLoad() {
    layOutHeadings();
    fitOptionColumns();
    model_.setVisibleRows(nameList.visibleRows());
    model_.open(storedSlides(), settings_.showPreview, settings_.hideWarnings);
    showModel();
    previewPicture.setBackColor(settings_.backgroundColor);
}

// Each heading is a row of pieces laid side by side by their text widths, so the
// underlined letter joins its word whatever the font's metrics.
void SlideShowEditor::layOutHeadings() {
    centerHeading[0].setWidth(textWidth("Cen"));
    centerHeading[1].setWidth(textWidth("t"));
    centerHeading[1].setLeft(centerHeading[0].left() + centerHeading[0].width());
    centerHeading[2].setLeft(centerHeading[1].left() + centerHeading[1].width());
    hStretchHeading[0].setWidth(textWidth("H"));
    hStretchHeading[1].setLeft(hStretchHeading[0].left() + hStretchHeading[0].width());
    vStretchHeading[0].setWidth(textWidth("V"));
    vStretchHeading[1].setLeft(vStretchHeading[0].left() + vStretchHeading[0].width());
}

// The cover over the name list's own check boxes and the clips of the option columns
// span the inside of the list's border, and every column is as tall as the name list,
// so that row r of each column stands level with row r of the names.
void SlideShowEditor::fitOptionColumns() {
    const float p = std::round(tk::TwipsPerPixelY());
    nameCheckCover.setTop(nameList.top() + 2 * p);
    nameCheckCover.setHeight(nameList.height() - 4 * p);
    for (tk::PictureBox& clip : optionClips) {
        clip.setTop(nameCheckCover.top());
        clip.setHeight(nameCheckCover.height());
    }
    for (tk::ListBox& column : optionLists) column.setHeight(nameList.height());
    // The columns paint on the system's window colour, as the name list and the cover
    // do: the toolkit's list boxes have no colour of their own to set, and its backend
    // draws list rows on COLOR_WINDOW.
}

void SlideShowEditor::showModel() {
    nameList.setCurrentRow(model_.selectedRow());
    nameList.setTopRow(model_.topRow());
    for (tk::ListBox& column : optionLists) column.setTopRow(model_.topRow());
    positionLabel.setCaption(model_.positionText());
    fullNameLabel.setCaption(model_.shownPath());
    applyButton.setEnabled(model_.dirty());
    changes_.pending = model_.dirty();
    previewBox.setChecked(model_.preview());
    hideWarningsBox.setChecked(model_.hideWarnings());
    // Both options act at once, not at Apply; a discarding close puts them back.
    owner_.setEditorOptions(model_.preview(), model_.hideWarnings());
}

void SlideShowEditor::runCommand(void (SlideListModel::*command)()) {
    (model_.*command)();
    showModel();
}

void SlideShowEditor::selectSlide() {
    model_.select(nameList.currentRow());
    showModel();
}

// Only the first visible row: the selection may be changing in the same event.
void SlideShowEditor::followNameListScroll() {
    model_.scrollTo(nameList.topRow());
    for (tk::ListBox& column : optionLists) column.setTopRow(model_.topRow());
}

void SlideShowEditor::clickOption(int column) {
    const tk::ListBox& list = optionLists[static_cast<std::size_t>(column)];
    const int row = list.currentRow();
    model_.clickOption(static_cast<SlideOption>(column), row, list.isChecked(row));
    showModel();
}

void SlideShowEditor::focusNameList() { nameList.setFocus(); }

void SlideShowEditor::takePreviewOption() {
    model_.setPreview(previewBox.checked());
    showModel();
}

void SlideShowEditor::takeHideWarningsOption() {
    model_.setHideWarnings(hideWarningsBox.checked());
    showModel();
}

void SlideShowEditor::addDroppedFiles(const std::vector<std::string>& paths, tk::KeyModifiers held) {
    model_.addSlides(droppedPictures(paths, held.shift && folderEntries()));
    showModel();
}

void SlideShowEditor::applyList() {
    owner_.applySlides(model_.apply());
    showModel();
}

void SlideShowEditor::applyAndClose() {
    applyList();
    close();
}

bool SlideShowEditor::onClosing(tk::CloseReason) {
    if (!model_.close()) return false;
    owner_.setEditorOptions(model_.preview(), model_.hideWarnings());
    // From now on the owner treats the settings as changed.
    changes_.pending = true;
    return true;
}

// Alt+V still reaches the access key of "Pre&view" through the window's own handling.
void SlideShowEditor::onKeyDown(tk::Key key, tk::KeyModifiers modifiers) {
    model_.keyDown(static_cast<int>(key), modifiers.shift, modifiers.ctrl, modifiers.alt);
    showModel();
}

} // namespace qs::ui
