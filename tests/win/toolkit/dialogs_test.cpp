// The system's dialogs answered the way a user would: a thread timer finds the dialog
// the call opened and presses one of its buttons.
#include <gtest/gtest.h>

#include "toolkit/application.h"
#include "toolkit/controls.h"
#include "win_toolkit_support.h"

namespace qs::test::win {
namespace {

WPARAM g_answer = IDCANCEL;
std::string g_title;
int g_found = 0;

BOOL CALLBACK PressIfDialog(HWND hwnd, LPARAM) {
    char cls[32] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (std::string(cls) != "#32770" || !IsWindowVisible(hwnd)) return TRUE;
    char title[128] = {};
    GetWindowTextA(hwnd, title, sizeof title);
    g_title = title;
    ++g_found;
    PostMessageA(hwnd, WM_COMMAND, g_answer, 0);
    return FALSE;
}

void CALLBACK Answer(HWND, UINT, UINT_PTR, DWORD) { EnumThreadWindows(GetCurrentThreadId(), PressIfDialog, 0); }

// Presses `button` in the next dialog this thread shows.
class Answering {
public:
    explicit Answering(WPARAM button) {
        g_answer = button;
        g_found = 0;
        g_title.clear();
        timer_ = SetTimer(nullptr, 0, 200, Answer);
    }
    ~Answering() { KillTimer(nullptr, timer_); }

private:
    UINT_PTR timer_;
};

class DialogOwner : public tk::Form {
public:
    DialogOwner() : Form("DialogOwner") { setClientSize(3000, 2000); }
    tk::CommonDialog dialog{*this, "CD1"};
};

TEST(Dialogs, MessageBoxReturnsTheButtonPressed) {
    EnsureToolkit();
    DialogOwner owner;
    owner.Show();
    {
        Answering no(IDNO);
        EXPECT_EQ(tk::MsgBox("Delete it?", tk::vbYesNo | tk::vbQuestion, "Screen Saver", &owner), tk::vbNo);
        EXPECT_EQ(g_title, "Screen Saver");
    }
    {
        Answering ok(IDOK);
        EXPECT_EQ(tk::MsgBox("Cannot load picture", tk::vbExclamation, "Screen Saver"), tk::vbOK);
    }
    owner.Unload();
}

struct CancelCase {
    bool cancelError;
    int expected;
};

class CommonDialogCancel : public ::testing::TestWithParam<CancelCase> {
protected:
    void SetUp() override {
        EnsureToolkit();
        owner.Show();
    }
    void TearDown() override { owner.Unload(); }
    DialogOwner owner;
};

TEST_P(CommonDialogCancel, ColourDialogLeavesTheColourAlone) {
    owner.dialog.CancelError = GetParam().cancelError;
    owner.dialog.Color = tk::Rgb(1, 2, 3);
    Answering cancel(IDCANCEL);
    EXPECT_EQ(owner.dialog.ShowColor(), GetParam().expected);
    EXPECT_EQ(owner.dialog.Color, tk::Rgb(1, 2, 3));
    EXPECT_EQ(g_found, 1);
}

TEST_P(CommonDialogCancel, OpenDialogLeavesTheFileNameAlone) {
    owner.dialog.CancelError = GetParam().cancelError;
    owner.dialog.FileName = "before.jpg";
    owner.dialog.Filter = "Pictures (*.jpg;*.gif;*.bmp)|*.jpg;*.gif;*.bmp|All files (*.*)|*.*";
    owner.dialog.FilterIndex = 1;
    owner.dialog.DialogTitle = "Add Picture";
    Answering cancel(IDCANCEL);
    EXPECT_EQ(owner.dialog.ShowOpen(), GetParam().expected);
    EXPECT_EQ(owner.dialog.FileName, "before.jpg");
    EXPECT_EQ(g_title, "Add Picture");
}

INSTANTIATE_TEST_SUITE_P(CancelError, CommonDialogCancel,
                         ::testing::Values(CancelCase{true, tk::cdlCancel}, CancelCase{false, 0}));

} // namespace
} // namespace qs::test::win
