// The editor dialog: its controls and their design places, the handler wiring, and
// the form events Load, QueryUnload and Unload.
#include "ui/editor/edit_slide_show.h"

#include <cmath>
#include <initializer_list>
#include <string>

#include "settings/app_settings.h"
#include "settings/shared_state.h"
#include "toolkit/application.h"
#include "ui/editor/handler_guard.h"

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

EditSlideShow::EditSlideShow(tk::Label* pictureCountLabel)
    : tk::Form("EditSlideShow"),
      bgPic(*this, "bgPic", 120, 120, 6135, 3375, tk::BorderStyle::None),
      Label1(bgPic, "Label1", "Image  Spec", 0, 120, 1455, 255),
      countLbl(bgPic, "countLbl", "", 1320, 120, 1095, 255),
      FileNameList(bgPic, "FileNameList", 0, 480, 6135, 2535, true),
      BackPic2(bgPic, "BackPic2", 15, 495, 255, 2160, tk::BorderStyle::None),
      fullNameLbl(bgPic, "fullNameLbl", "", 0, 3000, 6015, 255),
      Image1(*this, "Image1", 120, 3480, 2055, 2055, true),
      previewPicture(*this, "previewPicture", 330, 3690, 1630, 1320, tk::BorderStyle::None),
      previewImage(previewPicture, "previewImage", 0, 0, 735, 735, true),
      chkPreview(*this, "chkPreview", "Pre&view", 2280, 3600, 1455, 255),
      WarningChk(*this, "WarningChk", "Do &Not Display Warnings", 3600, 3600, 2775, 255),
      cmdOK(*this, "cmdOK", "&OK", 2280, 4080, 975, 375),
      cmdCancel(*this, "cmdCancel", "&Cancel", 3480, 4080, 975, 375),
      ApplyCmd(*this, "ApplyCmd", "A&pply", 4800, 4080, 975, 375),
      resetBtn(*this, "resetBtn", "&Reset", 6360, 4080, 1215, 375),
      CD1(*this, "CD1"),
      pictureCountLabel_(pictureCountLabel) {
    setCaption(kCaption);
    setBorderStyle(tk::BorderStyle::FixedDialog);
    setMinButton(false);
    setMaxButton(false);
    setShowInTaskbar(false);
    setStartUpPosition(tk::StartUpPosition::CenterScreen);
    setKeyPreview(true);
    setClientSize(7740, 5565);

    // Column headings: one label per piece, so that the access letter alone is underlined.
    CenterLbl.add(bgPic, "CenterLbl", "Cen", 3960, 120, 375, 255, 0);
    CenterLbl.add(bgPic, "CenterLbl", "t", 4320, 120, 135, 255, 1);
    CenterLbl.add(bgPic, "CenterLbl", "er", 4440, 120, 375, 255, 2);
    HorizontalLbl.add(bgPic, "HorizontalLbl", "H", 4680, 0, 255, 255, 0);
    HorizontalLbl.add(bgPic, "HorizontalLbl", "orizontal", 4800, 0, 735, 255, 1);
    HorizontalLbl.add(bgPic, "HorizontalLbl", "Stretch ", 4680, 220, 735, 255, 2);
    VerticalLbl.add(bgPic, "VerticalLbl", "V", 5520, 0, 255, 255, 0);
    VerticalLbl.add(bgPic, "VerticalLbl", "ertical", 5640, 0, 495, 255, 1);
    VerticalLbl.add(bgPic, "VerticalLbl", "Stretch", 5520, 220, 615, 255, 2);
    CenterLbl(1).setFont(AccessLetterFont());
    HorizontalLbl(0).setFont(AccessLetterFont());
    VerticalLbl(0).setFont(AccessLetterFont());

    // The option columns come after the name list, so their clips lie above its right
    // part; each clip shows only the check boxes of its column.
    BackPic2.setBackColor(tk::kColorWindow);
    const float clipLeft[3] = {4200, 4920, 5640};
    for (int k = 0; k < 3; ++k)
        BackPic.add(bgPic, "BackPic", clipLeft[k], 480, 225, 1575, tk::BorderStyle::None, k);
    for (int k = 0; k < 3; ++k) {
        tk::ListBox& column = CheckList.add(BackPic(k), "CheckList", -15, -15, 1935, 1380, true, k);
        // Keys always act on the name list; a column only takes mouse clicks.
        column.setTabStop(false);
    }

    const char* captions[5] = {"&Add", "&Delete", "&Up", "Do&wn", "De&lete All"};
    const float tops[5] = {600, 1200, 2400, 3000, 1800};
    for (int i = 0; i < 5; ++i) UpDownAddDel.add(*this, "UpDownAddDel", captions[i], 6360, tops[i], 1215, 375, i);

    Image1.setPicture(tk::ResourcePicture("MONITOR"));
    previewPicture.setBackColor(tk::Rgb(255, 255, 255));
    ApplyCmd.setEnabled(false);

    // Tab order: the name list first, so that keys move the selection from the start;
    // then the commands from the top down, the two boxes and the dialog's buttons.
    int tab = 0;
    FileNameList.setTabIndex(tab++);
    for (int i : {0, 1, 4, 2, 3}) UpDownAddDel(i).setTabIndex(tab++);
    for (tk::Control* c : std::initializer_list<tk::Control*>{&chkPreview, &WarningChk, &cmdOK, &cmdCancel,
                                                             &ApplyCmd, &resetBtn})
        c->setTabIndex(tab++);

    bindHandlers();
}

