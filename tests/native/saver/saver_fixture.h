// What every saver-window test starts from: platform doubles, a fresh headless toolkit
// whose virtual clock moves the platform clock in step, the shared state as the process
// starts with it, a settings file held in memory and a registry of its own.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/registry_portable.h"
#include "settings/app_settings.h"
#include "settings/shared_state.h"
#include "support/scoped_services.h"
#include "support/settings_memory_profile.h"
#include "support/settings_temp_dir.h"
#include "support/toolkit_fixture.h"
#include "toolkit/application.h"
#include "toolkit/headless/headless_backend.h"

namespace qs::test {

// A registry value as the test stores it: its type and its bytes.
struct OptionValue {
    std::uint32_t type = platform::kRegSz;
    std::string bytes;
    static OptionValue Text(const std::string& text) { return {platform::kRegSz, text + '\0'}; }
    static OptionValue Dword(char low) { return {platform::kRegDword, std::string{low, 0, 0, 0}}; }
};

class SaverTest : public ::testing::Test {
protected:
    SaverTest() {
        ResetSharedState();
        ResetAppSettingsForTest();
        toolkit_.driveClock(os.clock);
        backend = &toolkit_.backend();
        os.UseProfile(&profile_);
        SetPasswordOption(std::nullopt);
    }
    ~SaverTest() override {
        ResetAppSettingsForTest();
        ResetSharedState();
    }

    // The settings file that the next creation of AppSettings reads: section INIT with these lines.
    void WriteSettings(const std::vector<std::string>& initLines) {
        std::string text = "[INIT]\r\n";
        for (const auto& line : initLines) text += line + "\r\n";
        profile_.SetText("C:\\SAVERS\\QuilloSlides.INI", text);
    }
    // HKCU\Control Panel\Desktop\ScreenSaveUsePassword exactly as given, or no such value.
    void SetPasswordOption(const std::optional<OptionValue>& value) {
        registry_ = platform::MakePortableRegistry(registryDir_.File("registry" + std::to_string(++stores_)));
        os.UseRegistry(registry_.get());
        if (!value) return;
        platform::RegKey key = 0;
        ASSERT_EQ(registry_->RegCreateKeyEx(platform::kHkeyCurrentUser, "Control Panel\\Desktop", 0x2003F, key), 0);
        EXPECT_EQ(registry_->RegSetValueEx(key, "ScreenSaveUsePassword", value->type,
                                           reinterpret_cast<const std::uint8_t*>(value->bytes.data()),
                                           static_cast<std::uint32_t>(value->bytes.size())),
                  0);
        registry_->RegCloseKey(key);
    }
    static std::string PicturePath(const std::string& name) { return std::string(QS_TEST_DATA_DIR) + "/saver/" + name; }
    // Moves the toolkit's timers and the platform clock on together.
    void Advance(std::uint64_t ms) { backend->advance(ms); }
    template <class F>
    F& Show() {
        F& form = tk::NewForm<F>();
        form.Show();
        return form;
    }

    ScopedServices os;
    tk::headless::HeadlessBackend* backend = nullptr;

private:
    ScopedToolkit toolkit_;
    MemoryProfileFile profile_;
    SettingsTempDir registryDir_;
    std::unique_ptr<platform::Registry> registry_;
    int stores_ = 0;
};

} // namespace qs::test
