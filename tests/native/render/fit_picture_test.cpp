// Loading a picture into an element and fitting it by the screen share and the flags.
#include <cmath>
#include <cstdint>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "render/fit_picture.h"
#include "render_fixture.h"
#include "settings/shared_state.h"

namespace qs::test {
namespace {

struct FitCase {
    const char* name;
    Area area;
    int widthPx, heightPx;
    std::int16_t center, hStretch, vStretch;
    float left, top, width, height;
    double naturalWidth, naturalHeight;
};

std::ostream& operator<<(std::ostream& os, const FitCase& c) { return os << c.name; }

// Full-screen picture sizes: one picture pixel per screen pixel, 15 twips each.
const FitCase kFitCases[] = {
    // name                     area          picture   C   H   V    left    top     width   height   natural
    {"ScreenPlain",             Area::Screen,  640, 480,  0,  0,  0,     0,     0,   9600,   7200,   9600, 7200},
    {"ScreenCentred",           Area::Screen,  640, 480, -1,  0,  0,  2880,  2160,   9600,   7200,   9600, 7200},
    {"ScreenHStretch",          Area::Screen,  640, 480,  0, -1,  0,     0,     0,  15360,  11520,   9600, 7200},
    {"ScreenHStretchCentred",   Area::Screen,  640, 480, -1, -1,  0,     0,     0,  15360,  11520,   9600, 7200},
    {"ScreenVStretch",          Area::Screen,  640, 480,  0,  0,  1,     0,     0,  15360,  11520,   9600, 7200},
    {"ScreenBothStretch",       Area::Screen,  640, 480,  0, -1, -1,     0,     0,  15360,  11520,   9600, 7200},
    {"TallVStretch",            Area::Screen,  300, 600,  0,  0, -1,     0,     0,   5760,  11520,   4500, 9000},
    {"TallVStretchCentred",     Area::Screen,  300, 600, -1,  0, -1,  4800,     0,   5760,  11520,   4500, 9000},
    {"TallHStretch",            Area::Screen,  300, 600,  0, -1,  0,     0,     0,  15360,  30720,   4500, 9000},
    {"TallHStretchCentred",     Area::Screen,  300, 600, -1, -1,  0,     0, -9600,  15360,  30720,   4500, 9000},
    {"TallBothStretch",         Area::Screen,  300, 600, -1, -1, -1,     0,     0,  15360,  11520,   4500, 9000},
    {"WideHStretch",            Area::Wide,    640, 480,  0, -1,  0,     0,     0,  15360,  11520,   9600, 7200},
    {"WideHStretchCentred",     Area::Wide,    640, 480, -1, -1,  0,     0, -2880,  15360,  11520,   9600, 7200},
    {"WideVStretch",            Area::Wide,    640, 480,  0,  0, -1,     0,     0,   7680,   5760,   9600, 7200},
    {"WideVStretchCentred",     Area::Wide,    640, 480,  7,  0, -1,  3840,     0,   7680,   5760,   9600, 7200},
    {"WideBothStretch",         Area::Wide,    640, 480,  0,  2,  3,     0,     0,  15360,   5760,   9600, 7200},
    {"WideBothStretchCentred",  Area::Wide,    640, 480, -1, -1, -1,     0,     0,  15360,   5760,   9600, 7200},
    {"WideCentredOverflows",    Area::Wide,    640, 480, -1,  0,  0,  2880,  -720,   9600,   7200,   9600, 7200},
    // A surface a tenth of the screen's width shows a tenth of the natural size.
    {"PreviewPlain",            Area::Preview, 640, 480,  0,  0,  0,     0,     0,    960,    720,    960,  720},
    {"PreviewCentred",          Area::Preview, 640, 480, -1,  0,  0,   288,   216,    960,    720,    960,  720},
    {"PreviewHStretch",         Area::Preview, 640, 480,  0, -1,  0,     0,     0,   1536,   1152,    960,  720},
    {"PreviewTallCentred",      Area::Preview, 300, 600, -1,  0,  0,   543,   126,    450,    900,    450,  900},
    {"PreviewTallBothStretch",  Area::Preview, 300, 600,  0, -1, -1,     0,     0,   1536,   1152,    450,  900},
};

class FitPictureTable : public RenderTest, public ::testing::WithParamInterface<FitCase> {};

TEST_P(FitPictureTable, SizesAndPlacesThePicture) {
    const FitCase& c = GetParam();
    auto slot = surfaces.at(c.area);
    const std::string path = Bitmap(c.widthPx, c.heightPx);

    EXPECT_EQ(FitPicture(slot.element, slot.surface, path, c.center, c.hStretch, c.vStretch), path);

    EXPECT_EQ(slot.element.Left(), c.left);
    EXPECT_EQ(slot.element.Top(), c.top);
    EXPECT_EQ(slot.element.Width(), c.width);
    EXPECT_EQ(slot.element.Height(), c.height);
    EXPECT_EQ(NaturalWidth, c.naturalWidth);
    EXPECT_EQ(NaturalHeight, c.naturalHeight);
    EXPECT_TRUE(slot.element.Stretch());
    EXPECT_FALSE(slot.element.Visible());
    EXPECT_EQ(slot.element.Picture().data()->source, path);
}

INSTANTIATE_TEST_SUITE_P(Fit, FitPictureTable, ::testing::ValuesIn(kFitCases),
                         [](const auto& info) { return std::string(info.param.name); });

using FitPictureTest = RenderTest;

TEST_F(FitPictureTest, ScreenShareComesFromTheOuterWidthAndTheFitFromTheInnerArea) {
    tk::PictureBox& framed = surfaces.Framed;
    ASSERT_LT(framed.ScaleWidth(), framed.Width());
    const std::string path = Bitmap(640, 480);

    // 3000 / 15360 of the natural size: sizes that are not whole twips stay as they are.
    FitPicture(surfaces.framedImg, framed, path, -1, 0, 0);
    EXPECT_EQ(surfaces.framedImg.Width(), 1875.0f);
    EXPECT_EQ(surfaces.framedImg.Height(), 1406.25f);
    EXPECT_EQ(surfaces.framedImg.Left(), (framed.ScaleWidth() - 1875.0f) / 2);
    EXPECT_EQ(surfaces.framedImg.Top(), (framed.ScaleHeight() - 1406.25f) / 2);

    FitPicture(surfaces.framedImg, framed, path, 0, -1, -1);
    EXPECT_EQ(surfaces.framedImg.Width(), framed.ScaleWidth());
    EXPECT_EQ(surfaces.framedImg.Height(), framed.ScaleHeight());
}

TEST_F(FitPictureTest, ClearsTheSurfaceBeforeShowingThePicture) {
    surfaces.setBackColor(tk::Rgb(10, 20, 30));
    surfaces.Print("earlier slide");
    ASSERT_EQ(TextsOn(Area::Screen).size(), 1u);

    FitPicture(surfaces.bgImg, surfaces, Bitmap(64, 48), 0, 0, 0);

    EXPECT_TRUE(TextsOn(Area::Screen).empty());
    const auto ops = ui().surfaceOps(surfaces);
    ASSERT_FALSE(ops.empty());
    EXPECT_EQ(ops.front().type, tk::headless::DrawOp::Type::Cls);
    EXPECT_EQ(ops.front().color, tk::Rgb(10, 20, 30));
}

TEST_F(FitPictureTest, ALaterPictureReplacesTheEarlierOneWithoutKeepingItsSize) {
    FitPicture(surfaces.bgImg, surfaces, Bitmap(640, 480), 0, -1, -1);
    const std::string second = Bitmap(320, 200);

    EXPECT_EQ(FitPicture(surfaces.bgImg, surfaces, second, 0, 0, 0), second);

    EXPECT_EQ(surfaces.bgImg.Picture().data()->source, second);
    EXPECT_EQ(surfaces.bgImg.Width(), 4800.0f);
    EXPECT_EQ(surfaces.bgImg.Height(), 3000.0f);
}

// ------------------------------------------------------------------ failures

struct FailureCase {
    const char* name;
    // Makes the path to pass; empty for no path at all.
    std::string (*path)(const ScratchFolder& files);
    bool loadAttempted;
};

std::ostream& operator<<(std::ostream& os, const FailureCase& c) { return os << c.name; }

const FailureCase kFailureCases[] = {
    {"EmptyPath", [](const ScratchFolder&) { return std::string(); }, false},
    {"MissingFile", [](const ScratchFolder& f) { return (f.path() / "nowhere.bmp").string(); }, true},
    {"NotAPicture", [](const ScratchFolder& f) { return f.write("notes.bmp", Bytes{'h', 'e', 'l', 'l', 'o'}); }, true},
    {"TruncatedBitmap",
     [](const ScratchFolder& f) {
         Bytes bmp = MakeBmp(40, 30);
         bmp.resize(bmp.size() / 2);
         return f.write("half.bmp", bmp);
     },
     true},
};

class FitPictureFailure : public RenderTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(FitPictureFailure, KeepsTheEarlierPictureHiddenAndTheSurfaceUntouched) {
    const FailureCase& c = GetParam();
    ASSERT_EQ(FitPicture(surfaces.bgImg, surfaces, Bitmap(640, 480), -1, 0, 0).empty(), false);
    const tk::Picture earlier = surfaces.bgImg.Picture();
    surfaces.bgImg.setVisible(true);
    surfaces.Print("text slide");
    const std::size_t loadsBefore = ui().pictureLoads().size();
    const double naturalWidth = NaturalWidth, naturalHeight = NaturalHeight;

