// The settings dialog's doors to the running show and the other dialogs: the monitor
// preview's timer, the editor and the about box. Both dialogs are modal; the preview
// timer keeps running behind them.
#include "render/next_slide.h"
#include "settings/shared_state.h"
#include "ui/about/frm_about.h"
#include "ui/config/frm_config.h"
#include "ui/editor/slide_show_editor.h"
#include "ui/unconfirmed_changes.h"

namespace qs::ui {

void frmConfig::Timer1_Timer() {
    NextSlide(*this, Picture1, bgimage);
}

void frmConfig::Command1_Click() {
    // The editor rewrites picNoLbl when it closes, and reports through `changes` what
    // this dialog still reads from the shared flag.
    UnconfirmedChanges changes{SettingsChanged};
    SlideShowEditor editor(changes, &picNoLbl);
    editor.Show(true, this);
    SettingsChanged = changes.pending;
}

void frmConfig::cmdAbout_Click() {
    frmAbout about;
    about.Show(true, this);
}

} // namespace qs::ui
