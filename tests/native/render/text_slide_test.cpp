// The text slide the sequencer draws where no picture can be shown.
#include <optional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "render/credit_line.h"
#include "settings/shared_state.h"
#include "slide_show_fixture.h"
#include "toolkit/application.h"

namespace qs::test {
namespace {

using tk::headless::DrawOp;

// Why the slide has no picture.
enum class Cause { NoEntries, MissingFile, EmptyPath };

struct AreaCase {
    Area area;
    // The heading's size: 25 points on a surface as wide as the screen, its share on others.
    double headingPoints;
    // The icon's rectangle: half the outer size, centred on it.
    float iconLeft, iconTop, iconWidth, iconHeight;
};

const AreaCase kAreas[] = {
    {Area::Screen, 25.0, 3840, 2880, 7680, 5760},
    {Area::Preview, 2.5, 384, 288, 768, 576},
    {Area::Framed, 3000.0 * 25 / 15360, 750, 600, 1500, 1200},
};

struct Background {
    const char* name;
    tk::Color color;
    tk::Color text;
};

const Background kBackgrounds[] = {
    {"Black", 0, tk::Rgb(255, 255, 127)},
    {"White", tk::Rgb(255, 255, 255), tk::Rgb(0, 0, 127)},
    {"NearlyBlack", tk::Rgb(0, 0, 1), tk::Rgb(0, 0, 127)},
};

const char* CauseName(Cause cause) {
    switch (cause) {
    case Cause::NoEntries: return "NoEntries";
    case Cause::MissingFile: return "MissingFile";
    case Cause::EmptyPath: return "EmptyPath";
    }
    return "?";
}

std::ostream& operator<<(std::ostream& os, Cause cause) { return os << CauseName(cause); }
std::ostream& operator<<(std::ostream& os, const AreaCase& c) { return os << AreaName(c.area); }
std::ostream& operator<<(std::ostream& os, const Background& b) { return os << b.name; }

struct Line {
    std::string text;
    float x, y;
    tk::FontSpec font;
};

class TextSlide : public SlideShowTest,
                  public ::testing::WithParamInterface<std::tuple<AreaCase, Cause, Background>> {
protected:
    tk::FontSpec With(double size, bool bold, bool italic) const {
        tk::FontSpec font = baseFont_;
        font.Size = size;
        font.Bold = bold;
        font.Italic = italic;
        return font;
    }
    float WidthOf(const tk::FontSpec& font, const std::string& text) { return ui().measureText(font, text).Width; }
    float HeightOf(const tk::FontSpec& font, const std::string& text) { return ui().measureText(font, text).Height; }

    tk::FontSpec baseFont_;
};

TEST_P(TextSlide, ShowsTheIconTheHeadingAndOnAWindowTheCredit) {
    const auto& [areaCase, cause, background] = GetParam();
    auto slot = surfaces.at(areaCase.area);
    baseFont_ = slot.surface.Font;

    TestShow show{.background = background.color};
    std::optional<std::string> path;
    if (cause == Cause::MissingFile) path = (files.path() / "gone.jpg").string();
    if (cause == Cause::EmptyPath) path = "";
    if (path) show.slides.push_back({*path, -1, -1, -1});
    UseShow(show);
    slot.surface.Print("earlier text");

    DueTick(areaCase.area);

    // The icon fills a centred rectangle of half the surface's outer size.
    EXPECT_TRUE(slot.element.Picture() == surfaces.Icon());
    EXPECT_TRUE(slot.element.Stretch());
    EXPECT_TRUE(slot.element.Visible());
    EXPECT_EQ(slot.element.Left(), areaCase.iconLeft);
    EXPECT_EQ(slot.element.Top(), areaCase.iconTop);
    EXPECT_EQ(slot.element.Width(), areaCase.iconWidth);
    EXPECT_EQ(slot.element.Height(), areaCase.iconHeight);

    const std::string notFound = "Picture File Not Found";
    const tk::FontSpec heading = With(areaCase.headingPoints, true, true);
    const float left = (slot.surface.surfaceWidth() - WidthOf(heading, notFound)) / 2;
    const float top = HeightOf(heading, "W") / 2;
    std::vector<Line> expected;
    if (path) {
        expected.push_back({notFound, left, top, heading});
        expected.push_back({*path, 0, top + HeightOf(heading, notFound), With(areaCase.headingPoints / 2, false, false)});
    } else {
        expected.push_back({"No pictures defined", left, top, heading});
    }
    if (areaCase.area == Area::Screen) {
        // Bold stays as the heading lines left it.
        const tk::FontSpec credit = With(8, !path, false);
        expected.push_back({kCreditLine, 0, slot.surface.surfaceHeight() - HeightOf(credit, "W"), credit});
    }

    const auto ops = ui().surfaceOps(slot.drawing);
    ASSERT_EQ(ops.size(), expected.size() + 1);
    EXPECT_EQ(ops[0].type, DrawOp::Type::Cls);
    EXPECT_EQ(ops[0].color, background.color);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].text);
        const DrawOp& op = ops[i + 1];
        EXPECT_EQ(op.type, DrawOp::Type::Text);
        EXPECT_EQ(op.text, expected[i].text);
        EXPECT_EQ(op.x, expected[i].x);
        EXPECT_EQ(op.y, expected[i].y);
        EXPECT_EQ(op.font, expected[i].font);
        EXPECT_EQ(op.color, background.text);
    }
    EXPECT_EQ(LastSlideTime, os.clock.Now());
}

