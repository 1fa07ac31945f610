// The text slide the sequencer draws where no picture can be shown.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "render/credit_line.h"
#include "render_fixture.h"

namespace qs::test {
namespace {

using tk::headless::DrawOp;

TEST_F(RenderTest, ATextSlideShowsTheIconTheHeadingAndOnAWindowTheCredit) {
    enum Cause { NoEntries, MissingFile, NotAPicture };
    struct Case {
        Area area;
        Cause cause;
        tk::Color background, text; // light yellow on black only, dark blue on anything else
        int screenPx;
        double headingPoints; // 25 on a surface as wide as the screen, its share on others
        std::array<float, 4> icon; // left, top, width, height: half the outer size, centred
    };
    const Case cases[] = {
        {Area::Screen, NoEntries, 0, tk::Rgb(255, 255, 127), 1024, 25.0, {3840, 2880, 7680, 5760}},
        {Area::Screen, MissingFile, tk::Rgb(255, 255, 255), tk::Rgb(0, 0, 127), 1024, 25.0, {3840, 2880, 7680, 5760}},
        {Area::Preview, NotAPicture, 0, tk::Rgb(255, 255, 127), 2048, 1.25, {384, 288, 768, 576}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cause);
        os.screen.metrics.widthPx = c.screenPx;
        auto [surface, e] = surfaces.at(c.area);
        const auto font = [base = surface.Font](double size, bool bold, bool italic) {
            tk::FontSpec f = base;
            f.Size = size, f.Bold = bold, f.Italic = italic;
            return f;
        };
        const std::optional<std::string> paths[] = {std::nullopt, (files.path() / "gone.jpg").string(),
                                                    files.write("notes.bmp", Bytes{'h', 'i'})};
        const std::optional<std::string> path = paths[c.cause];
        UseShow(path ? std::vector<TestSlide>{{*path, true, true, true}} : std::vector<TestSlide>{}, 10, false,
                c.background);
        surface.Print("earlier text");

        DueTick(c.area);

        EXPECT_TRUE(e.Picture() == surfaces.Icon() && e.Stretch() && e.Visible());
        EXPECT_EQ((std::array{e.Left(), e.Top(), e.Width(), e.Height()}), c.icon);
        // Both headings start where "Picture File Not Found" would be centred; the path
        // follows at the left edge, half the size, neither bold nor italic.
        using Line = std::tuple<std::string, tk::Color, float, float, tk::FontSpec>;
        const std::string notFound = "Picture File Not Found";
        const tk::FontSpec heading = font(c.headingPoints, true, true);
        const float left = (surface.surfaceWidth() - ui().measureText(heading, notFound).Width) / 2;
        const float top = ui().measureText(heading, "W").Height / 2;
        std::vector<Line> expected = {{path ? notFound : "No pictures defined", c.text, left, top, heading}};
        if (path) {
            expected.push_back({*path, c.text, 0, top + ui().measureText(heading, notFound).Height,
                                font(c.headingPoints / 2, false, false)});
        }
        if (c.area == Area::Screen) { // bold stays as the heading lines left it
            const tk::FontSpec credit = font(8, !path, false);
            expected.push_back({kCreditLine, c.text, 0,
                                surface.surfaceHeight() - ui().measureText(credit, "W").Height, credit});
        }
        const auto ops = ui().surfaceOps(dynamic_cast<tk::Component&>(surface));
        ASSERT_FALSE(ops.empty());
        EXPECT_TRUE(ops[0].type == DrawOp::Type::Cls && ops[0].color == c.background);
        std::vector<Line> drawn;
        for (std::size_t i = 1; i < ops.size(); ++i)
            drawn.emplace_back(ops[i].text, ops[i].color, ops[i].x, ops[i].y, ops[i].font);
        EXPECT_EQ(drawn, expected);
        EXPECT_EQ(LastSlideTime, os.clock.Now());
    }
}

} // namespace
} // namespace qs::test
