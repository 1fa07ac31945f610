// The about box's window and controls at their design places in twips. The three label
// lists start with their design label; loading adds the rest (about_load.cpp).
#include "ui/about/about_box.h"

#include "toolkit/picture.h"

namespace qs::ui {

namespace {
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
    : tk::Form({.border = tk::BorderStyle::FixedDialog,
                .clientWidth = 5730,
                .clientHeight = 3285,
                .minButton = false,
                .maxButton = false,
                .inTaskbar = false,
                .centred = true}),
      logo(*this, {.bounds = {120, 120, 1755, 1275}}),
      titleLabel(*this, {.bounds = {1320, 240, 3888, 240}, .caption = "Application Title"}),
      versionLabel(*this, {.bounds = {1320, 480, 3888, 228}, .caption = "Version"}),
      okButton(*this, {.bounds = {180, 2879, 1260, 345}, .caption = "OK", .isDefault = true, .isCancel = true}),
      sysInfoButton(*this, {.bounds = {4320, 2880, 1260, 345}, .caption = "&System Info..."}),
      separatorLight(*this, {.x1 = 105, .y1 = kSeparatorY, .x2 = 5654, .y2 = kSeparatorY, .color = kEtchLight,
                             .width = 2}),
      separatorShadow(*this, {.x1 = 120, .y1 = kSeparatorY, .x2 = 5684, .y2 = kSeparatorY, .color = kEtchShadow}) {
    logo.setPicture(tk::ResourcePicture("LOGO"));
    linkDescriptionLabels.push_back(std::make_unique<tk::Label>(
        *this, tk::LabelArgs{.bounds = {120, 1680, 1440, 195}, .caption = "Author's homepage:", .autoSize = true}));
    tk::Label& link = *linkLabels.emplace_back(std::make_unique<tk::Label>(
        *this, tk::LabelArgs{.bounds = {1860, 1680, 1350, 195}, .caption = kDefaultHomePage, .autoSize = true}));
    link.setForeColor(kLinkBlue);
    link.setPointer(tk::Pointer::Hand);
    noticeLabels.push_back(
        std::make_unique<tk::Label>(*this, tk::LabelArgs{.bounds = {180, 2100, 3855, 210}, .caption = kDefaultNotice}));
}

AboutBox::~AboutBox() = default;

void AboutBox::bindHandlers() {
    okButton.onClick = [this] { close(); };
    sysInfoButton.onClick = [this] { startSystemInformation(); };
    for (std::size_t i = 0; i < linkLabels.size(); ++i) linkLabels[i]->onClick = [this, i] { openLink(i); };
}

} // namespace qs::ui
