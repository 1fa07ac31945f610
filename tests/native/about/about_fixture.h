// The about box on the headless toolkit, with the settings file in memory and the
// portable registry in a temporary folder, so that the copies GetRegistrySetting
// makes, and the system-information tool's location, are real registry values.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "platform/registry_portable.h"
#include "settings/registry_functions.h"
#include "support/settings_memory_profile.h"
#include "support/settings_temp_dir.h"
#include "support/toolkit_fixture.h"
#include "ui/about/frm_about.h"

namespace qs::test {

class AboutBoxTest : public ToolkitTest {
protected:
    static constexpr char kIni[] = "C:\\SAVERS\\QuilloSlides.INI";
    static constexpr char kProgramKey[] = "Software\\Brindle\\QuilloSaverF1\\AboutDlg";

    AboutBoxTest() : registry(platform::MakePortableRegistry(dir.File("registry.txt"))) {
        os.UseProfile(&profile);
        os.UseRegistry(registry.get());
    }
    ~AboutBoxTest() override { about_.reset(); }

    // The settings file: section [AboutDlg] with these lines.
    void WriteAboutSettings(const std::string& lines) { profile.SetText(kIni, "[AboutDlg]\r\n" + lines); }

    // Opens the about box modally; with no modal hook it stays open for the test to drive.
    ui::frmAbout& Open() {
        about_ = std::make_unique<ui::frmAbout>();
        about_->Show(true);
        return *about_;
    }

    // A text value under the program's own key, subkey AboutDlg; "<none>" when missing.
    std::string ProgramValue(const std::string& name) {
        std::uint32_t type = 0;
        std::int32_t error = 0;
        const RegVariant v = GetRegValue(platform::kHkeyCurrentUser, kProgramKey, name, type, error);
        const auto* text = std::get_if<std::string>(&v);
        return error == 0 && text ? *text : "<none>";
    }

    // Writes a value of a key under HKEY_LOCAL_MACHINE\SOFTWARE, creating the key.
    void SetMachineValue(const std::string& keyBelowSoftware, const std::string& name, const std::string& text,
                         std::uint32_t type = platform::kRegSz) {
        platform::RegKey key = 0;
        ASSERT_EQ(registry->RegCreateKeyEx(platform::kHkeyLocalMachine, "SOFTWARE\\" + keyBelowSoftware,
                                           kRegAccess, key),
                  0);
        ASSERT_EQ(registry->RegSetValueEx(key, name, type, reinterpret_cast<const std::uint8_t*>(text.c_str()),
                                          static_cast<std::uint32_t>(text.size() + 1)),
                  0);
        registry->RegCloseKey(key);
    }

    // The captions of a label array's elements, in index order.
    static std::vector<std::string> Captions(const tk::ControlArray<tk::Label>& labels) {
        std::vector<std::string> out;
        for (int i = 0; i <= labels.UBound(); ++i) out.push_back(labels[i].Caption());
        return out;
    }

    SettingsTempDir dir;
    MemoryProfileFile profile;
    std::unique_ptr<platform::Registry> registry;

private:
    std::unique_ptr<ui::frmAbout> about_;
};

} // namespace qs::test