    const std::string path = c.path(files);
    EXPECT_EQ(FitPicture(surfaces.bgImg, surfaces, path, -1, -1, -1), "");

    EXPECT_FALSE(surfaces.bgImg.Visible());
    EXPECT_FALSE(surfaces.bgImg.Stretch());
    EXPECT_TRUE(surfaces.bgImg.Picture() == earlier);
    EXPECT_EQ(ui().pictureLoads().size() - loadsBefore, c.loadAttempted ? 1u : 0u);
    EXPECT_EQ(TextsOn(Area::Screen), std::vector<std::string>{"text slide"});
    EXPECT_EQ(NaturalWidth, naturalWidth);
    EXPECT_EQ(NaturalHeight, naturalHeight);
}

INSTANTIATE_TEST_SUITE_P(Fit, FitPictureFailure, ::testing::ValuesIn(kFailureCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ------------------------------------------------------------------ degenerate sizes

struct FlagSet {
    std::int16_t center, hStretch, vStretch;
};

const FlagSet kAllFlagSets[] = {{0, 0, 0}, {-1, 0, 0}, {0, -1, 0}, {-1, -1, 0},
                                {0, 0, -1}, {-1, 0, -1}, {0, -1, -1}, {-1, -1, -1}};

void ExpectFinite(const tk::Image& element) {
    EXPECT_TRUE(std::isfinite(element.Left()));
    EXPECT_TRUE(std::isfinite(element.Top()));
    EXPECT_TRUE(std::isfinite(element.Width()));
    EXPECT_TRUE(std::isfinite(element.Height()));
    EXPECT_TRUE(std::isfinite(NaturalWidth));
    EXPECT_TRUE(std::isfinite(NaturalHeight));
}

TEST_F(FitPictureTest, ASurfaceWithoutExtentGivesAnEmptyPictureWithFinitePlacement) {
    const std::string path = Bitmap(640, 480);
    for (const FlagSet& flags : kAllFlagSets) {
        SCOPED_TRACE(testing::Message() << "C " << flags.center << " H " << flags.hStretch << " V " << flags.vStretch);
        EXPECT_EQ(FitPicture(surfaces.emptyImg, surfaces.Empty, path, flags.center, flags.hStretch, flags.vStretch),
                  path);
        ExpectFinite(surfaces.emptyImg);
        EXPECT_EQ(surfaces.emptyImg.Width(), 0.0f);
        EXPECT_EQ(surfaces.emptyImg.Height(), 0.0f);
        EXPECT_FALSE(surfaces.emptyImg.Visible());
    }
}

TEST_F(FitPictureTest, AScreenWithoutWidthLeavesThePictureAtItsNaturalSize) {
    os.screen.metrics.widthPx = 0;
    const std::string path = Bitmap(640, 480);
    for (const FlagSet& flags : kAllFlagSets) {
        SCOPED_TRACE(testing::Message() << "C " << flags.center << " H " << flags.hStretch << " V " << flags.vStretch);
        EXPECT_EQ(FitPicture(surfaces.previewImg, surfaces.Preview, path, flags.center, flags.hStretch,
                             flags.vStretch),
                  path);
        ExpectFinite(surfaces.previewImg);
        EXPECT_EQ(NaturalWidth, 9600.0);
        EXPECT_EQ(NaturalHeight, 7200.0);
    }
}

} // namespace
} // namespace qs::test
