// Loading the about box: title, version, and the three label lists read from the
// settings of the section "AboutDlg", with the links in one column beside their
// descriptions.
#include <algorithm>
#include <cmath>
#include <string>

#include "settings/registry_settings.h"
#include "ui/about/about_box.h"
#include "version.h"

namespace qs::ui {

namespace {
constexpr char kSection[] = "AboutDlg";
} // namespace

void AboutBox::Form_Load() {
    setCaption(std::string("About ") + kAppTitle);
    versionLabel.setCaption("Version " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
                            std::to_string(kVersionRevision));
    titleLabel.setCaption(kAppTitle);
    LoadLabelList(linkDescriptionLabels, kSection, "HyperlinkDesc", -1);
    LoadLabelList(linkLabels, kSection, "HyperlinkValue", -1, std::string("HyperLinkPopupHelp"));
    PlaceLinkColumn();
    BindLinkClicks();
    LoadLabelList(noticeLabels, kSection, "Warning", +1);
}

void AboutBox::LoadLabelList(tk::ControlArray<tk::Label>& labels, const std::string& section,
                             const std::string& keyStem, std::int16_t direction,
                             const std::optional<std::string>& tipKeyStem) {
    auto readTexts = [&](int i, std::string& text, std::string& tip) {
        const std::string number = std::to_string(i + 1);
        text = GetRegistrySetting(section, keyStem + number, "");
        tip = tipKeyStem ? GetRegistrySetting(section, *tipKeyStem + number, "") : std::string();
    };
    std::string text, tip;
    int i = 0;
    readTexts(i, text, tip);
    while (!text.empty()) {
        if (i > 0) {
            const tk::Label& before = labels[i - 1];
            tk::Label& added = labels.Load(i);
            added.setLeft(before.Left());
            added.setTop(before.Top() + before.Height() * direction);
        }
        tk::Label& label = labels[i];
        label.setCaption(text);
        label.setToolTipText(tip);
        label.setVisible(true);
        ++i;
        readTexts(i, text, tip);
    }
}

// The links stand in one column, one letter "w" right of the widest description, each
// on the line of its description. Links beyond the last description keep to the same
// column: every description shares element 0's left edge.
void AboutBox::PlaceLinkColumn() {
    float widest = 0;
    for (int i = 0; i <= linkDescriptionLabels.UBound(); ++i)
        widest = std::max(widest, linkDescriptionLabels[i].Width());
    const auto column = static_cast<float>(std::nearbyint(widest + TextWidth("w")));
    for (int i = 0; i <= linkLabels.UBound(); ++i) {
        const int descIndex = std::min(i, linkDescriptionLabels.UBound());
        linkLabels[i].setLeft(linkDescriptionLabels[descIndex].Left() + column);
    }
}

// Bound after loading, so that every element, the copies too, reports its own index.
void AboutBox::BindLinkClicks() {
    for (int i = 0; i <= linkLabels.UBound(); ++i) {
        const auto index = static_cast<std::int16_t>(i);
        linkLabels[i].Click = [this, index] { linkLabels_Click(index); };
    }
}

} // namespace qs::ui
