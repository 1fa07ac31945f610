// What every saver-window test starts from: platform doubles, a fresh headless toolkit
// whose virtual clock moves the platform clock in step, the start-up state as the
// process starts with it, a settings file held in memory and a registry of its own.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "support/scoped_services.h"
#include "support/settings_memory_profile.h"
#include "support/settings_temp_dir.h"
#include "toolkit/headless/headless_backend.h"
#include "support/toolkit_fixture.h"

namespace qs::test {

// A registry value as the test stores it: its type and its bytes.
struct OptionValue {
    std::uint32_t type = platform::kRegSz;
    std::string bytes;

    static OptionValue Text(const std::string& text) { return {platform::kRegSz, text + '\0'}; }
    static OptionValue Dword(std::uint32_t v) {
        return {platform::kRegDword, std::string{char(v & 0xFF), char((v >> 8) & 0xFF), char((v >> 16) & 0xFF),
                                                 char((v >> 24) & 0xFF)}};
    }
    static OptionValue Binary(std::initializer_list<unsigned char> data) {
        return {platform::kRegBinary, std::string(data.begin(), data.end())};
    }
};

class SaverTest : public ::testing::Test {
protected:
    SaverTest();
    ~SaverTest() override;

    // The settings file that the next creation of AppSettings reads: section INIT
    // with these lines.
    void WriteSettings(const std::vector<std::string>& initLines);
    // HKCU\Control Panel\Desktop\ScreenSaveUsePassword, or no such value.
    void SetPasswordOption(const std::optional<OptionValue>& value);
    // A picture of tests/data/saver.
    static std::string PicturePath(const std::string& name);
    // Moves the toolkit's timers and the platform clock on together.
    void Advance(std::uint64_t ms) { backend->advance(ms); }

    ScopedServices os;
    tk::headless::HeadlessBackend* backend = nullptr;

private:
    ScopedToolkit toolkit_;
    MemoryProfileFile profile_;
    SettingsTempDir registryDir_;
    std::unique_ptr<platform::Registry> registry_;
    int registryStores_ = 0;
};

} // namespace qs::test
