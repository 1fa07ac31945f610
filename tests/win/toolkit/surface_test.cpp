// Surfaces keep their drawing across hiding and repainting; images lie above the text;
// what the window shows is read back from the screen.
#include <gtest/gtest.h>
#include <wincodec.h>

#include "toolkit/application.h"
#include "toolkit/controls.h"
#include "toolkit/win32/form_peer.h"
#include "toolkit/win32/picturebox_peer.h"
#include "win_toolkit_support.h"

namespace qs::test::win {
namespace {

class DrawingForm : public tk::Form {
public:
    DrawingForm() : Form("DrawingForm") {
        setBorderStyle(tk::BorderStyle::None);
        setClientSize(4500, 3000); // 300 x 200 pixels at 15 twips a pixel
    }
    tk::Image picture{*this, "picture", 1500, 0, 1500, 1500, true};
    tk::PictureBox box{*this, "box", 3000, 1500, 1500, 1500};
    tk::Line line{*this, "line", 0, 2900, 4400, 2900, tk::Rgb(0, 0, 255), 3};
    tk::Label label{*this, "lblOver", "", 0, 0, 1500, 900};
};

HWND Hwnd(const tk::Form& f) { return reinterpret_cast<HWND>(f.hWnd()); }

// The window's client area as it is on the screen now.
struct Screenshot {
    explicit Screenshot(HWND hwnd) {
        RECT rc;
        GetClientRect(hwnd, &rc);
        width = rc.right;
        height = rc.bottom;
        HDC wdc = GetDC(hwnd);
        dc = CreateCompatibleDC(wdc);
        bmp = CreateCompatibleBitmap(wdc, width, height);
        old = SelectObject(dc, bmp);
        BitBlt(dc, 0, 0, width, height, wdc, 0, 0, SRCCOPY);
        ReleaseDC(hwnd, wdc);
    }
    ~Screenshot() {
        SelectObject(dc, old);
        DeleteObject(bmp);
        DeleteDC(dc);
    }
    COLORREF at(int x, int y) const { return GetPixel(dc, x, y); }
    int count(RECT r, COLORREF c) const {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) n += at(x, y) == c;
        return n;
    }
    int width = 0, height = 0;
    HDC dc;
    HBITMAP bmp;
    HGDIOBJ old;
};

BOOL CALLBACK ChildPending(HWND child, LPARAM pending) {
    RECT r;
    if (GetUpdateRect(child, &r, FALSE)) *reinterpret_cast<bool*>(pending) = true;
    return TRUE;
}

// Nothing left to paint in the window and the child windows over it (transparent
// labels repaint after their container).
bool Painted(HWND hwnd) {
    RECT r;
    bool pending = GetUpdateRect(hwnd, &r, FALSE) != FALSE;
    EnumChildWindows(hwnd, ChildPending, reinterpret_cast<LPARAM>(&pending));
    return !pending;
}

class Surfaces : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureToolkit();
        form.Load();
        form.setBackColor(tk::Rgb(255, 255, 255));
        form.setForeColor(tk::Rgb(0, 0, 0));
        form.Font.Size = 24;
        form.Font.Bold = true;
    }
    void TearDown() override { form.Unload(); }
    void showAndSettle() {
        form.Show();
        ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(Hwnd(form)) && Painted(Hwnd(form)); }));
        PumpFor(100);
    }
    DrawingForm form;
};

