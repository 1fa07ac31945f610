// The Alt-key toggles of the selected slide's options and the preview option.
#include "settings/app_settings.h"
#include "settings/shared_state.h"
#include "toolkit/types.h"
#include "ui/editor/edit_slide_show.h"
#include "ui/editor/handler_guard.h"

namespace qs::ui {
namespace {

constexpr std::int16_t kModifierBits = tk::vbShiftMask | tk::vbCtrlMask | tk::vbAltMask;

// The option column an Alt-key toggles, -1 for any other key. The letters are the
// underlined ones of the column headings: cenTer, Horizontal, Vertical.
int ColumnOfKey(std::int16_t keyCode) {
    if (keyCode == 84) return 0;
    if (keyCode == 72) return 1;
    if (keyCode == 86) return 2;
    return -1;
}

} // namespace

// The key goes on afterwards, unchanged: Alt+V still reaches the access key of
// "Pre&view" through the window's own handling.
void EditSlideShow::Form_KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) {
    TrapAll([&] {
        if ((Shift & kModifierBits) != tk::vbAltMask) return;
        const int column = ColumnOfKey(KeyCode);
        if (column < 0) return;
        const int r = FileNameList.ListIndex();
        if (r < 0) return;
        // Changing the check from code runs the column's click handler, as a click would.
        CheckList(column).setSelected(r, !CheckList(column).Selected(r));
    });
}

void EditSlideShow::chkPreview_Click() {
    const bool on = chkPreview.Value() == 1;
    previewPicture.setVisible(on);
    // Redraws the selected slide although it is the one already shown.
    ForceRefresh = true;
    TrapAll([this] { FileNameList_Click(); });
    SettingsChanged = true;
    ForceRefresh = false;
    ApplyCmd.setEnabled(true);
    // Stored at once, not at Apply; Reset and a discarding close put it back.
    AppSettings().PreviewFlag(on);
}

} // namespace qs::ui
