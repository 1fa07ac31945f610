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

// A label made like `first` (its sizing, colour, pointer and font), holding `text` at
// (left, top), with a window at once: the form is open.
std::unique_ptr<tk::Label> LabelLike(tk::Form& form, const tk::Label& first, const std::string& text, float left,
                                     float top) {
    auto label = std::make_unique<tk::Label>(
        form, tk::LabelArgs{.bounds = {left, top, first.width(), first.height()},
                            .caption = text,
                            .autoSize = first.autoSize()});
    label->setForeColor(first.foreColor());
    label->setPointer(first.pointer());
    label->setFont(first.font());
    label->createPeerIfLoaded();
    return label;
}
} // namespace

void AboutBox::onLoad() {
    setCaption(std::string("About ") + kAppTitle);
    versionLabel.setCaption("Version " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
                            std::to_string(kVersionRevision));
    titleLabel.setCaption(kAppTitle);
    loadLabelList(linkDescriptionLabels, kSection, "HyperlinkDesc", -1);
    loadLabelList(linkLabels, kSection, "HyperlinkValue", -1, std::string("HyperLinkPopupHelp"));
    placeLinkColumn();
    loadLabelList(noticeLabels, kSection, "Warning", +1);
    bindHandlers();
}

void AboutBox::loadLabelList(std::vector<std::unique_ptr<tk::Label>>& labels, const std::string& section,
                             const std::string& keyStem, int direction,
                             const std::optional<std::string>& tipKeyStem) {
    for (std::size_t i = 0;; ++i) {
        const std::string number = std::to_string(i + 1);
        const std::string text = GetRegistrySetting(section, keyStem + number, "");
        if (text.empty()) return;
        if (i > 0) {
            const tk::Label& before = *labels[i - 1];
            labels.push_back(LabelLike(*this, *labels[0], text, before.left(),
                                       before.top() + before.height() * static_cast<float>(direction)));
        }
        tk::Label& label = *labels[i];
        label.setCaption(text);
        label.setToolTip(tipKeyStem ? GetRegistrySetting(section, *tipKeyStem + number, "") : std::string());
    }
}

// The links stand in one column, one letter "w" right of the widest description, each
// on the line of its description. Links beyond the last description keep to the same
// column: every description shares the first one's left edge.
void AboutBox::placeLinkColumn() {
    float widest = 0;
    for (const auto& description : linkDescriptionLabels) widest = std::max(widest, description->width());
    const auto column = static_cast<float>(std::nearbyint(widest + textWidth("w")));
    for (std::size_t i = 0; i < linkLabels.size(); ++i) {
        const tk::Label& description = *linkDescriptionLabels[std::min(i, linkDescriptionLabels.size() - 1)];
        linkLabels[i]->setLeft(description.left() + column);
    }
}

} // namespace qs::ui
