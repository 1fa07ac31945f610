// The single settings object of the process: created on first access, released once.
#include <gtest/gtest.h>

#include "settings/app_settings.h"
#include "settings/settings_file_path.h"
#include "support/settings_fixture.h"

namespace qs::test {
namespace {

using AppSettingsLifetime = SettingsFixture;

TEST_F(AppSettingsLifetime, IsReadOnceAtFirstAccessAndWrittenOnceAtRelease) {
    SetFile("[INIT]\r\nDelay_0=30\r\n");
    ReleaseAppSettings();
    EXPECT_EQ(FileText(), "[INIT]\r\nDelay_0=30\r\n") << "releasing what was never created does nothing";
    EXPECT_EQ(AppSettings().delay(), 30);
    SetFile("[INIT]\r\nDelay_0=50\r\n");
    AppSettings().setDelay(40);
    EXPECT_EQ(AppSettings().delay(), 40) << "one object, read once";
    ReleaseAppSettings();
    EXPECT_NE(FileText().find("Delay_0=40\r\n"), std::string::npos);
    SetFile("[INIT]\r\nDelay_0=60\r\n");
    EXPECT_EQ(AppSettings().delay(), 60) << "the next access reads anew";
    AppSettings().setDelay(40);
    DiscardSettings = true;
    ReleaseAppSettings();
    EXPECT_EQ(FileText(), "[INIT]\r\nDelay_0=60\r\n") << "a discarding release writes nothing";
}

TEST_F(AppSettingsLifetime, TheSettingsFileIsNamedAfterTheExecutable) {
    const std::pair<const char*, const char*> cases[] = {
        {"D:\\SAVERS\\SLIDES.SCR", "D:\\SAVERS\\SLIDES.INI"}, {"C:\\a.b\\my.saver.scr", "C:\\a.b\\my.saver.INI"},
        {"D:\\SLIDES.SCR", "D:\\\\SLIDES.INI"}, {"/QuilloSlides.scr", "/\\QuilloSlides.INI"}, // a root keeps its separator
        {"C:\\dir\\NOEXT", "C:\\dir\\NOEXT.INI"}, {"/home/u/bin/QuilloSlides", "/home/u/bin\\QuilloSlides.INI"},
        {"QuilloSlides.scr", "\\QuilloSlides.INI"}};
    for (const auto& [executable, iniFile] : cases) {
        os.process.executablePath = executable;
        EXPECT_EQ(SettingsFilePath(), iniFile) << executable;
        EXPECT_EQ(AppSettings().iniFile(), iniFile) << executable;
    }
}

} // namespace
} // namespace qs::test