EditSlideShow::~EditSlideShow() = default;

void EditSlideShow::bindHandlers() {
    FileNameList.Click = Guarded([this] { FileNameList_Click(); });
    FileNameList.Scroll = Guarded([this] { FileNameList_Scroll(); });
    for (std::int16_t k = 0; k < 3; ++k) {
        CheckList(k).Click = Guarded([this, k] { CheckList_Click(k); });
        CheckList(k).GotFocus = Guarded([this, k] { CheckList_GotFocus(k); });
    }
    for (std::int16_t i = 0; i < 5; ++i) UpDownAddDel(i).Click = Guarded([this, i] { UpDownAddDel_Click(i); });
    chkPreview.Click = Guarded([this] { chkPreview_Click(); });
    WarningChk.Click = Guarded([this] { WarningChk_Click(); });
    cmdOK.Click = Guarded([this] { cmdOK_Click(); });
    cmdCancel.Click = Guarded([this] { cmdCancel_Click(); });
    ApplyCmd.Click = Guarded([this] { ApplyCmd_Click(); });
    resetBtn.Click = Guarded([this] { resetBtn_Click(); });
}

void EditSlideShow::Form_Load() {
    TrapAll([this] {
        ClsSettings& settings = AppSettings();
        // The boxes' click handlers run here; steps below put right what they change.
        chkPreview.setValue(settings.PreviewFlag() ? 1 : 0);
        WarningChk.setValue(settings.DisplayWarnings() ? 1 : 0);
        SavedPreviewFlag = settings.PreviewFlag();
        SavedDisplayWarnings = settings.DisplayWarnings();
        layOutHeadings();
        ListBusy = false;
        fitOptionColumns();
        LoadList();
        chkPreview_Click();
        markApplied();
        ForceRefresh = false;
        previewPicture.setBackColor(settings.bgColor());
    });
}

// Each heading is a row of pieces laid side by side by their text widths, so the
// underlined letter joins its word whatever the font's metrics.
void EditSlideShow::layOutHeadings() {
    CenterLbl(0).setWidth(TextWidth("Cen"));
    CenterLbl(1).setWidth(TextWidth("t"));
    CenterLbl(1).setLeft(CenterLbl(0).Left() + CenterLbl(0).Width());
    CenterLbl(2).setLeft(CenterLbl(1).Left() + CenterLbl(1).Width());
    HorizontalLbl(0).setWidth(TextWidth("H"));
    HorizontalLbl(1).setLeft(HorizontalLbl(0).Left() + HorizontalLbl(0).Width());
    VerticalLbl(0).setWidth(TextWidth("V"));
    VerticalLbl(1).setLeft(VerticalLbl(0).Left() + VerticalLbl(0).Width());
}

// The strip over the name list's own check boxes and the clips of the option columns
// span the inside of the list's border, and every column is as tall as the name list,
// so that row r of each column stands level with row r of the names.
void EditSlideShow::fitOptionColumns() {
    const float p = std::round(tk::Screen::TwipsPerPixelY());
    BackPic2.setTop(FileNameList.Top() + 2 * p);
    BackPic2.setHeight(FileNameList.Height() - 4 * p);
    for (int k = 0; k < 3; ++k) {
        BackPic(k).setTop(BackPic2.Top());
        BackPic(k).setHeight(BackPic2.Height());
    }
    for (int k = 0; k < 3; ++k) CheckList(k).setHeight(FileNameList.Height());
    // The columns paint on the system's window colour, as the name list and BackPic2
    // do: the toolkit's list boxes have no colour of their own to set, and both of its
    // backends draw list rows on COLOR_WINDOW.
}

void EditSlideShow::Form_QueryUnload(std::int16_t& Cancel, int UnloadMode) {
    (void)UnloadMode;
    TrapAll([&] {
        int answer = tk::vbYes;
        if (SettingsChanged && WarningChk.Value() == 0)
            answer = tk::MsgBox("Do you want to ignore all changes and exit?", tk::vbYesNo + tk::vbQuestion, kTitle,
                                this);
        if (answer == tk::vbYes) {
            ClsSettings& settings = AppSettings();
            settings.PreviewFlag(SavedPreviewFlag);
            settings.DisplayWarnings(SavedDisplayWarnings);
            // From now on the settings dialog treats the settings as changed.
            SettingsChanged = true;
        } else {
            Cancel = 1;
        }
    });
}

void EditSlideShow::Form_Unload(std::int16_t& Cancel) {
    (void)Cancel;
    TrapAll([this] {
        if (pictureCountLabel_) pictureCountLabel_->setCaption(pictureCountText());
    });
}

std::string EditSlideShow::pictureCountText() const {
    const std::int32_t count = AppSettings().PictureCount();
    return std::to_string(count) + (count == 1 ? "  Picture" : "  Pictures");
}

void EditSlideShow::markChanged() {
    SettingsChanged = true;
    ApplyCmd.setEnabled(true);
}

void EditSlideShow::markApplied() {
    SettingsChanged = false;
    ApplyCmd.setEnabled(false);
}

std::string EditSlideShow::positionText() const {
    // Appended piece by piece: GCC 12's -Wrestrict misreads the chained operator+ here.
    std::string text = "(";
    text += std::to_string(FileNameList.ListIndex() + 1);
    text += '/';
    text += std::to_string(EntryCount);
    text += ')';
    return text;
}

} // namespace qs::ui
