// The windows Main opens for the saver's switches, through the installed mode windows.
#include <gtest/gtest.h>

#include <string>

#include "app/main_module.h"
#include "app/mode_windows.h"
#include "saver_fixture.h"
#include "settings/shared_state.h"
#include "toolkit/application.h"
#include "ui/modes/mode_windows.h"
#include "ui/saver/control_form.h"
#include "ui/saver/main_form.h"

namespace qs::test {
namespace {

class ModeWindows : public SaverTest {
protected:
    ModeWindows() {
        WriteSettings({"Delay_0=10"});
        ui::InstallModeWindows();
    }
    ~ModeWindows() override { app::SetModeWindows(nullptr); }

    void RunMain(const std::string& arguments) {
        os.process.arguments = arguments;
        MainModule::Main();
    }
    template <class F>
    F* Loaded() {
        for (tk::Form* form : tk::LoadedForms()) {
            if (auto* f = dynamic_cast<F*>(form)) return f;
        }
        return nullptr;
    }
};

TEST_F(ModeWindows, FullScreenShowsTheMainForm) {
    RunMain("/s");
    ASSERT_EQ(tk::LoadedForms().size(), 1u);
    ui::MainForm* form = Loaded<ui::MainForm>();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->Visible());
}

TEST_F(ModeWindows, PreviewLoadsTheHiddenControlFormForTheHost) {
    const platform::WindowHandle host = os.system.AddWindow("host", platform::RectPx{0, 0, 152, 112});
    RunMain("/P " + std::to_string(host));
    ASSERT_EQ(tk::LoadedForms().size(), 1u);
    ui::ControlForm* form = Loaded<ui::ControlForm>();
    ASSERT_NE(form, nullptr);
    EXPECT_FALSE(form->Visible());
    EXPECT_EQ(PreviewHost, host);
    EXPECT_EQ(form->Picture1.Width(), 2280);
}

TEST_F(ModeWindows, ASecondFullScreenStartFindsTheFirstByItsCaption) {
    os.system.AddWindow("Quillo ScrSav Main Form");
    RunMain("/S");
    EXPECT_TRUE(tk::LoadedForms().empty());
}

} // namespace
} // namespace qs::test
