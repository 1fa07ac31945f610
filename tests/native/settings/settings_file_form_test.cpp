// The form of the settings file: the profile functions' Unicode form, taken before the first
// write, exactly when a value written does not fit the system's code page.
#include <gtest/gtest.h>

#include <string>

#include "settings/cls_settings.h"
#include "settings/shared_state.h"
#include "support/settings_fixture.h"

namespace qs::test {
namespace {

using SettingsFileForm = SettingsFixture;

TEST_F(SettingsFileForm, TurnsUnicodeBeforeWritingOnlyWhatTheCodePageCannotHold) {
    const std::string greek = "C:\\\xCE\xA6\xCF\x89\xCF\x84\xCE\xBF\\\xE5\x86\x99.jpg";
    const std::string readGreek = "[INIT]\r\nPictureCount_0=1\r\nFileSpec_1=" + greek + "\r\n";
    struct Case {
        std::string file, added;
        bool discard, unicode;
    };
    const Case cases[] = {{"[INIT]\r\n", "C:\\a.jpg", false, false},
                          {"[INIT]\r\n", greek, false, true},
                          {"[INIT]\r\n", greek, true, false},
                          {readGreek, "", false, false}}; // read and written back unchanged: not written
    for (const Case& c : cases) {
        SetFile(c.file);
        profile.unicodeForm.clear();
        profile.writes.clear();
        {
            ClsSettings settings;
            if (!c.added.empty()) settings.setFileSpec(settings.pictureCount() + 1, c.added);
            DiscardSettings = c.discard;
        }
        EXPECT_EQ(profile.unicodeForm.count(kIniFile), c.unicode ? 1u : 0u) << c.added;
        if (c.unicode) {
            EXPECT_EQ(profile.unicodeForm[kIniFile], 0u) << "before the first write";
        }
        DiscardSettings = true;
        EXPECT_EQ(ClsSettings().fileSpec(1), c.discard ? "" : c.added.empty() ? greek : c.added);
    }
}

} // namespace
} // namespace qs::test
