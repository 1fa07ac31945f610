// AboutBox: the about box, opened modally over the settings dialog. It shows the
// program's title, version and logo, a column of configured links with their
// descriptions, configured notice lines, and starts the system-information tool.
// Links, descriptions, tool tips and notices come from the settings of the section
// "AboutDlg" (through GetRegistrySetting), so a distributor sets them in the
// settings file and they are kept in the registry from then on.
//
// The window and its controls are laid out in about_box.cpp; loading and the label
// lists live in about_load.cpp, the browser and system-information launchers in
// about_launchers.cpp.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/services.h"
#include "toolkit/controls.h"
#include "toolkit/form.h"

namespace qs::ui {

// The program's title, as the about box and its messages show it.
inline constexpr char kAppTitle[] = "Quillo Slide Show";

class AboutBox : public tk::Form {
public:
    AboutBox();
    ~AboutBox() override;

    // --- controls ---
    tk::Image logo;
    tk::Label titleLabel;
    tk::Label versionLabel;
    tk::Button okButton;
    tk::Button sysInfoButton;
    // Each list starts with its design label; loading adds one for every further text.
    std::vector<std::unique_ptr<tk::Label>> linkDescriptionLabels;
    std::vector<std::unique_ptr<tk::Label>> linkLabels;
    tk::Line separatorLight;
    tk::Line separatorShadow;
    std::vector<std::unique_ptr<tk::Label>> noticeLabels;

protected:
    void onLoad() override;

private:
    // Fills the label list from the numbered settings keyStem1, keyStem2, ... of the
    // section, up to the first empty one: the first label takes the first text, every
    // further one is made like it and stacked one label height above (direction -1) or
    // below (+1) the one before. With tipKeyStem, tipKeyStem1, ... give the tool tips.
    // When the first text is empty, the first label keeps its design content.
    void loadLabelList(std::vector<std::unique_ptr<tk::Label>>& labels, const std::string& section,
                       const std::string& keyStem, int direction,
                       const std::optional<std::string>& tipKeyStem = std::nullopt);
    void placeLinkColumn();
    // Bound after loading, so that every link, the added ones too, opens its own target.
    void bindHandlers();
    // --- handlers ---
    // Asks the shell to open the link's target; says so when it cannot.
    void openLink(std::size_t index);
    // Finds the system-information tool through the registry and starts it; says so
    // when there is none or it does not start.
    void startSystemInformation();
};

} // namespace qs::ui
