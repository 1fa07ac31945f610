// Drawing made while hidden shows, and stays through hiding and repainting until Cls; an
// image lies above the text, and where it is hidden the text shows again.
#include <gtest/gtest.h>
#include <wincodec.h>

#include "toolkit/application.h"
#include "toolkit/controls.h"
#include "toolkit/win32/gdi_objects.h"
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

// How many pixels of `colour` lie in `area` of the window as it is on the screen now.
int Count(HWND hwnd, COLORREF colour, RECT area) {
    HDC window = GetDC(hwnd);
    int n = 0;
    {
        tk::win32::GdiObject<HBITMAP> copy(CreateCompatibleBitmap(window, area.right, area.bottom));
        tk::win32::MemoryDc dc(window);
        tk::win32::SelectedObject selected(dc.get(), copy.get());
        BitBlt(dc.get(), 0, 0, area.right, area.bottom, window, 0, 0, SRCCOPY);
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) n += GetPixel(dc.get(), x, y) == colour;
    }
    ReleaseDC(hwnd, window);
    return n;
}

// Paints what is pending in the window and the child windows over it, now.
void Paint(HWND hwnd) { RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }

TEST(Surfaces, DrawingStaysUntilClsUnderTheImagesAndLines) {
    EnsureToolkit();
    DrawingForm form;
    form.Load();
    form.setBackColor(tk::Rgb(255, 255, 255));
    form.setForeColor(tk::Rgb(0, 0, 0));
    form.Font.Size = 24;
    form.Font.Bold = true;
    const auto showAndSettle = [&] {
        form.Show();
        ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(H(form)) != FALSE; }));
        PumpFor(100);
        Paint(H(form));
    };
    form.Print("WWWWWW");
    form.CurrentX = 1500;
    form.CurrentY = 300;
    form.Print("WWWWWWWW"); // under the image
    form.box.setBackColor(tk::Rgb(255, 255, 0));
    form.box.Font.Size = 20;
    form.box.Print("XX");
    auto red = tk::LoadPicture(TempFile("red.bmp", EncodeWithWic(GUID_ContainerFormatBmp, 20, 20, false)));
    ASSERT_TRUE(red);
    form.picture.setPicture(*red);
    showAndSettle();
    const RECT textArea{0, 0, 100, 80}, boxArea{200, 100, 300, 200}, image{100, 0, 200, 100};
    const int black = Count(H(form), RGB(0, 0, 0), textArea);
    EXPECT_GT(black, 200) << "text drawn before the window was shown is on the screen";
    EXPECT_GT(Count(H(form), RGB(255, 255, 0), boxArea), 5000);
    EXPECT_GT(Count(H(form), RGB(0, 0, 0), boxArea), 20) << "the picture box's own text";
    EXPECT_EQ(Count(H(form), RGB(255, 0, 0), image), 100 * 100) << "the image covers the text under it";
    EXPECT_EQ(Count(H(form), RGB(0, 0, 255), RECT{50, 193, 51, 194}), 1) << "the line";

    form.Hide();
    PumpFor(50);
    showAndSettle();
    RedrawWindow(H(form), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_EQ(Count(H(form), RGB(0, 0, 0), textArea), black);
    form.picture.setVisible(false);
    Paint(H(form));
    EXPECT_GT(Count(H(form), RGB(0, 0, 0), image), 100) << "the text under the hidden image";

    form.Cls();
    form.box.Cls();
    Paint(H(form));
    EXPECT_EQ(Count(H(form), RGB(0, 0, 0), RECT{0, 0, 300, 200}), 0);
    EXPECT_EQ(Count(H(form), RGB(255, 255, 0), boxArea), 100 * 100);
    form.Unload();
}

} // namespace
} // namespace qs::test::win
