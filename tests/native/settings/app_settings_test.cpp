// The single settings object of the process: created on first access, released once.
#include <gtest/gtest.h>

#include "settings/app_settings.h"
#include "settings/settings_file_path.h"
#include "support/settings_fixture.h"

namespace {

class AppSettingsLifetime : public qs::test::SettingsFixture {};

TEST_F(AppSettingsLifetime, FirstAccessReadsTheFileOnce) {
    SetFile("[INIT]\r\nDelay_0=30\r\n");
    EXPECT_TRUE(profile.calls.empty()) << "nothing is read before the first access";
    EXPECT_EQ(qs::AppSettings().Delay(), 30);
    const std::size_t reads = profile.calls.size();
    EXPECT_EQ(reads, 6u);
    qs::AppSettings().Delay(40);
    EXPECT_EQ(&qs::AppSettings(), &qs::AppSettings());
    EXPECT_EQ(qs::AppSettings().Delay(), 40);
    EXPECT_EQ(profile.calls.size(), reads);
}

TEST_F(AppSettingsLifetime, ReleaseWritesBackAndTheNextAccessReadsAnew) {
    qs::AppSettings().Delay(40);
    qs::ReleaseAppSettings();
    EXPECT_EQ(profile.Keys(true).size(), 6u);
    profile.calls.clear();
    EXPECT_EQ(qs::AppSettings().Delay(), 40);
    EXPECT_EQ(profile.Keys(false).size(), 6u);
}

TEST_F(AppSettingsLifetime, ReleaseWhileDiscardingWritesNothing) {
    qs::AppSettings().Delay(40);
    qs::DiscardSettings = true;
    qs::ReleaseAppSettings();
    EXPECT_TRUE(profile.Keys(true).empty());
    EXPECT_FALSE(profile.Has(kIniFile));
}

TEST_F(AppSettingsLifetime, ResetForTestsWritesNothingAndKeepsTheFlag) {
    qs::AppSettings().Delay(40);
    qs::ResetAppSettingsForTest();
    EXPECT_TRUE(profile.Keys(true).empty());
    EXPECT_FALSE(qs::DiscardSettings);
    EXPECT_EQ(qs::AppSettings().Delay(), 10);
}

TEST_F(AppSettingsLifetime, ReleasingWhatWasNeverCreatedDoesNothing) {
    qs::ReleaseAppSettings();
    EXPECT_TRUE(profile.calls.empty());
}

struct PathCase {
    const char* executable;
    const char* iniFile;
};

TEST_F(AppSettingsLifetime, TheSettingsFileIsNamedAfterTheExecutable) {
    const PathCase cases[] = {
        {"D:\\SAVERS\\SLIDES.SCR", "D:\\SAVERS\\SLIDES.INI"},
        {"C:\\Windows\\System32\\QuilloSlides.scr", "C:\\Windows\\System32\\QuilloSlides.INI"},
        {"D:\\SLIDES.SCR", "D:\\\\SLIDES.INI"}, // a root folder keeps its separator
        {"C:\\a.b\\my.saver.scr", "C:\\a.b\\my.saver.INI"},
        {"C:\\dir\\NOEXT", "C:\\dir\\NOEXT.INI"},
        {"/home/u/bin/QuilloSlides", "/home/u/bin\\QuilloSlides.INI"},
        {"/QuilloSlides.scr", "/\\QuilloSlides.INI"},
        {"QuilloSlides.scr", "\\QuilloSlides.INI"},
    };
    for (const PathCase& c : cases) {
        os.process.executablePath = c.executable;
        EXPECT_EQ(qs::SettingsFilePath(), c.iniFile) << c.executable;
        EXPECT_EQ(qs::AppSettings().INIFile(), c.iniFile) << c.executable;
    }
}

} // namespace
