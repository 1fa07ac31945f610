// Loading, showing, modal forms and the one path of every close: Form_QueryUnload,
// then Form_Unload, either of which may cancel.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "probe_forms.h"
#include "support/toolkit_fixture.h"

namespace qs::test {
namespace {

bool IsLoaded(const tk::Form& form) {
    const auto& forms = tk::LoadedForms();
    return std::find(forms.begin(), forms.end(), &form) != forms.end();
}

// A form whose controls are declared out of tree order: a frame, a button on the
// form, then a child of the frame created later.
class NestedForm : public LifecycleForm {
public:
    NestedForm() : LifecycleForm("NestedForm") {
        onLoad = [this] {
            for (tk::Component* c : components())
                if (!c->peer()) log.push_back("no peer: " + c->Name());
        };
        labels.add(*this, "lblName", "first", 0, 0, 100, 100, 0);
    }
    tk::Frame outer{*this, "Outer", "", 0, 0, 2000, 2000};
    tk::CommandButton button{*this, "Button", "", 0, 0, 100, 100};
    tk::PictureBox inner{outer, "Inner", 0, 0, 500, 500};
    tk::Image image{inner, "Image", 0, 0, 100, 100};
    tk::Timer timer{*this, "Timer", 50};
    tk::ControlArray<tk::Label> labels;
};

TEST_F(ToolkitTest, LoadCreatesPeersFormFirstThenInCreationOrderAndRunsFormLoad) {
    NestedForm form;
    form.Load();
    EXPECT_EQ(ui().peerCreations(),
              (std::vector<std::string>{"NestedForm", "Outer", "Button", "Inner", "Image", "Timer", "lblName(0)"}))
        << "the array element is made in the constructor's body, after the members";
    EXPECT_EQ(form.log, (Log{"Form_Load"})) << "every peer exists before Form_Load";
    EXPECT_TRUE(form.IsLoaded());
    EXPECT_FALSE(form.Visible());
    EXPECT_TRUE(IsLoaded(form));
    EXPECT_EQ(ui().syncs(form.outer).front().what, tk::Prop::Created);

    form.Load();
    EXPECT_EQ(form.log.size(), 1u) << "a second Load does nothing";
}

TEST_F(ToolkitTest, ShowLoadsActivatesAndFocusesFirstControlInTabOrder) {
    ControlsForm form;
    SetTabOrder({&form.cancel, &form.chk, &form.txt, &form.bar, &form.list, &form.checks, &form.ok});
    form.Show();
    EXPECT_EQ(form.log, (Log{"Form_Load", "Form_Activate", "cmdCancel_GotFocus"}));
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(form.ActiveControl(), &form.cancel);
    form.Show();
    EXPECT_EQ(form.log.size(), 3u) << "showing a shown form again runs nothing";
}

TEST_F(ToolkitTest, RunTimeArrayElementGetsPeerAtOnceAndStartsHidden) {
    NestedForm form;
    form.Load();
    tk::Label& second = form.labels.Load(1);
    EXPECT_NE(second.peer(), nullptr);
    EXPECT_FALSE(second.Visible());
    EXPECT_EQ(second.Caption(), "first");
    EXPECT_EQ(ui().peerCreations().back(), "lblName(1)");
    EXPECT_EQ(form.labels.UBound(), 1);
}

struct CloseCase {
    const char* name;
    std::int16_t cancelQuery;
    std::int16_t cancelUnload;
    Log expectedLog;
    bool closes;
};

class CloseTest : public ToolkitTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseTest, QueryUnloadThenUnloadEitherMayCancel) {
    const CloseCase& c = GetParam();
    ControlsForm form;
    form.timer.setEnabled(true);
    form.Show();
    form.log.clear();
    form.cancelQuery = c.cancelQuery;
    form.cancelUnload = c.cancelUnload;

    EXPECT_EQ(form.Unload(), c.closes);