TEST_F(Surfaces, TextDrawnWhileHiddenShowsWhenShownAndStaysUntilCls) {
    form.CurrentX = 0;
    form.CurrentY = 0;
    form.Print("WWWWWW");
    form.Print("MMMMMM");
    showAndSettle();
    const RECT textArea{0, 0, 100, 80};
    int black = Screenshot(Hwnd(form)).count(textArea, RGB(0, 0, 0));
    EXPECT_GT(black, 200) << "text drawn before the window was shown is on the screen";

    // Hidden and shown again: the window repaints from its kept drawing.
    form.Hide();
    PumpFor(50);
    showAndSettle();
    EXPECT_EQ(Screenshot(Hwnd(form)).count(textArea, RGB(0, 0, 0)), black);

    // An explicit repaint of everything brings back the same.
    RedrawWindow(Hwnd(form), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_EQ(Screenshot(Hwnd(form)).count(textArea, RGB(0, 0, 0)), black);

    form.Cls();
    ASSERT_TRUE(PumpUntil([&] { return Painted(Hwnd(form)); }));
    EXPECT_EQ(Screenshot(Hwnd(form)).count(textArea, RGB(0, 0, 0)), 0);
}

TEST_F(Surfaces, ANewBackColourClearsTheDrawing) {
    form.Print("WWWW");
    form.setBackColor(tk::Rgb(0, 128, 0));
    auto* peer = dynamic_cast<tk::win32::FormPeer*>(form.peer());
    ASSERT_NE(peer, nullptr);
    EXPECT_EQ(peer->canvas().pixel(5, 5), RGB(0, 128, 0));
    EXPECT_EQ(peer->canvas().pixel(299, 199), RGB(0, 128, 0));
}

TEST_F(Surfaces, ImageLiesAboveTheTextAndLinesAreDrawn) {
    form.CurrentX = 1500;
    form.CurrentY = 300;
    form.Print("WWWWWWWW"); // under the image
    const std::string path = TempFile("red.bmp");
    ASSERT_TRUE(WriteBytes(path, EncodeWithWic(GUID_ContainerFormatBmp, 20, 20, [](int, int) { return RGB(255, 0, 0); })));
    auto red = tk::LoadPicture(path);
    ASSERT_TRUE(red);
    form.picture.setPicture(*red);
    showAndSettle();
    Screenshot shot(Hwnd(form));
    const RECT image{100, 0, 200, 100};
    EXPECT_EQ(shot.count(image, RGB(255, 0, 0)), 100 * 100) << "the image covers the text under it";
    EXPECT_EQ(shot.at(50, 193), RGB(0, 0, 255)) << "the line";

    // Hidden: the text under it shows again, in just that part of the window.
    form.picture.setVisible(false);
    ASSERT_TRUE(PumpUntil([&] { return Painted(Hwnd(form)); }));
    Screenshot after(Hwnd(form));
    EXPECT_EQ(after.count(image, RGB(255, 0, 0)), 0);
    EXPECT_GT(after.count(image, RGB(0, 0, 0)), 100);
}

TEST_F(Surfaces, PictureBoxKeepsItsOwnDrawing) {
    form.box.setBackColor(tk::Rgb(255, 255, 0));
    form.box.Font.Size = 20;
    form.box.Print("XX");
    auto* peer = dynamic_cast<tk::win32::PictureBoxPeer*>(form.box.peer());
    ASSERT_NE(peer, nullptr);
    showAndSettle();
    Screenshot shot(Hwnd(form));
    const RECT boxArea{200, 100, 300, 200};
    EXPECT_GT(shot.count(boxArea, RGB(255, 255, 0)), 5000);
    EXPECT_GT(shot.count(boxArea, RGB(0, 0, 0)), 20);
    form.box.Cls();
    EXPECT_EQ(peer->canvas().pixel(3, 3), RGB(255, 255, 0));
}

// What a window paints of itself through WM_PRINTCLIENT, counted by colour.
int PrintedCount(HWND hwnd, COLORREF colour) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, rc.right, rc.bottom);
    HGDIOBJ old = SelectObject(dc, bmp);
    SendMessageA(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    int n = 0;
    for (int y = 0; y < rc.bottom; ++y)
        for (int x = 0; x < rc.right; ++x) n += GetPixel(dc, x, y) == colour;
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return n;
}

TEST_F(Surfaces, TransparentLabelShowsTheDrawingUnderIt) {
    form.Print("WWWW");
    HWND label = reinterpret_cast<HWND>(form.label.peer()->hwnd());
    EXPECT_GT(PrintedCount(label, RGB(0, 0, 0)), 100) << "the form's text shows through";
    form.label.setBackStyle(1);
    form.label.setBackColor(tk::Rgb(0, 255, 0));
    EXPECT_EQ(PrintedCount(label, RGB(0, 0, 0)), 0);
    EXPECT_EQ(PrintedCount(label, RGB(0, 255, 0)), 100 * 60);
}

TEST_F(Surfaces, TextMeasuresInTwipsOfTheFont) {
    tk::FontSpec small;
    tk::FontSpec big = small;
    big.Size = small.Size * 3;
    const auto a = tk::backend().measureText(small, "Hello");
    const auto b = tk::backend().measureText(big, "Hello");
    EXPECT_GT(a.Width, 0);
    EXPECT_GT(b.Width, a.Width * 2);
    EXPECT_GT(b.Height, a.Height * 2);
    EXPECT_EQ(tk::backend().measureText(small, "").Width, 0);
    EXPECT_EQ(tk::backend().measureText(small, "").Height, a.Height);
}

} // namespace
} // namespace qs::test::win
