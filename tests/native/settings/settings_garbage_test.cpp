// Damaged settings files, read and written through the portable profile functions on
// real files (named with the program's "\" separators).
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>

#include "platform/profile_portable.h"
#include "settings/cls_settings.h"
#include "support/settings_fixture.h"
#include "support/settings_temp_dir.h"

namespace {

using qs::ClsSettings;

class SettingsGarbage : public qs::test::SettingsFixture {
protected:
    SettingsGarbage() {
        os.UseProfile(portable_.get());
        os.process.executablePath = dir_.File("QuilloSlides.scr");
    }
    qs::test::SettingsTempDir dir_;
    std::unique_ptr<qs::platform::ProfileFile> portable_ = qs::platform::MakePortableProfileFile();
};

TEST_F(SettingsGarbage, BinaryNoiseAroundTheSettingsReadsAndWritesBackTheSame) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 generator(seed);
        std::string noise(4096, '\0');
        for (char& c : noise) c = static_cast<char>(generator() & 0xFF);
        dir_.WriteBytes("QuilloSlides.INI", noise + "\r\n[INIT]\r\nDelay_0=33\r\nBGColor_0=255\r\n" + noise + "\r\n");
        std::int32_t delay = 0;
        {
            ClsSettings settings;
            delay = settings.Delay();
            EXPECT_TRUE(delay >= 2 && delay <= 1000) << delay;
        }
        EXPECT_EQ(ClsSettings().Delay(), delay) << "seed " << seed;
        EXPECT_EQ(dir_.FileCount(), 1u) << "no temporary file is left behind";
    }
}

TEST_F(SettingsGarbage, AFolderInPlaceOfTheFileGivesTheDefaultsAndStays) {
    std::filesystem::create_directory(dir_.HostPath() / "QuilloSlides.INI");
    {
        ClsSettings settings;
        EXPECT_EQ(settings.Delay(), 10);
        settings.Delay(20);
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir_.HostPath() / "QuilloSlides.INI"));
    EXPECT_EQ(dir_.FileCount(), 1u) << "no temporary file is left behind";
}

} // namespace