std::string CaseName(const ::testing::TestParamInfo<std::tuple<AreaCase, Cause, Background>>& info) {
    const auto& [areaCase, cause, background] = info.param;
    return std::string(AreaName(areaCase.area)) + "_" + CauseName(cause) + "_" + background.name;
}

INSTANTIATE_TEST_SUITE_P(NextSlide, TextSlide,
                         ::testing::Combine(::testing::ValuesIn(kAreas),
                                            ::testing::Values(Cause::NoEntries, Cause::MissingFile, Cause::EmptyPath),
                                            ::testing::ValuesIn(kBackgrounds)),
                         CaseName);

using TextSlideTest = SlideShowTest;

TEST_F(TextSlideTest, RepeatsEveryDelayWhileNoPictureCanBeShown) {
    UseShow({.delay = 2});
    int slides = 0;
    for (int second = 0; second < 9; ++second) {
        os.clock.Advance(1);
        const double before = LastSlideTime;
        Tick();
        if (LastSlideTime != before) {
            ++slides;
            EXPECT_EQ(TextsOn(Area::Screen), (std::vector<std::string>{"No pictures defined", kCreditLine}));
        }
    }
    EXPECT_EQ(slides, 3);
}

TEST_F(TextSlideTest, APictureAfterATextSlideClearsItsText) {
    const std::string path = Bitmap(64, 48);
    UseShow({.slides = {{(files.path() / "missing.gif").string()}, {path}}});
    DueTick();
    ASSERT_EQ(TextsOn(Area::Screen).size(), 3u);

    DueTick();

    EXPECT_TRUE(TextsOn(Area::Screen).empty());
    EXPECT_EQ(surfaces.bgImg.Picture().data()->source, path);
    EXPECT_TRUE(surfaces.bgImg.Visible());
}

TEST_F(TextSlideTest, TheHeadingShrinksWithTheSurfaceOnAScreenOfAnotherSize) {
    os.screen.metrics.widthPx = 2048;
    UseShow({});

    DueTick(Area::Preview);

    const auto ops = ui().surfaceOps(surfaces.Preview);
    ASSERT_EQ(ops.size(), 2u);
    EXPECT_EQ(ops[1].font.Size, 1536.0 * 25 / 30720);
}

} // namespace
} // namespace qs::test
