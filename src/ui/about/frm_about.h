// frmAbout: the about box, opened modally over the settings dialog. It shows the
// program's title, version and logo, a column of configured links with their
// descriptions, configured notice lines, and starts the system-information tool.
// Links, descriptions, tool tips and notices come from the settings of the section
// "AboutDlg" (through GetRegistrySetting), so a distributor sets them in the
// settings file and they are kept in the registry from then on.
//
// The form and its controls are laid out in frm_about.cpp; loading and the label
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

// The program's title and three-part version, as the about box shows them.
inline constexpr char kAppTitle[] = "Quillo Slide Show";
inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 3;
inline constexpr int kVersionRevision = 67;

class frmAbout : public tk::Form {
public:
    frmAbout();
    ~frmAbout() override;

    // --- controls ---
    tk::Image Image1;
    tk::Label lblTitle;
    tk::Label lblVersion;
    tk::ControlArray<tk::Label> lblLinkDesc;
    tk::ControlArray<tk::Label> lblLink;
    tk::ControlArray<tk::Line> Line1;
    tk::ControlArray<tk::Label> lblDescription;
    tk::CommandButton cmdOK;
    tk::CommandButton cmdSysInfo;

    // --- handlers ---
    void lblLink_Click(std::int16_t Index);
    void cmdSysInfo_Click();
    void cmdOK_Click();

    // --- procedures ---
    // Fills the label array from the numbered settings keyStem1, keyStem2, ... of the
    // section, up to the first empty one: element 0 takes the first text, every further
    // element is a copy of element 0 stacked one label height above (direction -1) or
    // below (+1) the one before. With tipKeyStem, tipKeyStem1, ... give the tool tips.
    // When the first text is empty, element 0 keeps its design content.
    void LoadLabelList(tk::ControlArray<tk::Label>& labels, const std::string& section, const std::string& keyStem,
                       std::int16_t direction, const std::optional<std::string>& tipKeyStem = std::nullopt);
    // Asks the shell to open the target; says so when it cannot.
    void LaunchBrowser(platform::WindowHandle hWndOwner, const std::string& target);
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
