// Doubles for every service, the settings file in memory at the path FakeProcess's executable
// gives, and the process-wide state at its start values before and after each test.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "scoped_services.h"
#include "settings/app_settings.h"
#include "settings/shared_state.h"

namespace qs::test {

inline void ResetSharedState() {
    LastSlideTime = 0.0;
    DiscardSettings = false;
}

// Drops the settings object without writing anything, so the next access reads afresh.
inline void ResetAppSettings() {
    const bool discard = DiscardSettings;
    DiscardSettings = true;
    ReleaseAppSettings();
    DiscardSettings = discard;
}

class SettingsFixture : public testing::Test {
protected:
    SettingsFixture() { Reset(); }
    ~SettingsFixture() override { Reset(); }
    static void Reset() {
        ResetAppSettings();
        ResetSharedState();
    }

    void SetFile(const std::string& text) { profile.SetText(kIniFile, text); }
    void WriteSettings(const std::string& lines) { SetFile("[INIT]\r\n" + lines); }
    std::string FileText() const { return profile.Text(kIniFile); }

    static constexpr const char* kIniFile = "C:\\SAVERS\\QuilloSlides.INI";

    ScopedServices os;
    MemoryProfileFile& profile = os.profile;
};

} // namespace qs::test
