// The three options of the settings dialog: slide order, delay and background colour.
// Each writes straight into AppSettings and marks the dialog's state as changed.
#include <string>

#include "settings/cls_settings.h"
#include "settings/shared_state.h"
#include "ui/config/frm_config.h"

namespace qs::ui {

void frmConfig::chkRandom_Click() {
    AppSettings().setRandomDisplay(chkRandom.Value() == 1);
    SettingsChanged = true;
}

// The top arrow lowers the value and so lengthens the delay.
void frmConfig::upDown_Change() {
    if (keepStoredDelay_) return;
    DelayVal.setText(std::to_string(upDown.Max() - upDown.Value() + 2));
}

void frmConfig::DelayVal_Change() {
    AppSettings().setDelay(static_cast<std::int32_t>(NumberAtStart(DelayVal.Text())));
    SettingsChanged = true;
}

// The delay changes through the arrows only: the box takes no keystrokes ...
void frmConfig::DelayVal_KeyPress(std::int16_t& KeyAscii) {
    KeyAscii = 0;
}

// ... and never keeps the focus.
void frmConfig::DelayVal_GotFocus() {
    cmdOK.SetFocus();
}

void frmConfig::pbColor_Click() {
    CommonDialog1.CancelError = true;
    if (CommonDialog1.ShowColor() != 0) return; // cancelled or failed: nothing changes
    AppSettings().setBgColor(CommonDialog1.Color);
    BgColorPic.setBackColor(CommonDialog1.Color);
    SettingsChanged = true;
}

} // namespace qs::ui
