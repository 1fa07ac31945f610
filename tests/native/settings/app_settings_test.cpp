// The single settings object of the process: created on first access, released once.
#include <gtest/gtest.h>

#include "settings/app_settings.h"
#include "settings/settings_file_path.h"
#include "support/settings_fixture.h"

namespace {

class AppSettingsLifetime : public qs::test::SettingsFixture {};

TEST_F(AppSettingsLifetime, IsReadOnceAtFirstAccessAndWrittenOnceAtRelease) {
    SetFile("[INIT]\r\nDelay_0=30\r\n");
    qs::ReleaseAppSettings();
    EXPECT_TRUE(profile.calls.empty()) << "releasing what was never created does nothing";
    EXPECT_EQ(qs::AppSettings().Delay(), 30);
    EXPECT_EQ(profile.Keys(false).size(), 6u);
    qs::AppSettings().Delay(40);
    EXPECT_EQ(&qs::AppSettings(), &qs::AppSettings());
    EXPECT_EQ(profile.calls.size(), 6u);
    qs::ReleaseAppSettings();
    EXPECT_EQ(profile.Keys(true).size(), 6u);
    EXPECT_EQ(qs::AppSettings().Delay(), 40) << "the next access reads anew";
    EXPECT_EQ(profile.Keys(false).size(), 12u);
}

TEST_F(AppSettingsLifetime, NeitherADiscardingReleaseNorATestResetWritesAnything) {
    qs::AppSettings().Delay(40);
    qs::ResetAppSettingsForTest();
    EXPECT_FALSE(qs::DiscardSettings);
    EXPECT_EQ(qs::AppSettings().Delay(), 10);
    qs::AppSettings().Delay(40);
    qs::DiscardSettings = true;
    qs::ReleaseAppSettings();
    EXPECT_TRUE(profile.Keys(true).empty());
    EXPECT_FALSE(profile.Has(kIniFile));
}

TEST_F(AppSettingsLifetime, TheSettingsFileIsNamedAfterTheExecutable) {
    const std::pair<const char*, const char*> cases[] = {
        {"D:\\SAVERS\\SLIDES.SCR", "D:\\SAVERS\\SLIDES.INI"}, {"C:\\a.b\\my.saver.scr", "C:\\a.b\\my.saver.INI"},
        {"D:\\SLIDES.SCR", "D:\\\\SLIDES.INI"}, {"/QuilloSlides.scr", "/\\QuilloSlides.INI"}, // a root keeps its separator
        {"C:\\dir\\NOEXT", "C:\\dir\\NOEXT.INI"}, {"/home/u/bin/QuilloSlides", "/home/u/bin\\QuilloSlides.INI"},
        {"QuilloSlides.scr", "\\QuilloSlides.INI"}};
    for (const auto& [executable, iniFile] : cases) {
        os.process.executablePath = executable;
        EXPECT_EQ(qs::SettingsFilePath(), iniFile) << executable;
        EXPECT_EQ(qs::AppSettings().INIFile(), iniFile) << executable;
    }
}

} // namespace
