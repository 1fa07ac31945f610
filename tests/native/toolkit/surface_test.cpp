// Drawing surfaces: Print at the text position, Cls, a new background colour, and
// text measured through the backend's metrics.
#include <gtest/gtest.h>

#include "probe_forms.h"
#include "support/toolkit_fixture.h"

namespace qs::test {
namespace {

using tk::headless::DrawOp;

class SurfaceTest : public ToolkitTest {
protected:
    void SetUp() override { form.Show(); }
    ControlsForm form;
};

TEST_F(SurfaceTest, PrintDrawsAtTextPositionThenMovesToNextLine) {
    tk::PictureBox& pic = form.pic;
    pic.setForeColor(tk::Rgb(255, 0, 0));
    pic.Font.Bold = true;
    pic.CurrentX = 300;
    pic.CurrentY = 120;
    pic.Print("Cannot load picture");
    const float line = pic.TextHeight("Cannot load picture");
    EXPECT_FLOAT_EQ(pic.CurrentX, 0);
    EXPECT_FLOAT_EQ(pic.CurrentY, 120 + line);
    pic.Print("second");

    const std::vector<DrawOp> ops = ui().surfaceOps(pic);
    ASSERT_EQ(ops.size(), 2u);
    EXPECT_EQ(ops[0].type, DrawOp::Type::Text);
    EXPECT_EQ(ops[0].text, "Cannot load picture");
    EXPECT_FLOAT_EQ(ops[0].x, 300);
    EXPECT_FLOAT_EQ(ops[0].y, 120);
    EXPECT_EQ(ops[0].color, tk::Rgb(255, 0, 0));
    EXPECT_TRUE(ops[0].font.Bold);
    EXPECT_FLOAT_EQ(ops[1].x, 0);
    EXPECT_FLOAT_EQ(ops[1].y, 120 + line);
    EXPECT_FLOAT_EQ(pic.CurrentY, 120 + line + pic.TextHeight("second"));
}

TEST_F(SurfaceTest, ClsClearsToBackColorAndResetsTextPosition) {
    tk::PictureBox& pic = form.pic;
    pic.setBackColor(tk::Rgb(0, 0, 128));
    pic.Print("old");
    pic.CurrentX = 50;
    pic.Cls();
    EXPECT_FLOAT_EQ(pic.CurrentX, 0);
    EXPECT_FLOAT_EQ(pic.CurrentY, 0);
    const std::vector<DrawOp> ops = ui().surfaceOps(pic);
    ASSERT_EQ(ops.size(), 1u);
    EXPECT_EQ(ops[0].type, DrawOp::Type::Cls);
    EXPECT_EQ(ops[0].color, tk::Rgb(0, 0, 128));
    EXPECT_TRUE(ui().textsOn(pic).empty());
}

TEST_F(SurfaceTest, NewBackColorClearsButTheSameColourKeepsTheDrawing) {
    form.setBackColor(tk::Rgb(1, 2, 3));
    form.CurrentX = 10;
    form.Print("kept");
    form.setBackColor(tk::Rgb(1, 2, 3));
    EXPECT_EQ(ui().textsOn(form), (std::vector<std::string>{"kept"}));
    form.setBackColor(tk::Rgb(9, 9, 9));
    EXPECT_TRUE(ui().textsOn(form).empty());
    ASSERT_EQ(ui().surfaceOps(form).size(), 1u);
    EXPECT_EQ(ui().surfaceOps(form)[0].color, tk::Rgb(9, 9, 9));
    EXPECT_EQ(form.BackColor(), tk::Rgb(9, 9, 9));
}

TEST_F(SurfaceTest, TextSizeComesFromTheBackendInTheCurrentFont) {
    form.pic.Font.Size = 12;
    const tk::SizeTwips expected = ui().measureText(form.pic.Font, "Hello");
    EXPECT_FLOAT_EQ(form.pic.TextWidth("Hello"), expected.Width);
    EXPECT_FLOAT_EQ(form.pic.TextHeight("Hello"), expected.Height);
    EXPECT_GT(form.pic.TextWidth("Hello, world"), form.pic.TextWidth("Hello"));
}

TEST(HeadlessMetrics, WidthGrowsWithLengthSizeAndBoldHeightWithSizeOnly) {
    tk::headless::HeadlessBackend backend;
    tk::FontSpec plain;
    tk::FontSpec bold = plain;
    bold.Bold = true;
    tk::FontSpec big = plain;
    big.Size = 16.5;
    const auto w = [&](const tk::FontSpec& f, const char* s) { return backend.measureText(f, s).Width; };
    const auto h = [&](const tk::FontSpec& f, const char* s) { return backend.measureText(f, s).Height; };
    EXPECT_FLOAT_EQ(w(plain, "abcd"), 2 * w(plain, "ab"));
    EXPECT_FLOAT_EQ(w(big, "ab"), 2 * w(plain, "ab"));
    EXPECT_GT(w(bold, "ab"), w(plain, "ab"));
    EXPECT_FLOAT_EQ(w(plain, ""), 0);
    EXPECT_FLOAT_EQ(h(plain, ""), h(plain, "long text"));
    EXPECT_FLOAT_EQ(h(big, "x"), 2 * h(plain, "x"));
}

TEST_F(SurfaceTest, SurfaceWithoutWindowKeepsItsStateAndDrawsNothing) {
    LifecycleForm hidden;
    hidden.Print("nowhere");
    EXPECT_GT(hidden.CurrentY, 0);
    EXPECT_TRUE(ui().surfaceOps(hidden).empty());
}

TEST_F(SurfaceTest, PictureBoxInnerSizeLosesItsBorder) {
    const float tppX = tk::Screen::TwipsPerPixelX();
    EXPECT_FLOAT_EQ(form.pic.ScaleWidth(), form.pic.Width() - 4 * tppX);
    tk::PictureBox flat(form, "Flat", 0, 0, 1000, 800);
    EXPECT_FLOAT_EQ(flat.ScaleWidth(), 1000);
    EXPECT_FLOAT_EQ(flat.ScaleHeight(), 800);
    EXPECT_FALSE(flat.IsWindow());
    EXPECT_TRUE(form.IsWindow());
}

TEST_F(SurfaceTest, ScreenSizeFollowsThePlatformMetrics) {
    os.screen.metrics.widthPx = 800;
    os.screen.metrics.heightPx = 600;
    os.screen.metrics.twipsPerPixelX = 12;
    os.screen.metrics.twipsPerPixelY = 20;
    EXPECT_FLOAT_EQ(tk::Screen::Width(), 9600);
    EXPECT_FLOAT_EQ(tk::Screen::Height(), 12000);
    EXPECT_FLOAT_EQ(tk::Screen::TwipsPerPixelX(), 12);
    EXPECT_FLOAT_EQ(tk::Screen::TwipsPerPixelY(), 20);
}

TEST_F(SurfaceTest, ScreenPointerIsKeptAndPassedToTheBackend) {
    EXPECT_EQ(tk::Screen::MousePointer(), tk::vbDefault);
    tk::Screen::setMousePointer(tk::vbHourglass);
    tk::Screen::setMousePointer(tk::vbDefault);
    EXPECT_EQ(ui().screenPointerChanges(), (std::vector<int>{tk::vbHourglass, tk::vbDefault}));
    EXPECT_EQ(ui().screenPointer(), tk::vbDefault);
}

} // namespace
} // namespace qs::test
