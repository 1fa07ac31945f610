// The list commands: Add, Delete, Up, Down and Delete All, one button array with one
// handler. They change only the working list; Apply or OK take it to the settings.
#include <string>

#include "settings/shared_state.h"
#include "toolkit/application.h"
#include "ui/editor/edit_slide_show.h"

namespace qs::ui {
namespace {

constexpr std::int16_t kAdd = 0;
constexpr std::int16_t kDelete = 1;
constexpr std::int16_t kUp = 2;
constexpr std::int16_t kDown = 3;
constexpr std::int16_t kDeleteAll = 4;

constexpr const char* kPictureFilter =
    "CompuServe GIF (*.gif)|*.gif|JPEF (*.jpg)|*.jpg|Windows Bitmap (*.bmp)|*.bmp|"
    "All Supported Files|*.gif;*.jpg;*.bmp|All Files(*.*)|*.*";
// OFN_EXPLORER | OFN_HIDEREADONLY: one file per Add, no read-only box.
constexpr std::int32_t kOpenFlags = 0x80004;

// Silences the selection handler while rows are rearranged, and always lets it speak again.
class ListBusyScope {
public:
    explicit ListBusyScope(bool& busy) : busy_(busy) { busy_ = true; }
    ~ListBusyScope() { busy_ = false; }
    ListBusyScope(const ListBusyScope&) = delete;
    ListBusyScope& operator=(const ListBusyScope&) = delete;

private:
    bool& busy_;
};

} // namespace

void EditSlideShow::UpDownAddDel_Click(std::int16_t Index) {
    const int cur = FileNameList.ListIndex();
    // Every click counts as a change, even one whose command then does nothing.
    markChanged();
    bool ran = false;
    switch (Index) {
    case kAdd: ran = addSlide(cur); break;
    case kDelete: ran = deleteSlide(cur); break;
    case kUp: ran = moveUp(cur); break;
    case kDown: ran = moveDown(cur); break;
    case kDeleteAll: ran = deleteAll(cur); break;
    default: break;
    }
    // A command stopped by its precondition or by the file dialog leaves the position
    // text alone; one that ran (a declined question counts) shows where it ended.
    if (ran) countLbl.setCaption(positionText());
}

bool EditSlideShow::confirm(const std::string& question) {
    if (WarningChk.Value() != 0) return true;
    return tk::MsgBox(question, tk::vbYesNo + tk::vbQuestion, kTitle, this) == tk::vbYes;
}

void EditSlideShow::removeRow(int row) {
    FileNameList.RemoveItem(row);
    for (int k = 0; k < 3; ++k) CheckList(k).RemoveItem(row);
}

bool EditSlideShow::addSlide(int cur) {
    CD1.DialogTitle = "Select Picture";
    CD1.Flags = kOpenFlags;
    CD1.Filter = kPictureFilter;
    CD1.FilterIndex = 2;
    CD1.CancelError = true;
    const int error = CD1.ShowOpen();
    if (error == tk::cdlCancel) return false;
    if (error != 0) {
        tk::MsgBox("Error selecting a file", tk::vbOKOnly + tk::vbExclamation, kTitle, this);
        return false;
    }

    const std::string path = CD1.FileName;
    const int n = FileNameList.ListCount();
    const std::int32_t slot = FullNames.Take(path, n);
    const std::string text = TruncateName(path);

    // A new slide is centred and not stretched.
    const int at = n == 0 ? 0 : cur + 1;
    FileNameList.AddItem(text, at);
    CheckList(0).AddItem("", at);
    CheckList(0).setSelected(at, true);
    CheckList(1).AddItem("", at);
    CheckList(2).AddItem("", at);
    FileNameList.setItemData(at, slot);
    if (n > 0) {
        FileNameList.SetFocus();
        FileNameList.setListIndex(at);
        // Two scroll events that end where they started bring the option columns level
        // with the names again after the insertion.
        if (FileNameList.TopIndex() > 0) {
            FileNameList.setTopIndex(FileNameList.TopIndex() - 1);
            FileNameList.setTopIndex(FileNameList.TopIndex() + 1);
        }
    }
    ++EntryCount;
    FileNameList_Click();
    return true;
}

bool EditSlideShow::deleteSlide(int cur) {
    if (cur < 0) return false;
    if (!confirm("Do you want to delete " + FileNameList.List(cur) + "?")) return true;
    FullNames.Free(FileNameList.ItemData(cur));
    previewImage.setPicture(tk::Picture());
    removeRow(cur);
    // The first slide is selected, not the neighbour: the list may be long, and the
    // top is where the user starts again.
    if (FileNameList.ListCount() > 0) FileNameList.setListIndex(0);
    FileNameList_Click();
    if (FileNameList.ListCount() == 0) fullNameLbl.setCaption("");
    --EntryCount;
    return true;
}

void EditSlideShow::insertMovedRow(int at, const std::string& text, std::int32_t slot, const bool options[3]) {
    FileNameList.AddItem(text, at);
    FileNameList.setItemData(at, slot);
    for (int k = 0; k < 3; ++k) CheckList(k).AddItem("", at);
    for (int k = 0; k < 3; ++k) CheckList(k).setSelected(at, options[k]);
}

bool EditSlideShow::moveUp(int cur) {
    if (cur < 1) return false;
    const std::string text = FileNameList.List(cur);
    const std::int32_t slot = FileNameList.ItemData(cur);
    const bool options[3] = {CheckList(0).Selected(cur), CheckList(1).Selected(cur), CheckList(2).Selected(cur)};
    removeRow(cur);
    insertMovedRow(cur - 1, text, slot, options);
    FileNameList.setListIndex(cur - 1);
    {
        ListBusyScope busy(ListBusy);
        // A row moved above the first visible one becomes the first visible one.
        if (cur <= FileNameList.TopIndex()) FileNameList.setTopIndex(cur - 1);
    }
    return true;
}

bool EditSlideShow::moveDown(int cur) {
    if (cur < 0 || cur >= FileNameList.ListCount() - 1) return false;
    const std::string text = FileNameList.List(cur);
    const std::int32_t slot = FileNameList.ItemData(cur);
    const bool options[3] = {CheckList(0).Selected(cur), CheckList(1).Selected(cur), CheckList(2).Selected(cur)};
    // Hidden during the move, so the four lists repaint once.
    bgPic.setVisible(false);
    removeRow(cur);
    insertMovedRow(cur + 1, text, slot, options);
    {
        ListBusyScope busy(ListBusy);
        FileNameList.setListIndex(cur + 1);
    }
    bgPic.setVisible(true);
    return true;
}

bool EditSlideShow::deleteAll(int cur) {
    if (cur < 0) return false;
    if (!confirm("Do you want to delete all slides?")) return true;
    FullNames.Erase();
    FileNameList.Clear();
    for (int k = 0; k < 3; ++k) CheckList(k).Clear();
    fullNameLbl.setCaption("");
    previewImage.setVisible(false);
    previewPicture.Cls();
    EntryCount = 0;
    return true;
}

} // namespace qs::ui
