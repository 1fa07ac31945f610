// The saver windows' tests: the toolkit fixture with the system's password option set.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "support/toolkit_fixture.h"
#include "toolkit/application.h"

namespace qs::test {

// A registry value as the test stores it: its type and its bytes.
struct OptionValue {
    std::uint32_t type = platform::kRegSz;
    std::string bytes;
    static OptionValue Text(const std::string& text) { return {platform::kRegSz, text + '\0'}; }
    static OptionValue Dword(char low) { return {platform::kRegDword, std::string{low, 0, 0, 0}}; }
};

class SaverTest : public ToolkitTest {
protected:
    SaverTest() { SetPasswordOption(std::nullopt); }
    ~SaverTest() override { tk::releaseKeptForms(); } // while the registry lives

    // HKCU\Control Panel\Desktop\ScreenSaveUsePassword exactly as given, or no such value.
    void SetPasswordOption(const std::optional<OptionValue>& value) {
        os.registry = MemoryRegistry();
        if (value)
            PutRegValue(os.registry, platform::kHkeyCurrentUser, "Control Panel\\Desktop", "ScreenSaveUsePassword",
                        value->type, value->bytes);
    }
    static std::string PicturePath(const std::string& name) { return std::string(QS_TEST_DATA_DIR) + "/saver/" + name; }
    void Advance(std::uint64_t ms) { ui().advance(ms); }
    template <class F>
    F& Show() {
        F& form = tk::NewForm<F>();
        form.Show();
        return form;
    }
};

} // namespace qs::test
