// The settings dialog's window and controls, at their design positions in twips
// (relative to their containers), and the binding of each control event to its handler.
#include "ui/config/frm_config.h"

#include "toolkit/picture.h"

namespace qs::ui {

namespace {
constexpr float kClientWidth = 7335;
constexpr float kClientHeight = 3945;
// The spin range gives delays of 2 to 598 seconds; the design value is 540 (60 seconds).
constexpr int kSpinMin = 2;
constexpr int kSpinMax = 598;
constexpr int kSpinDesignValue = 540;
constexpr int kPreviewIntervalMs = 100;
} // namespace

frmConfig::frmConfig()
    : tk::Form("frmConfig"),
      Frame2(*this, "Frame2", "Backgroung Color", 240, 240, 3495, 975),
      BgColorPic(Frame2, "BgColorPic", 240, 360, 1575, 300, tk::BorderStyle::FixedSingle),
      pbColor(Frame2, "pbColor", "Select...", 2040, 360, 1215, 375),
      Frame1(*this, "Frame1", "Slide Display", 240, 1440, 3495, 1575),
      chkRandom(Frame1, "chkRandom", "Random order", 240, 360, 1575, 375),
      Label1(Frame1, "Label1", "Delay (sec)", 1920, 360, 495, 495),
      DelayVal(Frame1, "DelayVal", "60", 2400, 360, 495, 345),
      upDown(Frame1, "upDown", 2880, 360, 255, 345, kSpinMin, kSpinMax, kSpinDesignValue),
      picNoLbl(Frame1, "picNoLbl", "", 360, 1080, 1455, 375),
      Command1(Frame1, "Command1", "&Edit Slides...", 2040, 1080, 1215, 375),
      monitorImg(*this, "monitorImg", 4200, 360, 2895, 2655),
      Picture1(monitorImg, "Picture1", 270, 270, 2290, 1680),
      bgimage(Picture1, "bgimage", 240, 240, 855, 855),
      Timer1(*this, "Timer1", kPreviewIntervalMs, true),
      cmdOK(*this, "cmdOK", "&OK", 3960, 3360, 960, 375),
      cmdCancel(*this, "cmdCancel", "&Cancel", 5040, 3360, 975, 375),
      cmdAbout(*this, "cmdAbout", "&About...", 6240, 3360, 975, 375),
      CommonDialog1(*this, "CommonDialog1") {
    setCaption("Quillo Screen Saver Settings");
    setBorderStyle(tk::BorderStyle::FixedDialog);
    setMinButton(false);
    setMaxButton(false);
    setStartUpPosition(tk::StartUpPosition::CenterScreen);
    setClientSize(kClientWidth, kClientHeight);

    monitorImg.setPicture(tk::ResourcePicture("MONITOR"));
    // The swatch and the monitor are pictures, not stops on the way through the dialog.
    BgColorPic.setTabStop(false);
    monitorImg.setTabStop(false);
    Picture1.setTabStop(false);
    cmdOK.setDefault(true);

    Timer1.Tick = [this] { Timer1_Timer(); };
    chkRandom.Click = [this] { chkRandom_Click(); };
    upDown.Change = [this] { upDown_Change(); };
    DelayVal.Change = [this] { DelayVal_Change(); };
    DelayVal.KeyPress = [this](std::int16_t& KeyAscii) { DelayVal_KeyPress(KeyAscii); };
    DelayVal.GotFocus = [this] { DelayVal_GotFocus(); };
    pbColor.Click = [this] { pbColor_Click(); };
    Command1.Click = [this] { Command1_Click(); };
    cmdAbout.Click = [this] { cmdAbout_Click(); };
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdCancel.Click = [this] { cmdCancel_Click(); };
}

frmConfig::~frmConfig() = default;

} // namespace qs::ui
