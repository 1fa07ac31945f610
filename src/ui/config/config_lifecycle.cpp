// Opening and closing the settings dialog. Opening arms DiscardSettings so that
// nothing reaches the settings file unless OK clears it; every way of closing asks
// before changes are thrown away.
#include <string>

#include "platform/services.h"
#include "render/slide_schedule.h"
#include "settings/app_settings.h"
#include "settings/shared_state.h"
#include "toolkit/application.h"
#include "ui/config/frm_config.h"
#include "ui/config/picture_count_caption.h"

namespace qs::ui {

void frmConfig::Form_Load() {
    DiscardSettings = true;
    monitorImg.setBackColor(BackColor());
    BgColorPic.setBackColor(AppSettings().bgColor());
    chkRandom.setValue(AppSettings().RandomDisplay() ? 1 : 0);

    const std::int32_t delay = AppSettings().Delay();
    DelayVal.setText(std::to_string(delay));
    // A stored delay of 599 to 1000 seconds lies beyond the spin range: the bar then
    // stands at its end (the longest delay it can give) while the text box keeps
    // showing, and AppSettings keeps holding, the delay as stored, until an arrow moves.
    const int spinValue = 600 - delay;
    keepStoredDelay_ = spinValue < upDown.Min() || spinValue > upDown.Max();
    upDown.setValue(spinValue);
    keepStoredDelay_ = false;

    MakeNextSlideDue(delay);
    picNoLbl.setCaption(PictureCountCaption(AppSettings().PictureCount()));
    SettingsChanged = false;
}

void frmConfig::cmdOK_Click() {
    DiscardSettings = false;
    SettingsChanged = false;
    Unload();
}

void frmConfig::cmdCancel_Click() {
    Unload();
}

void frmConfig::Form_QueryUnload(std::int16_t& Cancel, int /*UnloadMode*/) {
    if (!SettingsChanged) return;
    const int answer = tk::MsgBox("Do you want to ignore all changes and exit?", tk::vbYesNo + tk::vbQuestion,
                                  "Screen Saver", this);
    if (answer != tk::vbYes) Cancel = -1;
}

} // namespace qs::ui
