// The settings switch end to end on the headless toolkit: "/C", "/c:<handle>" and an
// empty command line open the settings dialog modeless and without an owner; the run
// ends when it closes, and only an OK leaves the settings to be written.
#include <gtest/gtest.h>

#include <string>

#include "app/main_module.h"
#include "app/mode_windows.h"
#include "config_fixture.h"
#include "toolkit/application.h"
#include "ui/modes/mode_windows.h"

namespace qs::test {
namespace {

class SettingsSwitch : public ConfigDialogTest, public ::testing::WithParamInterface<const char*> {
protected:
    SettingsSwitch() { ui::InstallModeWindows(); }
    ~SettingsSwitch() override { app::SetModeWindows(nullptr); }

    ui::frmConfig* RunMain() {
        os.process.arguments = GetParam();
        MainModule::Main();
        if (tk::LoadedForms().size() != 1) return nullptr;
        return dynamic_cast<ui::frmConfig*>(tk::LoadedForms().front());
    }
};

TEST_P(SettingsSwitch, OpensTheDialogModelessAndOwnerless) {
    ui::frmConfig* dialog = RunMain();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->Visible());
    EXPECT_TRUE(ui().modalForms().empty());
    EXPECT_TRUE(DiscardSettings);
}

TEST_P(SettingsSwitch, TheRunEndsWhenTheDialogClosesAndOnlyOkWrites) {
    WriteSettings("Delay_0=12\r\n");
    ui::frmConfig* dialog = RunMain();
    ASSERT_NE(dialog, nullptr);
    ui().onMessageLoop = [&] { dialog->cmdCancel.userClick(); };
    tk::RunMessageLoop();
    EXPECT_TRUE(tk::LoadedForms().empty());
    EXPECT_FALSE(ui().messageLoopHitLimit());
    EXPECT_TRUE(Release().empty());
}

TEST_P(SettingsSwitch, OkLeavesTheSettingsToBeWrittenAtTheEnd) {
    WriteSettings("Delay_0=12\r\n");
    ui::frmConfig* dialog = RunMain();
    ASSERT_NE(dialog, nullptr);
    ui().onMessageLoop = [&] {
        dialog->upDown.userLineUp();
        dialog->cmdOK.userClick();
    };
    tk::RunMessageLoop();
    EXPECT_TRUE(tk::LoadedForms().empty());
    Release();
    EXPECT_EQ(IniValue("Delay_0"), "13");
}

INSTANTIATE_TEST_SUITE_P(Switches, SettingsSwitch, ::testing::Values("/C", "/c:1234", "", "/c"),
                         [](const auto& info) { return "Switch" + std::to_string(info.index); });

} // namespace
} // namespace qs::test
