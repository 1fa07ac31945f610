// The windows Main opens for the saver's switches, through the installed mode windows.
#include <gtest/gtest.h>

#include <string>

#include "app/main_module.h"
#include "app/mode_windows.h"
#include "saver_fixture.h"
#include "ui/modes/mode_windows.h"
#include "ui/saver/control_form.h"
#include "ui/saver/main_form.h"

namespace qs::test {
namespace {

class ModeWindows : public SaverTest {
protected:
    ModeWindows() { ui::InstallModeWindows(); }
    ~ModeWindows() override { app::SetModeWindows(nullptr); }
    tk::Form* RunMain(const std::string& arguments) {
        os.process.arguments = arguments;
        MainModule::Main();
        EXPECT_LE(tk::LoadedForms().size(), 1u);
        return tk::LoadedForms().empty() ? nullptr : tk::LoadedForms().front();
    }
};

TEST_F(ModeWindows, FullScreenShowsTheMainFormUnlessOneIsUpAlready) {
    auto* form = dynamic_cast<ui::MainForm*>(RunMain("/s"));
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->Visible());
    form->Unload();
    os.system.AddWindow("Quillo ScrSav Main Form");
    EXPECT_EQ(RunMain("/S"), nullptr);
}

TEST_F(ModeWindows, PreviewLoadsTheHiddenControlFormForTheHost) {
    const platform::WindowHandle host = os.system.AddWindow("host", platform::RectPx{0, 0, 152, 112});
    auto* form = dynamic_cast<ui::ControlForm*>(RunMain("/P " + std::to_string(host)));
    ASSERT_NE(form, nullptr);
    EXPECT_FALSE(form->Visible());
    EXPECT_EQ(PreviewHost, host);
    EXPECT_EQ(form->Picture1.Width(), 2280);
}

} // namespace
} // namespace qs::test
