// The about box's window and controls at their design positions in twips. The three
// label arrays start with their design element 0; LoadLabelList adds the rest.
#include "ui/about/frm_about.h"

#include "toolkit/picture.h"

namespace qs::ui {

namespace {
constexpr float kClientWidth = 5730;
constexpr float kClientHeight = 3285;
// Shown when the settings carry no link; a distributor names the real one as
// HyperlinkValue1 in the section "AboutDlg" of the settings file.
constexpr char kDefaultHomePage[] = "https://quillo-slides.example/";
constexpr char kCreditLine[] = "Your own pictures as a screen saver.";
constexpr tk::Color kLinkBlue = tk::Rgb(0, 0, 192);
constexpr tk::Color kEtchLight = tk::Rgb(255, 255, 255);
constexpr tk::Color kEtchShadow = tk::Rgb(128, 128, 128);
constexpr float kSeparatorY = 1980;
} // namespace

frmAbout::frmAbout()
    : tk::Form("frmAbout"),
      Image1(*this, "Image1", 120, 120, 1755, 1275),
      lblTitle(*this, "lblTitle", "Application Title", 1320, 240, 3888, 240),
      lblVersion(*this, "lblVersion", "Version", 1320, 480, 3888, 228),
      cmdOK(*this, "cmdOK", "OK", 180, 2879, 1260, 345),
      cmdSysInfo(*this, "cmdSysInfo", "&System Info...", 4320, 2880, 1260, 345) {
    setBorderStyle(tk::BorderStyle::FixedDialog);
    setMinButton(false);
    setMaxButton(false);
    setShowInTaskbar(false);
    setStartUpPosition(tk::StartUpPosition::CenterScreen);
    setClientSize(kClientWidth, kClientHeight);

    Image1.setPicture(tk::ResourcePicture("LOGO"));

    tk::Label& desc = lblLinkDesc.add(*this, "lblLinkDesc", "Author's homepage:", 120, 1680, 1440, 195, 0);
    desc.setAutoSize(true);

    tk::Label& link = lblLink.add(*this, "lblLink", kDefaultHomePage, 1860, 1680, 1350, 195, 0);
    link.setForeColor(kLinkBlue);
    link.setMousePointer(tk::vbCustom);
    link.setMouseIcon("HAND");
    link.setAutoSize(true);

    Line1.add(*this, "Line1", 105, kSeparatorY, 5654, kSeparatorY, kEtchLight, 2, 0);
    Line1.add(*this, "Line1", 120, kSeparatorY, 5684, kSeparatorY, kEtchShadow, 1, 1);

    lblDescription.add(*this, "lblDescription", kCreditLine, 180, 2100, 3855, 210, 0);

    cmdOK.setDefault(true);
    cmdOK.setCancel(true);
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdSysInfo.Click = [this] { cmdSysInfo_Click(); };
}

frmAbout::~frmAbout() = default;

void frmAbout::cmdOK_Click() {
    Unload();
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}

void frmAbout::lblLink_Click(std::int16_t Index) {
    LaunchBrowser(hWnd(), lblLink[Index].Caption());
}

} // namespace qs::ui
