// The settings file takes the profile functions' Unicode form before the first write, exactly
// when a value written does not fit the system's code page.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>

#include "settings/cls_settings.h"
#include "support/settings_fixture.h"

namespace qs::test {
namespace {

using SettingsFileForm = SettingsFixture;

TEST_F(SettingsFileForm, TurnsUnicodeBeforeWritingOnlyWhatTheCodePageCannotHold) {
    const std::string greek = "C:\\\xCE\xA6\xCF\x89\\\xE5\x86\x99.jpg";
    const std::tuple<std::string, std::string, bool, bool> cases[] = { // file, path added, discarded, Unicode
        {"", "C:\\a.jpg", false, false}, {"", greek, false, true}, {"", greek, true, false},
        {"[INIT]\r\nPictureCount_0=1\r\nFileSpec_1=" + greek + "\r\n", "", false, false}}; // unchanged: not written
    for (const auto& [file, added, discard, unicode] : cases) {
        SetFile(file), profile.unicodeForm.clear(), profile.writes.clear();
        {
            ClsSettings settings;
            if (!added.empty()) settings.setFileSpec(1, added);
            DiscardSettings = discard;
        }
        using Forms = std::map<std::string, std::size_t>; // file -> writes before it turned
        EXPECT_EQ(profile.unicodeForm, (unicode ? Forms{{kIniFile, 0}} : Forms{})) << added;
        DiscardSettings = true;
        EXPECT_EQ(ClsSettings().fileSpec(1), discard ? "" : added.empty() ? greek : added);
    }
}

} // namespace
} // namespace qs::test
