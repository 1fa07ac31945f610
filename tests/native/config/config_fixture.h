// The settings dialog on the headless toolkit, with its settings file in memory.
// Each test starts with fresh shared state and no settings object; Release() ends the
// "process" the way the program does, by releasing AppSettings, and tells what it wrote.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "settings/app_settings.h"
#include "settings/shared_state.h"
#include "support/settings_memory_profile.h"
#include "support/toolkit_fixture.h"
#include "ui/config/frm_config.h"

namespace qs::test {

class ConfigDialogTest : public ToolkitTest {
protected:
    static constexpr char kIni[] = "C:\\SAVERS\\QuilloSlides.INI";
    static constexpr char kAsked[] = "Do you want to ignore all changes and exit?";

    ConfigDialogTest() {
        os.UseProfile(&profile);
        ResetSharedState();
        ResetAppSettingsForTest();
    }
    ~ConfigDialogTest() override {
        dialog_.reset();
        ResetAppSettingsForTest();
        ResetSharedState();
    }

    // The settings file: section [INIT] with these lines.
    void WriteSettings(const std::string& initLines) { profile.SetText(kIni, "[INIT]\r\n" + initLines); }

    ui::frmConfig& Open() {
        dialog_ = std::make_unique<ui::frmConfig>();
        dialog_->Show();
        return *dialog_;
    }

    // Releases the settings object as the end of the process does; returns the keys written.
    std::vector<std::string> Release() {
        const std::size_t before = profile.calls.size();
        ReleaseAppSettings();
        std::vector<std::string> written;
        for (std::size_t i = before; i < profile.calls.size(); ++i)
            if (profile.calls[i].write) written.push_back(profile.calls[i].key + "=" + profile.calls[i].value);
        return written;
    }

    // A value of section [INIT] as the file holds it now.
    std::string IniValue(const std::string& key) {
        char buffer[256] = {};
        const std::uint32_t n = profile.GetPrivateProfileString("INIT", key, "", buffer, sizeof buffer, kIni);
        return std::string(buffer, n);
    }

    int QuestionsAsked() {
        int n = 0;
        for (const auto& box : ui().messageBoxes())
            if (box.prompt == kAsked) ++n;
        return n;
    }

    MemoryProfileFile profile;

private:
    std::unique_ptr<ui::frmConfig> dialog_;
};

} // namespace qs::test
