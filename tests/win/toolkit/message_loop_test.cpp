// Closing a form through the system, and the modal loop.
#include <gtest/gtest.h>

#include "toolkit/application.h"
#include "toolkit/controls.h"
#include "win_toolkit_support.h"

namespace qs::test::win {
namespace {

class Owner : public tk::Form {
public:
    Owner() : Form("Owner") {
        setClientSize(3000, 2000);
        tick.Tick = [this] { ++ticks; };
    }
    tk::Timer tick{*this, "Timer1", 30};
    int ticks = 0, queries = 0, unloads = 0, lastUnloadMode = -1;
    bool refuse = false;

protected:
    void Form_QueryUnload(std::int16_t& cancel, int mode) override {
        ++queries;
        lastUnloadMode = mode;
        cancel = refuse ? 1 : 0;
    }
    void Form_Unload(std::int16_t&) override { ++unloads; }
};

TEST(Forms, CloseRequestsGoThroughQueryUnload) {
    EnsureToolkit();
    Owner form;
    form.refuse = true;
    form.Show();
    PostMessageA(H(form), WM_CLOSE, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return form.queries == 1; }));
    EXPECT_TRUE(form.IsLoaded()) << "QueryUnload cancelled the close";
    EXPECT_EQ(form.lastUnloadMode, tk::vbFormControlMenu);
    form.refuse = false;
    HWND hwnd = H(form);
    EXPECT_TRUE(SendMessageA(hwnd, WM_QUERYENDSESSION, 0, 0));
    EXPECT_EQ(form.lastUnloadMode, tk::vbAppWindows);
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(form.unloads, 1);
    EXPECT_FALSE(IsWindow(hwnd));
}

class Dialog : public tk::Form {
public:
    explicit Dialog(Owner& owner) : Form("Dialog") {
        setBorderStyle(tk::BorderStyle::FixedDialog);
        setClientSize(2000, 1000);
        watch.Tick = [this, &owner] {
            ownerEnabledDuringModal = IsWindowEnabled(H(owner)) != FALSE;
            if (owner.ticks >= ticksAtStart + 5 || GetTickCount64() > deadline) Unload();
        };
    }
    tk::Timer watch{*this, "watch", 40};
    int ticksAtStart = 0;
    ULONGLONG deadline = GetTickCount64() + 5000;
    bool ownerEnabledDuringModal = true;
};

TEST(ModalLoop, AnotherFormsTimerKeepsFiringWhileTheOwnerIsDisabled) {
    EnsureToolkit();
    Owner owner;
    owner.Show();
    Dialog dialog(owner);
    dialog.ticksAtStart = owner.ticks;
    dialog.Show(true, &owner); // returns when the dialog has unloaded itself
    EXPECT_FALSE(dialog.IsLoaded());
    EXPECT_GE(owner.ticks, dialog.ticksAtStart + 5) << "the owner's timer ran during the modal loop";
    EXPECT_LT(GetTickCount64(), dialog.deadline) << "ended by the ticks, not by the deadline";
    EXPECT_FALSE(dialog.ownerEnabledDuringModal);
    EXPECT_TRUE(IsWindowEnabled(H(owner)));
    owner.Unload();
}

} // namespace
} // namespace qs::test::win
