// frmConfig: the settings dialog. It edits the delay, the slide order and the
// background colour straight in AppSettings, shows the running slide show inside a
// picture of a monitor, and opens the editor and the about box. Whether its changes
// reach the settings file is decided by DiscardSettings, which it sets on opening and
// clears only on OK.
//
// The form and its controls are laid out in frm_config.cpp; the handlers live in
// config_options.cpp (the three options), config_lifecycle.cpp (load, OK, Cancel,
// closing) and config_doors.cpp (preview, editor, about box).
#pragma once

#include <cstdint>

#include "render/next_slide.h"
#include "toolkit/controls.h"
#include "toolkit/form.h"

namespace qs::ui {

class frmConfig : public tk::Form {
public:
    frmConfig();
    ~frmConfig() override;

    // --- controls, containers before their children ---
    tk::Frame Frame2;
    tk::PictureBox BgColorPic;
    tk::CommandButton pbColor;
    tk::Frame Frame1;
    tk::CheckBox chkRandom;
    tk::Label Label1;
    tk::TextBox DelayVal;
    tk::VScrollBar upDown;
    tk::Label picNoLbl;
    tk::CommandButton Command1;
    tk::PictureBox monitorImg;
    tk::PictureBox Picture1;
    tk::Image bgimage;
    tk::Timer Timer1;
    tk::CommandButton cmdOK;
    tk::CommandButton cmdCancel;
    tk::CommandButton cmdAbout;
    tk::CommonDialog CommonDialog1;

    // --- handlers ---
    void Timer1_Timer();
    void chkRandom_Click();
    void upDown_Change();
    void DelayVal_Change();
    void DelayVal_KeyPress(std::int16_t& KeyAscii);
    void DelayVal_GotFocus();
    void pbColor_Click();
    void Command1_Click();
    void cmdAbout_Click();
    void cmdOK_Click();
    void cmdCancel_Click();

protected:
    void Form_Load() override;
    void Form_QueryUnload(std::int16_t& Cancel, int UnloadMode) override;

private:
    // True while Form_Load places the scroll bar for a stored delay that lies outside
    // the spin range: the bar is clamped to its end, and the text box must keep the
    // delay as stored rather than the clamped one (see config_lifecycle.cpp).
    bool keepStoredDelay_ = false;
    ShowState show_;
};

} // namespace qs::ui