    EXPECT_EQ(form.log, c.expectedLog);
    EXPECT_EQ(form.unloadModes, (std::vector<int>{tk::vbFormCode}));
    EXPECT_EQ(form.IsLoaded(), !c.closes);
    EXPECT_EQ(IsLoaded(form), !c.closes);
    EXPECT_EQ(form.peer() == nullptr, c.closes);
    EXPECT_EQ(form.ok.peer() == nullptr, c.closes);
    EXPECT_EQ(ui().nextDue(form.timer).has_value(), !c.closes) << "closing stops the form's timers";
    EXPECT_EQ(ui().unloadedForms().size(), c.closes ? 1u : 0u);
    EXPECT_EQ(form.Visible(), !c.closes);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, CloseTest,
    ::testing::Values(CloseCase{"Closes", 0, 0, {"Form_QueryUnload", "Form_Unload"}, true},
                      CloseCase{"QueryUnloadCancels", 1, 0, {"Form_QueryUnload"}, false},
                      CloseCase{"AnyNonZeroCancels", -1, 0, {"Form_QueryUnload"}, false},
                      CloseCase{"UnloadCancels", 0, 1, {"Form_QueryUnload", "Form_Unload"}, false}),
    [](const ::testing::TestParamInfo<CloseCase>& info) { return std::string(info.param.name); });

TEST_F(ToolkitTest, CancelledCloseCanBeRepeated) {
    LifecycleForm form;
    form.Show();
    form.cancelQuery = 1;
    EXPECT_FALSE(form.userClose());
    form.cancelQuery = 0;
    EXPECT_TRUE(form.userClose());
    EXPECT_EQ(form.unloadModes, (std::vector<int>{tk::vbFormControlMenu, tk::vbFormControlMenu}));
    EXPECT_FALSE(form.IsLoaded());
}

TEST_F(ToolkitTest, CloseBoxOfDisabledFormDoesNothingButSessionEndStillCloses) {
    LifecycleForm form;
    form.Show();
    form.setEnabled(false);
    EXPECT_FALSE(form.userClose());
    EXPECT_TRUE(form.IsLoaded());
    EXPECT_TRUE(form.userClose(tk::vbAppWindows));
    EXPECT_EQ(form.unloadModes, (std::vector<int>{tk::vbAppWindows}));
}

TEST_F(ToolkitTest, UnloadOfFormNotLoadedRunsNothing) {
    LifecycleForm form;
    EXPECT_TRUE(form.Unload());
    EXPECT_TRUE(form.log.empty());
}

TEST_F(ToolkitTest, UnloadRequestedWhileUnloadingDoesNothing) {
    LifecycleForm form;
    form.Show();
    std::vector<bool> nested;
    form.onQueryUnload = [&] { nested.push_back(form.Unload()); };
    form.onUnload = [&] { nested.push_back(form.userClose()); };
    EXPECT_TRUE(form.Unload());
    EXPECT_EQ(nested, (std::vector<bool>{false, false}));
    EXPECT_EQ(form.log, (Log{"Form_Load", "Form_Activate", "Form_QueryUnload", "Form_Unload"}));
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(ui().unloadedForms().size(), 1u);
}

TEST_F(ToolkitTest, FormCanBeLoadedAgainAfterUnloadWithNewWindows) {
    ControlsForm form;
    form.Show();
    const platform::WindowHandle first = form.hWnd();
    const platform::WindowHandle firstList = form.list.peer()->hwnd();
    ASSERT_TRUE(form.Unload());
    EXPECT_EQ(form.hWnd(), 0u);
    form.Show();
    EXPECT_NE(form.hWnd(), 0u);
    EXPECT_NE(form.hWnd(), first);
    EXPECT_NE(form.list.peer()->hwnd(), firstList);
}

TEST_F(ToolkitTest, WindowedControlsHaveUniqueHandlesAndWindowlessOnesNone) {
    NestedForm form;
    form.Load();
    const std::set<platform::WindowHandle> handles{form.hWnd(), form.outer.peer()->hwnd(),
                                                   form.button.peer()->hwnd(), form.inner.hWnd()};
    EXPECT_EQ(handles.size(), 4u);
    EXPECT_EQ(handles.count(0), 0u);
    EXPECT_EQ(form.image.peer()->hwnd(), 0u);
    EXPECT_EQ(form.labels[0].peer()->hwnd(), 0u);
    EXPECT_EQ(form.timer.peer()->hwnd(), 0u);
}

TEST_F(ToolkitTest, FormDestroyedWhileLoadedRunsNoHandlers) {
    Log log;
    {
        LifecycleForm form("Doomed");
        form.Show();
        form.onQueryUnload = [&] { log.push_back("QueryUnload"); };
        form.onUnload = [&] { log.push_back("Unload"); };
        ASSERT_TRUE(IsLoaded(form));
    }
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(tk::LoadedForms().empty());
    EXPECT_EQ(ui().unloadedForms(), (std::vector<std::string>{"Doomed"}));
}

TEST_F(ToolkitTest, FormLoadThatUnloadsKeepsFormHidden) {
    LifecycleForm form;
    form.onLoad = [&] { form.Unload(); };
    form.Show();
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(form.log, (Log{"Form_Load", "Form_QueryUnload", "Form_Unload"}));
}

TEST_F(ToolkitTest, HideKeepsFormLoaded) {
    LifecycleForm form;
    form.Show();
    form.Hide();
    EXPECT_FALSE(form.Visible());
    EXPECT_TRUE(form.IsLoaded());
}

TEST_F(ToolkitTest, ModalShowRunsHookWithOwnerDisabledAndReturnsAfterIt) {
    LifecycleForm owner("Owner");
    LifecycleForm dialog("Dialog");
    owner.Show();
    bool ownerEnabledInside = true;
    bool dialogShownInside = false;
    ui().onModal = [&](tk::Form& f) {
        EXPECT_EQ(&f, &dialog);
        ownerEnabledInside = owner.Enabled();
        dialogShownInside = dialog.Visible();
        f.Unload();
    };
    dialog.Show(true, &owner);
    EXPECT_FALSE(ownerEnabledInside);
    EXPECT_TRUE(dialogShownInside);
    EXPECT_TRUE(owner.Enabled());
    EXPECT_FALSE(dialog.IsLoaded());
    EXPECT_EQ(ui().modalForms(), (std::vector<std::string>{"Dialog"}));
}

TEST_F(ToolkitTest, ModalShowWithoutHookReturnsAtOnceLeavingFormShown) {
    LifecycleForm owner("Owner");
    LifecycleForm dialog("Dialog");
    owner.Show();
    dialog.Show(true, &owner);
    EXPECT_TRUE(dialog.IsLoaded());
    EXPECT_TRUE(dialog.Visible());
    EXPECT_TRUE(owner.Enabled());
    EXPECT_EQ(ui().modalForms(), (std::vector<std::string>{"Dialog"}));
}

TEST_F(ToolkitTest, OtherFormsTimersFireWhileModalFormIsUp) {
    ControlsForm owner;
    LifecycleForm dialog("Dialog");
    owner.timer.setEnabled(true);
    owner.Show();
    owner.log.clear();
    ui().onModal = [&](tk::Form& f) {
        ui().advance(250);
        EXPECT_FALSE(owner.userKey(tk::vbKeyEscape, 0)) << "the owner takes no input";
        owner.cancel.userClick();
        f.Unload();
    };
    dialog.Show(true, &owner);
    EXPECT_EQ(owner.log, (Log{"Timer1_Timer", "Timer1_Timer"}));
}

TEST_F(ToolkitTest, ModalFormDestroyedInsideHookLeavesOwnerEnabled) {
    LifecycleForm owner("Owner");
    owner.Show();
    auto dialog = std::make_unique<LifecycleForm>("Dialog");
    LifecycleForm* shown = dialog.get();
    ui().onModal = [&](tk::Form&) { ui().onModal = nullptr; };
    shown->Show(true, &owner);
    dialog.reset();
    EXPECT_TRUE(owner.Enabled());
    EXPECT_EQ(tk::LoadedForms(), (std::vector<tk::Form*>{&owner}));
}

TEST_F(ToolkitTest, CenteredFormSitsInTheMiddleOfTheScreen) {
    LifecycleForm form;
    form.setBorderStyle(tk::BorderStyle::FixedDialog);
    form.setStartUpPosition(tk::StartUpPosition::CenterScreen);
    form.setClientSize(6000, 4000);
    form.Load();
    EXPECT_FLOAT_EQ(form.Left(), (tk::Screen::Width() - form.Width()) / 2);
    EXPECT_FLOAT_EQ(form.Top(), (tk::Screen::Height() - form.Height()) / 2);
}

TEST_F(ToolkitTest, OuterSizeAddsTheFrameOfTheBorderStyle) {
    LifecycleForm form;
    for (auto style : {tk::BorderStyle::None, tk::BorderStyle::FixedSingle, tk::BorderStyle::Sizable,
                       tk::BorderStyle::FixedDialog}) {
        form.setBorderStyle(style);
        form.setClientSize(3000, 2000);
        const tk::SizeTwips extra = ui().formFrameExtra(form);
        EXPECT_FLOAT_EQ(form.Width(), 3000 + extra.Width);
        EXPECT_FLOAT_EQ(form.Height(), 2000 + extra.Height);
        form.Move(10, 20, 5000, 4000);
        EXPECT_FLOAT_EQ(form.ScaleWidth(), 5000 - extra.Width);
        EXPECT_FLOAT_EQ(form.ScaleHeight(), 4000 - extra.Height);
    }
    form.setBorderStyle(tk::BorderStyle::None);
    EXPECT_FLOAT_EQ(ui().formFrameExtra(form).Width, 0);
    EXPECT_FLOAT_EQ(ui().formFrameExtra(form).Height, 0);
}

TEST_F(ToolkitTest, KeptFormsLiveUntilReleased) {
    auto& form = tk::NewForm<LifecycleForm>("Kept");
    form.Show();
    EXPECT_TRUE(IsLoaded(form));
    tk::releaseKeptForms();
    EXPECT_TRUE(tk::LoadedForms().empty());
    EXPECT_EQ(ui().unloadedForms(), (std::vector<std::string>{"Kept"}));
}

TEST_F(ToolkitTest, MessageLoopRunsTimersUntilLastFormUnloads) {
    ControlsForm form;
    form.timer.setEnabled(true);
    int ticks = 0;
    form.timer.Tick = [&] {
        if (++ticks == 5) form.Unload();
    };
    form.Show();
    tk::RunMessageLoop();
    EXPECT_EQ(ticks, 5);
    EXPECT_EQ(ui().nowMs(), 500u);
    EXPECT_FALSE(ui().messageLoopHitLimit());
}

TEST_F(ToolkitTest, MessageLoopRunsItsHookAndReturnsWhenNothingCanHappen) {
    LifecycleForm form;
    form.Show();
    bool hookRan = false;
    ui().onMessageLoop = [&] { hookRan = true; };
    tk::RunMessageLoop();
    EXPECT_TRUE(hookRan);
    EXPECT_TRUE(form.IsLoaded()) << "no timer runs: the loop returns instead of waiting forever";
    EXPECT_EQ(ui().nowMs(), 0u);
}

TEST_F(ToolkitTest, MessageLoopStopsAtItsStepLimit) {
    ControlsForm form;
    form.timer.setEnabled(true);
    form.Show();
    ui().messageLoopStepLimit = 7;
    tk::RunMessageLoop();
    EXPECT_TRUE(ui().messageLoopHitLimit());
    EXPECT_EQ(ui().nowMs(), 700u);
}

TEST_F(ToolkitTest, MessageLoopWithoutFormsReturnsAtOnce) {
    tk::RunMessageLoop();
    EXPECT_FALSE(ui().messageLoopHitLimit());
}

} // namespace
} // namespace qs::test
