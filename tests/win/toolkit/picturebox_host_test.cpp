// A picture box placed in another window, as the preview mode does with the host's
// window: it keeps working there, refuses to be closed by WM_CLOSE, and survives the
// host going away.
#include <gtest/gtest.h>

#include "toolkit/application.h"
#include "toolkit/controls.h"
#include "win_toolkit_support.h"

namespace qs::test::win {
namespace {

class HiddenForm : public tk::Form {
public:
    HiddenForm() : Form("ControlForm") { setClientSize(3000, 3000); }
    tk::PictureBox surface{*this, "Picture1", 0, 0, 1500, 1500};
    tk::Image picture{surface, "bgImg", 0, 0, 600, 600, true};
};

WNDPROC g_previous = nullptr;
int g_closes = 0;

// What a preview procedure does: WM_CLOSE answered here, the rest passed on.
LRESULT CALLBACK StandIn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CLOSE) {
        ++g_closes;
        return 0;
    }
    return CallWindowProcA(g_previous, hwnd, msg, wParam, lParam);
}

HWND MakeHost() {
    return CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 150, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

COLORREF PrintedPixel(HWND hwnd, int x, int y) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, 100, 100);
    HGDIOBJ old = SelectObject(dc, bmp);
    SendMessageA(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    const COLORREF c = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return c;
}

TEST(PictureBoxInAHost, DrawsSubclassedAndSurvivesTheHost) {
    EnsureToolkit();
    HiddenForm form;
    form.Load();
    HWND surface = reinterpret_cast<HWND>(form.surface.hWnd());
    ASSERT_TRUE(IsWindow(surface));
    g_previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(surface, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&StandIn)));
    ASSERT_NE(g_previous, nullptr);
    HWND host = MakeHost();
    SetParent(surface, host);
    EXPECT_EQ(GetParent(surface), host);

    form.surface.setBackColor(tk::Rgb(0, 0, 255));
    PumpFor(50);
    EXPECT_EQ(PrintedPixel(surface, 80, 80), RGB(0, 0, 255)) << "drawing goes on through the stand-in procedure";
    SendMessageA(surface, WM_CLOSE, 0, 0);
    EXPECT_EQ(g_closes, 1);
    EXPECT_TRUE(IsWindow(surface));

    // Back to its own procedure: a WM_CLOSE does not destroy the surface either.
    SetWindowLongPtrA(surface, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_previous));
    SendMessageA(surface, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(surface));

    // The host goes away and takes the surface with it; the form carries on regardless.
    DestroyWindow(host);
    EXPECT_FALSE(IsWindow(surface));
    EXPECT_EQ(form.surface.hWnd(), 0u);
    form.surface.Cls();
    form.surface.Print("still here");
    form.surface.Move(0, 0, 900, 900);
    form.picture.setVisible(false);
    PumpFor(50);
    EXPECT_TRUE(form.Unload());
}

} // namespace
} // namespace qs::test::win
