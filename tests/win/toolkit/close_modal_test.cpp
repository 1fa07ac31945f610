// Every way a window is closed goes through QueryUnload (the saver's password check hangs
// on it), and a modal form disables its owner while other forms' timers keep running.
#include <gtest/gtest.h>

#include "toolkit/application.h"
#include "toolkit/controls.h"
#include "win_toolkit_support.h"

namespace qs::test::win {
namespace {

class Closing : public tk::Form {
public:
    Closing() : Form("Closing") {
        setBorderStyle(tk::BorderStyle::None);
        setClientSize(3000, 3000);
    }
    int queries = 0, unloads = 0, lastMode = -1;
    bool refuse = false;

protected:
    void Form_QueryUnload(std::int16_t& cancel, int mode) override {
        ++queries;
        lastMode = mode;
        if (refuse) cancel = 1;
    }
    void Form_Unload(std::int16_t&) override { ++unloads; }
};

TEST(Closing, CloseBoxAndSessionEndAskQueryUnload) {
    EnsureToolkit();
    Closing form;
    form.Show();
    const HWND hwnd = H(form);
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(hwnd) != FALSE; }));
    form.refuse = true;
    PostMessageA(hwnd, WM_CLOSE, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return form.queries == 1; }));
    EXPECT_EQ(form.lastMode, tk::vbFormControlMenu);
    EXPECT_TRUE(form.IsLoaded()) << "QueryUnload cancelled the close";
    form.refuse = false;
    EXPECT_TRUE(SendMessageA(hwnd, WM_QUERYENDSESSION, 0, 0));
    EXPECT_EQ(form.lastMode, tk::vbAppWindows);
    EXPECT_EQ(form.unloads, 1);
    EXPECT_FALSE(IsWindow(hwnd));
}

class Owner : public tk::Form {
public:
    Owner() : Form("Owner") {
        setClientSize(3000, 2000);
        tick.Tick = [this] { ++ticks; };
    }
    tk::Timer tick{*this, "Timer1", 30};
    int ticks = 0;
};

TEST(ModalLoop, AnotherFormsTimerKeepsFiringWhileTheOwnerIsDisabled) {
    EnsureToolkit();
    Owner owner;
    owner.Show();
    tk::Form dialog("Dialog");
    dialog.setBorderStyle(tk::BorderStyle::FixedDialog);
    tk::Timer watch{dialog, "watch", 40};
    const int ticksAtStart = owner.ticks;
    const ULONGLONG deadline = GetTickCount64() + 5000;
    bool ownerEnabled = true;
    watch.Tick = [&] {
        ownerEnabled = ownerEnabled && IsWindowEnabled(H(owner)) != FALSE;
        if (owner.ticks >= ticksAtStart + 5 || GetTickCount64() > deadline) dialog.Unload();
    };
    dialog.Show(true, &owner); // returns when the dialog has unloaded itself
    EXPECT_GE(owner.ticks, ticksAtStart + 5) << "the owner's timer ran during the modal loop";
    EXPECT_LT(GetTickCount64(), deadline) << "ended by the ticks, not by the deadline";
    EXPECT_FALSE(ownerEnabled) << "the owner took input while the dialog was up";
    EXPECT_TRUE(IsWindowEnabled(H(owner)));
    owner.Unload();
}

} // namespace
} // namespace qs::test::win
