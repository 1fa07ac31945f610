// The settings dialog's doors to the running show and the other dialogs: the monitor
// preview's timer, the editor and the about box. Both dialogs are modal; the preview
// timer keeps running behind them.
#include "render/next_slide.h"
#include "ui/about/frm_about.h"
#include "ui/config/frm_config.h"
#include "ui/editor/edit_slide_show.h"

namespace qs::ui {

void frmConfig::Timer1_Timer() {
    NextSlide(show_, *this, Picture1, bgimage);
}

void frmConfig::Command1_Click() {
    // The editor rewrites picNoLbl when it closes.
    EditSlideShow editor(&picNoLbl);
    editor.Show(true, this);
}

void frmConfig::cmdAbout_Click() {
    frmAbout about;
    about.Show(true, this);
}

} // namespace qs::ui
