// Selecting a slide, its option columns and the preview of the selected slide.
#include <string>

#include "render/fit_picture.h"
#include "settings/shared_state.h"
#include "toolkit/application.h"
#include "ui/editor/edit_slide_show.h"
#include "ui/editor/handler_guard.h"

namespace qs::ui {
namespace {

// Options travel to FitPicture as 16-bit Booleans, true = -1.
std::int16_t Flag(bool on) { return on ? -1 : 0; }

// The hourglass shows while a picture loads and the default pointer comes back
// whatever happens in between.
class BusyPointer {
public:
    BusyPointer() { tk::Screen::setMousePointer(tk::vbHourglass); }
    ~BusyPointer() { TrapAll([] { tk::Screen::setMousePointer(tk::vbDefault); }); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

} // namespace

void EditSlideShow::FileNameList_Click() {
    if (ListBusy) return;
    const int r = FileNameList.ListIndex();
    if (r < 0) return;
    bool sameSlide = false;
    // A failure while showing the slide must not keep the position text from following
    // the selection.
    TrapAll([&] {
        const std::string path = FullNames(FileNameList.ItemData(r));
        // Selecting the slide already shown again does no work, so no picture reloads.
        if (!ForceRefresh && fullNameLbl.Caption() == path) {
            sameSlide = true;
            return;
        }
        fullNameLbl.setCaption(path);
        if (chkPreview.Value() == 1) redrawPreview(path, r);
    });
    if (sameSlide) return;
    countLbl.setCaption(positionText());
}

// The surface is hidden while the picture loads and fits, and shown once complete, so
// that a half-drawn preview never shows.
void EditSlideShow::redrawPreview(const std::string& path, int row) {
    TrapAll([&] {
        previewPicture.setVisible(false);
        previewPicture.Cls();
    });
    BusyPointer busy;
    // Each step is trapped on its own: whatever fails, the surface is shown again and
    // says what it holds.
    std::string shown;
    TrapAll([&] {
        shown = FitPicture(previewImage, previewPicture, path, Flag(CheckList(0).Selected(row)),
                           Flag(CheckList(1).Selected(row)), Flag(CheckList(2).Selected(row)));
    });
    TrapAll([&] { previewPicture.setVisible(true); });
    TrapAll([&] {
        if (shown.empty()) {
            previewImage.setPicture(tk::Picture());
            previewImage.setVisible(false);
            previewPicture.Print("Cannot load picture");
        } else {
            previewImage.setVisible(true);
        }
    });
}

void EditSlideShow::CheckList_Click(std::int16_t Index) {
    markChanged();
    if (Index < 0 || Index > 2) return;
    const int selected = FileNameList.ListIndex();
    const bool columnsHaveRows =
        CheckList(0).ListIndex() >= 0 && CheckList(1).ListIndex() >= 0 && CheckList(2).ListIndex() >= 0;
    // Only a change to the selected slide changes what the preview shows; the slide
    // shown is the one named in fullNameLbl.
    if (columnsHaveRows && chkPreview.Value() == 1 && CheckList(Index).ListIndex() == selected)
        redrawPreview(fullNameLbl.Caption(), selected);
}

// The option columns have no scroll bars of their own in view; they follow the names.
void EditSlideShow::FileNameList_Scroll() {
    for (int k = 0; k < 3; ++k) CheckList(k).setTopIndex(FileNameList.TopIndex());
}

} // namespace qs::ui
