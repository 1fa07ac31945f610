// SettingsFixture: a test with doubles for every service, the settings file held in
// memory (MemoryProfileFile) at the path FakeProcess's executable gives, and the
// process-wide flags back at their start values before and after.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "scoped_services.h"
#include "settings/app_settings.h"
#include "settings/shared_state.h"
#include "settings_memory_profile.h"

namespace qs::test {

class SettingsFixture : public testing::Test {
protected:
    SettingsFixture() {
        ResetSharedState();
        ResetAppSettingsForTest();
        os.UseProfile(&profile);
    }
    ~SettingsFixture() override {
        ResetAppSettingsForTest();
        ResetSharedState();
    }

    void SetFile(const std::string& text) { profile.SetText(kIniFile, text); }
    std::string FileText() const { return profile.Text(kIniFile); }

    static constexpr const char* kIniFile = "C:\\SAVERS\\QuilloSlides.INI";

    ScopedServices os;
    MemoryProfileFile profile;
};

} // namespace qs::test
