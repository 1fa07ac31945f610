// The three options of the settings dialog: slide order, delay and background colour.
// Each writes straight into AppSettings and marks the dialog's state as changed.
#include <string>

#include "settings/app_settings.h"
#include "settings/settings_text.h"
#include "settings/shared_state.h"
#include "ui/config/frm_config.h"

namespace qs::ui {

void frmConfig::chkRandom_Click() {
    AppSettings().RandomDisplay(chkRandom.Value() == 1);
    SettingsChanged = true;
}

// The top arrow lowers the value and so lengthens the delay.
void frmConfig::upDown_Change() {
    if (keepStoredDelay_) return;
    DelayVal.setText(std::to_string(upDown.Max() - upDown.Value() + 2));
}

void frmConfig::DelayVal_Change() {
    // Text that holds no number, or none that fits, stores 0, as an empty text would.
    AppSettings().Delay(RoundToInt32(LeadingNumber(DelayVal.Text()).value_or(0)).value_or(0));
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
    AppSettings().bgColor(CommonDialog1.Color);
    BgColorPic.setBackColor(CommonDialog1.Color);
    SettingsChanged = true;
}

} // namespace qs::ui
