// Closing, keys and mouse of forms, the modal loop and the program's loop.
#include <gtest/gtest.h>

#include "toolkit/application.h"
#include "toolkit/controls.h"
#include "win_toolkit_support.h"

namespace qs::test::win {
namespace {

HWND H(const tk::Component& c) { return reinterpret_cast<HWND>(c.peer()->hwnd()); }

// A full-screen kind of form: no border, no control that takes the focus.
class BareForm : public tk::Form {
public:
    BareForm() : Form("BareForm") {
        setBorderStyle(tk::BorderStyle::None);
        setClientSize(3000, 3000);
    }
    tk::Image picture{*this, "bgImg", 1500, 1500, 1500, 1500, true};
    std::vector<std::int16_t> keys;
    int downs = 0, moves = 0, imageMoves = 0, queries = 0, unloads = 0;
    int lastUnloadMode = -1;
    bool refuse = false;

protected:
    void Form_Load() override { picture.MouseMove = [this](int, int, float, float) { ++imageMoves; }; }
    void Form_KeyDown(std::int16_t& key, std::int16_t&) override { keys.push_back(key); }
    void Form_MouseDown(int, int, float, float) override { ++downs; }
    void Form_MouseMove(int, int, float, float) override { ++moves; }
    void Form_QueryUnload(std::int16_t& cancel, int mode) override {
        ++queries;
        lastUnloadMode = mode;
        if (refuse) cancel = 1;
    }
    void Form_Unload(std::int16_t&) override { ++unloads; }
};

class Forms : public ::testing::Test {
protected:
    void SetUp() override { EnsureToolkit(); }
    void TearDown() override {
        form.refuse = false;
        form.Unload();
    }
    void show() {
        form.Show();
        ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(H(form)) != FALSE; }));
        PumpFor(50);
    }
    BareForm form;
};

TEST_F(Forms, CloseRequestsGoThroughQueryUnload) {
    show();
    form.refuse = true;
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

TEST_F(Forms, KeysAndMouseReachAFormWithoutControls) {
    show();
    PostMessageA(H(form), WM_KEYDOWN, 'A', 0);
    PostMessageA(H(form), WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(PumpUntil([&] { return form.keys.size() == 2; }));
    EXPECT_EQ(form.keys[0], 'A');
    EXPECT_EQ(form.keys[1], VK_ESCAPE);

    PostMessageA(H(form), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 10));
    ASSERT_TRUE(PumpUntil([&] { return form.downs == 1; }));

    // Moves over the image go to the image; the same place twice is one move.
    const int before = form.moves;
    PostMessageA(H(form), WM_MOUSEMOVE, 0, MAKELPARAM(10, 20));
    PostMessageA(H(form), WM_MOUSEMOVE, 0, MAKELPARAM(10, 20));
    PostMessageA(H(form), WM_MOUSEMOVE, 0, MAKELPARAM(150, 150));
    PostMessageA(H(form), WM_MOUSEMOVE, 0, MAKELPARAM(11, 20));
    ASSERT_TRUE(PumpUntil([&] { return form.moves == before + 2 && form.imageMoves == 1; }));
    PumpFor(50);
    EXPECT_EQ(form.moves, before + 2);
    EXPECT_EQ(form.imageMoves, 1);
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

class Dialog : public tk::Form {
public:
    explicit Dialog(Owner& owner) : Form("Dialog"), owner_(owner) {
        setBorderStyle(tk::BorderStyle::FixedDialog);
        setClientSize(2000, 1000);
        watch.Tick = [this] {
            ownerEnabledDuringModal = IsWindowEnabled(H(owner_)) != FALSE;
            if (owner_.ticks >= ticksAtStart + 5 || GetTickCount64() > deadline) Unload();
        };
    }
    tk::Timer watch{*this, "watch", 40};
    Owner& owner_;
    int ticksAtStart = 0;
    ULONGLONG deadline = 0;
    bool ownerEnabledDuringModal = true;
};

TEST(ModalLoop, AnotherFormsTimerKeepsFiringWhileTheOwnerIsDisabled) {
    EnsureToolkit();
    Owner owner;
    owner.Show();
    Dialog dialog(owner);
    dialog.ticksAtStart = owner.ticks;
    dialog.deadline = GetTickCount64() + 5000;
    dialog.Show(true, &owner); // returns when the dialog has unloaded itself
    EXPECT_FALSE(dialog.IsLoaded());
    EXPECT_GE(owner.ticks, dialog.ticksAtStart + 5) << "the owner's timer ran during the modal loop";
    EXPECT_LT(GetTickCount64(), dialog.deadline) << "ended by the ticks, not by the deadline";
    EXPECT_FALSE(dialog.ownerEnabledDuringModal);
    EXPECT_TRUE(IsWindowEnabled(H(owner)));
    owner.Unload();
}

TEST(MainLoop, EndsWhenTheLastFormIsUnloaded) {
    EnsureToolkit();
    BareForm a;
    Owner b;
    a.Show();
    b.Load();
    b.tick.Tick = [&] {
        // The hidden form closes the visible one first, then itself.
        if (a.IsLoaded()) PostMessageA(H(a), WM_CLOSE, 0, 0);
        else b.Unload();
    };
    const ULONGLONG start = GetTickCount64();
    tk::RunMessageLoop();
    EXPECT_TRUE(tk::LoadedForms().empty());
    EXPECT_EQ(a.unloads, 1);
    EXPECT_LT(GetTickCount64() - start, 5000u);
}

TEST(Pointer, HourglassAppliesUntilReset) {
    EnsureToolkit();
    tk::Screen::setMousePointer(tk::vbHourglass);
    EXPECT_EQ(tk::Screen::MousePointer(), tk::vbHourglass);
    BareForm f;
    f.Show();
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(H(f)) != FALSE; }));
    SendMessageA(H(f), WM_SETCURSOR, reinterpret_cast<WPARAM>(H(f)), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
    tk::Screen::setMousePointer(tk::vbDefault);
    SendMessageA(H(f), WM_SETCURSOR, reinterpret_cast<WPARAM>(H(f)), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_NE(GetCursor(), LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
    f.Unload();
}

} // namespace
} // namespace qs::test::win
