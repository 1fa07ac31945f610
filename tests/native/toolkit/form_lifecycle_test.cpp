// Loading, showing, modal forms, timers on the virtual clock, and the one path of every
// close: Form_QueryUnload, then Form_Unload, either of which may cancel.
#include <gtest/gtest.h>

#include <algorithm>

#include "probe_forms.h"
#include "support/toolkit_fixture.h"

namespace qs::test {
namespace {

bool IsLoaded(const tk::Form& form) {
    const auto& forms = tk::LoadedForms();
    return std::find(forms.begin(), forms.end(), &form) != forms.end();
}

// Controls declared out of tree order: a frame, a button on the form, then a child of
// the frame created later; the array element is made in the constructor's body.
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

TEST_F(ToolkitTest, LoadCreatesEveryPeerInCreationOrderBeforeFormLoad) {
    NestedForm form;
    form.Load();
    form.Load();
    EXPECT_EQ(ui().peerCreations(),
              (std::vector<std::string>{"NestedForm", "Outer", "Button", "Inner", "Image", "Timer", "lblName(0)"}));
    EXPECT_EQ(form.log, (Log{"Form_Load"})) << "every peer exists before Form_Load; a second Load does nothing";
    EXPECT_TRUE(IsLoaded(form));
    EXPECT_FALSE(form.Visible());
    tk::Label& second = form.labels.Load(1);
    EXPECT_EQ(ui().peerCreations().back(), "lblName(1)") << "a run-time element gets its peer at once";
    EXPECT_FALSE(second.Visible());
    EXPECT_EQ(second.Caption(), "first");
}

TEST_F(ToolkitTest, ShowLoadsActivatesAndFocusesTheFirstControlInTabOrder) {
    ControlsForm form;
    SetTabOrder({&form.cancel, &form.chk, &form.txt, &form.bar, &form.list, &form.checks, &form.ok});
    form.Show();
    form.Show();
    EXPECT_EQ(form.log, (Log{"Form_Load", "Form_Activate", "cmdCancel_GotFocus"})) << "a second Show runs nothing";
    EXPECT_EQ(form.ActiveControl(), &form.cancel);
    form.Hide();
    EXPECT_FALSE(form.Visible());
    EXPECT_TRUE(form.IsLoaded());
}

TEST_F(ToolkitTest, QueryUnloadThenUnloadEitherMayCancel) {
    const struct {
        std::int16_t cancelQuery, cancelUnload;
        Log expectedLog;
        bool closes;
    } cases[] = {{0, 0, {"Form_QueryUnload", "Form_Unload"}, true},
                 {1, 0, {"Form_QueryUnload"}, false},
                 {-1, 0, {"Form_QueryUnload"}, false}, // any non-zero value cancels
                 {0, 1, {"Form_QueryUnload", "Form_Unload"}, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.cancelQuery << "/" << c.cancelUnload);
        ControlsForm form;
        form.timer.setEnabled(true);
        form.Show();
        form.log.clear();
        form.cancelQuery = c.cancelQuery;
        form.cancelUnload = c.cancelUnload;
        EXPECT_EQ(form.Unload(), c.closes);
        EXPECT_EQ(form.log, c.expectedLog);
        EXPECT_EQ(form.unloadModes, (std::vector<int>{tk::vbFormCode}));
        EXPECT_EQ(IsLoaded(form), !c.closes);
        EXPECT_EQ(form.Visible(), !c.closes);
        EXPECT_EQ(form.ok.peer() == nullptr, c.closes);
        EXPECT_EQ(ui().nextDue(form.timer).has_value(), !c.closes) << "closing stops the form's timers";
    }
}

TEST_F(ToolkitTest, CloseBoxCanBeRetriedAndIsDeadOnADisabledFormButSessionEndCloses) {
    LifecycleForm form;
    EXPECT_TRUE(form.Unload()) << "a form not loaded closes without handlers";
    EXPECT_TRUE(form.log.empty());
    form.Show();
    form.cancelQuery = 1;
    EXPECT_FALSE(form.userClose());
    form.cancelQuery = 0;
    form.setEnabled(false);
    EXPECT_FALSE(form.userClose());
    form.setEnabled(true);
    EXPECT_TRUE(form.userClose());
    form.Show();
    form.setEnabled(false);
    EXPECT_TRUE(form.userClose(tk::vbAppWindows));
    EXPECT_EQ(form.unloadModes, (std::vector<int>{tk::vbFormControlMenu, tk::vbFormControlMenu, tk::vbAppWindows}));
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
    EXPECT_EQ(ui().unloadedForms().size(), 1u);
}

TEST_F(ToolkitTest, FormLoadThatUnloadsKeepsTheFormHiddenAndItCanLoadAgain) {
    ControlsForm form;
    form.onLoad = [&] { form.Unload(); };
    form.Show();
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(form.log, (Log{"Form_Load", "Form_QueryUnload", "Form_Unload"}));
    form.onLoad = nullptr;
    form.Show();
    const platform::WindowHandle first = form.list.peer()->hwnd();
    ASSERT_TRUE(form.Unload());
    EXPECT_EQ(form.hWnd(), 0u);
    form.Show();
    EXPECT_NE(form.list.peer()->hwnd(), first) << "new windows each time";
}

TEST_F(ToolkitTest, FormsDestroyedOrReleasedWhileLoadedRunNoHandlers) {
    {
        LifecycleForm form("Doomed");
        form.Show();
        form.onQueryUnload = form.onUnload = [] { ADD_FAILURE() << "handler ran"; };
    }
    tk::NewForm<LifecycleForm>("Kept").Show();
    tk::releaseKeptForms();
    EXPECT_TRUE(tk::LoadedForms().empty());
    EXPECT_EQ(ui().unloadedForms(), (std::vector<std::string>{"Doomed", "Kept"}));
}

TEST_F(ToolkitTest, ModalShowDisablesTheOwnerWhileOtherFormsTimersRun) {
    ControlsForm owner;
    LifecycleForm dialog("Dialog");
    owner.timer.setEnabled(true);
    owner.Show();
    owner.log.clear();
    ui().onModal = [&](tk::Form& f) {
        EXPECT_EQ(&f, &dialog);
        EXPECT_FALSE(owner.Enabled());
        EXPECT_TRUE(dialog.Visible());
        ui().advance(250);
        EXPECT_FALSE(owner.userKey(tk::vbKeyEscape, 0)) << "the owner takes no input";
        owner.cancel.userClick();
        f.Unload();
    };
    dialog.Show(true, &owner);
    EXPECT_EQ(owner.log, (Log{"Timer1_Timer", "Timer1_Timer"}));
    EXPECT_TRUE(owner.Enabled());
    EXPECT_FALSE(dialog.IsLoaded());
}

TEST_F(ToolkitTest, ModalFormDestroyedInsideItsLoopLeavesTheOwnerEnabled) {
    LifecycleForm owner("Owner");
    owner.Show();
    auto dialog = std::make_unique<LifecycleForm>("Dialog");
    ui().onModal = [&](tk::Form&) { ui().onModal = nullptr; };
    dialog->Show(true, &owner);
    dialog.reset();
    EXPECT_TRUE(owner.Enabled());
    EXPECT_EQ(tk::LoadedForms(), (std::vector<tk::Form*>{&owner}));
}

TEST_F(ToolkitTest, OuterSizeAddsTheBorderStylesFrameAndCenteringUsesIt) {
    LifecycleForm form;
    for (auto style : {tk::BorderStyle::Sizable, tk::BorderStyle::None}) {
        form.setBorderStyle(style);
        form.setClientSize(3000, 2000);
        const tk::SizeTwips extra = ui().formFrameExtra(form);
        EXPECT_FLOAT_EQ(form.Width(), 3000 + extra.Width);
        form.Move(10, 20, 5000, 4000);
        EXPECT_FLOAT_EQ(form.ScaleHeight(), 4000 - extra.Height);
    }
    EXPECT_FLOAT_EQ(ui().formFrameExtra(form).Width, 0) << "no border, no frame";
    form.setBorderStyle(tk::BorderStyle::FixedDialog);
    form.setStartUpPosition(tk::StartUpPosition::CenterScreen);
    form.Load();
    EXPECT_FLOAT_EQ(form.Left(), (tk::Screen::Width() - form.Width()) / 2);
    EXPECT_FLOAT_EQ(form.Top(), (tk::Screen::Height() - form.Height()) / 2);
}

// A form with two timers whose ticks are logged with the virtual time.
class TwoTimers : public LifecycleForm {
public:
    TwoTimers() : LifecycleForm("TwoTimers") {
        fast.Tick = [this] { Log("fast"); };
        slow.Tick = [this] { Log("slow"); };
    }
    void Log(const char* name) {
        ticks.emplace_back(name, static_cast<tk::headless::HeadlessBackend&>(tk::backend()).nowMs());
    }
    tk::Timer fast{*this, "Fast", 100};
    tk::Timer slow{*this, "Slow", 250};
    std::vector<std::pair<std::string, std::uint64_t>> ticks;
};

using Ticks = std::vector<std::pair<std::string, std::uint64_t>>;

// The order and catch-up of due timers belong to each backend; these are the rules of
// the toolkit's own timer.
TEST_F(ToolkitTest, OnlyEnabledTimersOfLoadedFormsFireAndChangesRestartThem) {
    TwoTimers form;
    ui().advance(1000);
    form.Load();
    form.slow.setEnabled(false);
    ui().advance(50);
    form.fast.setInterval(30);
    ui().advance(40);
    form.Hide();
    ui().advance(30);
    EXPECT_EQ(form.ticks, (Ticks{{"fast", 1080}, {"fast", 1110}})) << "a hidden form's timers go on";
    form.slow.setEnabled(true);
    EXPECT_EQ(ui().nextDue(form.slow), std::optional<std::uint64_t>(1120 + 250));
    form.fast.setInterval(0);
    EXPECT_FALSE(ui().nextDue(form.fast).has_value()) << "an interval of 0 stops the timer";
    form.Unload();
    ui().advance(1000);
    EXPECT_EQ(form.ticks.size(), 2u);
}

TEST_F(ToolkitTest, TickOfAStoppedTimerIsDropped) {
    TwoTimers form;
    form.Load();
    form.fast.setEnabled(false);
    form.fast.userTick();
    form.fast.setEnabled(true);
    form.Unload();
    form.fast.userTick();
    EXPECT_TRUE(form.ticks.empty());
}

} // namespace
} // namespace qs::test
