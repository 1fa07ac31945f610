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

#include <cstdint>
#include <optional>
#include <string>

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
    tk::ControlArray<tk::Label> linkDescriptionLabels;
    tk::ControlArray<tk::Label> linkLabels;
    tk::ControlArray<tk::Line> separatorLines;
    tk::ControlArray<tk::Label> noticeLabels;
    tk::CommandButton okButton;
    tk::CommandButton sysInfoButton;

    // --- handlers ---
    void linkLabels_Click(std::int16_t index);
    void sysInfoButton_Click();
    void okButton_Click();

    // --- procedures ---
    // Fills the label array from the numbered settings keyStem1, keyStem2, ... of the
    // section, up to the first empty one: element 0 takes the first text, every further
    // element is a copy of element 0 stacked one label height above (direction -1) or
    // below (+1) the one before. With tipKeyStem, tipKeyStem1, ... give the tool tips.
    // When the first text is empty, element 0 keeps its design content.
    void LoadLabelList(tk::ControlArray<tk::Label>& labels, const std::string& section, const std::string& keyStem,
                       std::int16_t direction, const std::optional<std::string>& tipKeyStem = std::nullopt);
    // Asks the shell to open the target; says so when it cannot.
    void LaunchBrowser(platform::WindowHandle owner, const std::string& target);
    // Finds the system-information tool through the registry and starts it; says so
    // when there is none or it does not start.
    void StartSysInfo();

protected:
    void Form_Load() override;

private:
    void PlaceLinkColumn();
    void BindLinkClicks();
};

} // namespace qs::ui
