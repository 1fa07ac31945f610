// The about box's window and controls at their design positions in twips. The three
// label arrays start with their design element 0; LoadLabelList adds the rest.
#include "ui/about/about_box.h"

#include "toolkit/picture.h"

namespace qs::ui {

namespace {
constexpr float kClientWidth = 5730;
constexpr float kClientHeight = 3285;
// Shown when the settings carry no link; a distributor names the real one as
// HyperlinkValue1 in the section "AboutDlg" of the settings file.
constexpr char kDefaultHomePage[] = "https://quillo-slides.example/";
constexpr char kDefaultNotice[] = "Your own pictures as a screen saver.";
constexpr tk::Color kLinkBlue = tk::Rgb(0, 0, 192);
constexpr tk::Color kEtchLight = tk::Rgb(255, 255, 255);
constexpr tk::Color kEtchShadow = tk::Rgb(128, 128, 128);
constexpr float kSeparatorY = 1980;
} // namespace

AboutBox::AboutBox()
    : tk::Form("AboutBox"),
      logo(*this, "logo", 120, 120, 1755, 1275),
      titleLabel(*this, "titleLabel", "Application Title", 1320, 240, 3888, 240),
      versionLabel(*this, "versionLabel", "Version", 1320, 480, 3888, 228),
      okButton(*this, "okButton", "OK", 180, 2879, 1260, 345),
      sysInfoButton(*this, "sysInfoButton", "&System Info...", 4320, 2880, 1260, 345) {
    setBorderStyle(tk::BorderStyle::FixedDialog);
    setMinButton(false);
    setMaxButton(false);
    setShowInTaskbar(false);
    setStartUpPosition(tk::StartUpPosition::CenterScreen);
    setClientSize(kClientWidth, kClientHeight);

    logo.setPicture(tk::ResourcePicture("LOGO"));

    tk::Label& desc =
        linkDescriptionLabels.add(*this, "linkDescriptionLabels", "Author's homepage:", 120, 1680, 1440, 195, 0);
    desc.setAutoSize(true);

    tk::Label& link = linkLabels.add(*this, "linkLabels", kDefaultHomePage, 1860, 1680, 1350, 195, 0);
    link.setForeColor(kLinkBlue);
    link.setMousePointer(tk::vbCustom);
    link.setMouseIcon("HAND");
    link.setAutoSize(true);

    separatorLines.add(*this, "separatorLines", 105, kSeparatorY, 5654, kSeparatorY, kEtchLight, 2, 0);
    separatorLines.add(*this, "separatorLines", 120, kSeparatorY, 5684, kSeparatorY, kEtchShadow, 1, 1);

    noticeLabels.add(*this, "noticeLabels", kDefaultNotice, 180, 2100, 3855, 210, 0);

    okButton.setDefault(true);
    okButton.setCancel(true);
    okButton.Click = [this] { okButton_Click(); };
    sysInfoButton.Click = [this] { sysInfoButton_Click(); };
}

AboutBox::~AboutBox() = default;

void AboutBox::okButton_Click() {
    Unload();
}

void AboutBox::sysInfoButton_Click() {
    StartSysInfo();
}

void AboutBox::linkLabels_Click(std::int16_t index) {
    LaunchBrowser(hWnd(), linkLabels[index].Caption());
}

} // namespace qs::ui
