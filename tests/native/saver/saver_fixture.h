// The saver windows' tests: the toolkit fixture with the system's password option in a
// registry of its own.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "support/toolkit_fixture.h"
#include "toolkit/application.h"

namespace qs::test {

// HKCU\Control Panel\Desktop\ScreenSaveUsePassword as its type and bytes, or no such value.
using OptionValue = std::optional<std::pair<std::uint32_t, std::string>>;

class PasswordOptionRegistry final : public platform::Registry {
public:
    std::int32_t RegOpenKeyEx(platform::RegKey, const std::string& path, std::uint32_t, platform::RegKey& key) override {
        key = 1;
        return path.rfind("Control Panel\\Desktop", 0) == 0 ? 0 : platform::kErrorFileNotFound;
    }
    std::int32_t RegQueryValueEx(platform::RegKey, const std::string& name, std::uint32_t* type, std::uint8_t* data,
                                 std::uint32_t* size) override {
        if (!value || name != "ScreenSaveUsePassword") return platform::kErrorFileNotFound;
        if (type) *type = value->first;
        const auto needed = static_cast<std::uint32_t>(value->second.size());
        const bool fits = !data || (size && *size >= needed);
        if (data && fits) std::copy(value->second.begin(), value->second.end(), data);
        if (size) *size = needed;
        return fits ? 0 : platform::kErrorMoreData;
    }
    std::int32_t RegSetValueEx(platform::RegKey, const std::string&, std::uint32_t, const std::uint8_t*,
                               std::uint32_t) override { return 5; }
    std::int32_t RegCreateKeyEx(platform::RegKey, const std::string&, std::uint32_t, platform::RegKey&) override {
        return 5;
    }
    std::int32_t RegCloseKey(platform::RegKey) override { return 0; }
    OptionValue value;
};

class SaverTest : public ToolkitTest {
protected:
    SaverTest() { os.UseRegistry(&registry); }
    ~SaverTest() override { tk::releaseKeptForms(); } // while the registry lives
    static std::string PicturePath(const std::string& name) { return std::string(QS_TEST_DATA_DIR) + "/saver/" + name; }

    PasswordOptionRegistry registry;
};

} // namespace qs::test
