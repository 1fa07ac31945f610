#include "saver_fixture.h"

#include "platform/registry_portable.h"
#include "settings/app_settings.h"
#include "settings/shared_state.h"

namespace qs::test {

namespace {
constexpr char kIniFile[] = "C:\\SAVERS\\QuilloSlides.INI";
} // namespace

SaverTest::SaverTest() {
    ResetSharedState();
    ResetAppSettingsForTest();
    toolkit_.driveClock(os.clock);
    backend = &toolkit_.backend();
    os.process.executablePath = "C:\\SAVERS\\QuilloSlides.scr";
    os.UseProfile(&profile_);
    SetPasswordOption(std::nullopt);
}

SaverTest::~SaverTest() {
    ResetAppSettingsForTest();
    ResetSharedState();
}

void SaverTest::WriteSettings(const std::vector<std::string>& initLines) {
    std::string text = "[INIT]\r\n";
    for (const auto& line : initLines) text += line + "\r\n";
    profile_.SetText(kIniFile, text);
}

void SaverTest::SetPasswordOption(const std::optional<OptionValue>& value) {
    // A store of its own for each setting: the value is there exactly as asked, or not at all.
    registry_ = platform::MakePortableRegistry(registryDir_.File("registry" + std::to_string(++registryStores_)));
    os.UseRegistry(registry_.get());
    if (!value) return;
    platform::RegKey key = 0;
    ASSERT_EQ(registry_->RegCreateKeyEx(platform::kHkeyCurrentUser, "Control Panel\\Desktop", 0x2003F, key), 0);
    const auto* data = reinterpret_cast<const std::uint8_t*>(value->bytes.data());
    EXPECT_EQ(registry_->RegSetValueEx(key, "ScreenSaveUsePassword", value->type, data,
                                       static_cast<std::uint32_t>(value->bytes.size())),
              0);
    registry_->RegCloseKey(key);
}

std::string SaverTest::PicturePath(const std::string& name) {
    return std::string(QS_TEST_DATA_DIR) + "/saver/" + name;
}

} // namespace qs::test
