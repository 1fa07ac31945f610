// The working list as a whole: loading it from the settings, the name shortening,
// Apply, OK, Cancel, Reset and the warnings option.
#include <string>

#include "platform/services.h"
#include "render/slide_schedule.h"
#include "settings/app_settings.h"
#include "settings/shared_state.h"
#include "toolkit/application.h"
#include "ui/editor/edit_slide_show.h"

namespace qs::ui {

void EditSlideShow::LoadList() {
    ClsSettings& settings = AppSettings();
    FileNameList.Clear();
    for (int k = 0; k < 3; ++k) CheckList(k).Clear();
    // Hidden while filling, so the four lists are not repainted row by row.
    bgPic.setVisible(false);

    const std::int32_t n = settings.PictureCount();
    FullNames.ReDim(n);
    for (std::int32_t i = 1; i <= n; ++i) {
        const int row = i - 1;
        FullNames.Set(i, settings.getFileSpec(i));
        CheckList(0).AddItem("", row);
        if (settings.Center(i)) CheckList(0).setSelected(row, true);
        CheckList(1).AddItem("", row);
        if (settings.HStretch(i)) CheckList(1).setSelected(row, true);
        CheckList(2).AddItem("", row);
        if (settings.VStretch(i)) CheckList(2).setSelected(row, true);
        FileNameList.AddItem(TruncateName(FullNames(i)), row);
        FileNameList.setItemData(row, i);
    }
    // The columns start on row 0; the name list has no current row, so no slide is
    // selected after loading.
    if (n > 0)
        for (int k = 0; k < 3; ++k) CheckList(k).setListIndex(0);
    bgPic.setVisible(true);

    fullNameLbl.setCaption(n >= 1 ? FullNames(1) : std::string());
    markApplied();
    EntryCount = n > 0 ? n : 0;
    countLbl.setCaption("0/0");
}

// Shortens a path to 0.6 of the name list's width, the part left of the option
// columns: the tail is kept, cut back to a whole folder or file name where a
// backslash allows, and marked "(...)". The mark is added after measuring.
std::string EditSlideShow::TruncateName(const std::string& name) {
    std::string s = name;
    // Width * 3 / 5 is exact in twips where the product 0.6 * Width may not be, and a
    // text exactly as wide as the limit must stay whole.
    const double limit = static_cast<double>(FileNameList.Width()) * 3.0 / 5.0;
    if (TextWidth(s) > limit) {
        // Characters go from the front until the tail fits. A tail is never wider than
        // a longer one, so the first fitting tail is found by halving instead of by
        // measuring every shorter tail in turn.
        std::size_t cut = 1, last = s.size(); // cutting all characters always fits
        while (cut < last) {
            const std::size_t mid = cut + (last - cut) / 2;
            if (TextWidth(s.substr(mid)) > limit) cut = mid + 1;
            else last = mid;
        }
        s.erase(0, cut);
        const std::size_t backslash = s.find('\\');
        if (backslash != std::string::npos) s.erase(0, backslash);
        s = "(...)" + s;
    }
    return s;
}

void EditSlideShow::ApplyCmd_Click() {
    ClsSettings& settings = AppSettings();
    const int rows = FileNameList.ListCount();
    settings.PictureCount(rows);
    for (int r = 0; r < rows; ++r) {
        const std::int32_t i = r + 1;
        settings.FileSpec(FullNames(FileNameList.ItemData(r)), i);
        settings.Center(i, CheckList(0).Selected(r));
        settings.HStretch(i, CheckList(1).Selected(r));
        settings.VStretch(i, CheckList(2).Selected(r));
    }
    markApplied();
    // Reset and a discarding close go back to the options as they are now.
    SavedPreviewFlag = settings.PreviewFlag();
    SavedDisplayWarnings = settings.DisplayWarnings();
    // The settings dialog's monitor, running behind the editor, shows the next slide
    // of the new list at its next tick.
    MakeNextSlideDue(settings.Delay());
}

void EditSlideShow::cmdOK_Click() {
    ApplyCmd_Click();
    Unload();
}

void EditSlideShow::cmdCancel_Click() {
    Unload();
}

void EditSlideShow::resetBtn_Click() {
    int answer = tk::vbYes;
    if (SettingsChanged && WarningChk.Value() == 0)
        answer = tk::MsgBox("Do you want to ignore all changes you made and restore old values?",
                            tk::vbYesNo + tk::vbQuestion, kTitle, this);
    if (answer != tk::vbYes) return;
    ClsSettings& settings = AppSettings();
    settings.PreviewFlag(SavedPreviewFlag);
    settings.DisplayWarnings(SavedDisplayWarnings);
    chkPreview.setValue(settings.PreviewFlag() ? 1 : 0);
    WarningChk.setValue(settings.DisplayWarnings() ? 1 : 0);
    LoadList();
}

// The settings property holds the box's state as it stands: true means the box
// "Do Not Display Warnings" is checked and no question is asked.
void EditSlideShow::WarningChk_Click() {
    AppSettings().DisplayWarnings(WarningChk.Value() == 1);
    markChanged();
}

// The option columns never keep the focus: keys act on the name list.
void EditSlideShow::CheckList_GotFocus(std::int16_t Index) {
    (void)Index;
    FileNameList.SetFocus();
}

} // namespace qs::ui
