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
    enum Cause { NoEntries, MissingFile, EmptyPath, NotAPicture, HalfABitmap };
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
        {Area::Framed, HalfABitmap, 0, tk::Rgb(255, 255, 127), 1024, 3000.0 * 25 / 15360, {750, 600, 1500, 1200}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "area " << int(c.area) << " cause " << c.cause);
        os.screen.metrics.widthPx = c.screenPx;
        auto slot = surfaces.at(c.area);
        const tk::FontSpec base = slot.surface.Font;
        const auto font = [&](double size, bool bold, bool italic) {
            tk::FontSpec f = base;
            f.Size = size, f.Bold = bold, f.Italic = italic;
            return f;
        };
        Bytes half = MakeBmp(40, 30);
        half.resize(half.size() / 2);
        const std::optional<std::string> paths[] = {std::nullopt, (files.path() / "gone.jpg").string(), "",
                                                    files.write("notes.bmp", Bytes{'h', 'i'}), files.write("half.bmp", half)};
        const std::optional<std::string> path = paths[c.cause];
        UseShow(path ? std::vector<TestSlide>{{*path, true, true, true}} : std::vector<TestSlide>{}, 10, false,
                c.background);
        slot.surface.Print("earlier text");

        DueTick(c.area);

        const tk::Image& e = slot.element;
        EXPECT_TRUE(e.Picture() == surfaces.Icon() && e.Stretch() && e.Visible());
        EXPECT_EQ((std::array{e.Left(), e.Top(), e.Width(), e.Height()}), c.icon);
        // Both headings start where "Picture File Not Found" would be centred.
        const std::string notFound = "Picture File Not Found";
        const tk::FontSpec heading = font(c.headingPoints, true, true);
        const float left = (slot.surface.surfaceWidth() - ui().measureText(heading, notFound).Width) / 2;
        const float top = ui().measureText(heading, "W").Height / 2;
        std::vector<DrawOp> expected = {{DrawOp::Type::Cls, c.background, 0, 0, "", heading}};
        if (path) {
            expected.push_back({DrawOp::Type::Text, c.text, left, top, notFound, heading});
            expected.push_back({DrawOp::Type::Text, c.text, 0, top + ui().measureText(heading, notFound).Height, *path,
                                font(c.headingPoints / 2, false, false)});
        } else {
            expected.push_back({DrawOp::Type::Text, c.text, left, top, "No pictures defined", heading});
        }
        if (c.area == Area::Screen) { // bold stays as the heading lines left it
            const tk::FontSpec credit = font(8, !path, false);
            expected.push_back({DrawOp::Type::Text, c.text, 0,
                                slot.surface.surfaceHeight() - ui().measureText(credit, "W").Height, kCreditLine, credit});
        }
        const auto ops = ui().surfaceOps(slot.drawing);
        ASSERT_EQ(ops.size(), expected.size());
        for (std::size_t i = 0; i < ops.size(); ++i) {
            const auto seen = std::tuple(ops[i].type, ops[i].color, ops[i].text, ops[i].x, ops[i].y, ops[i].font);
            if (i == 0) EXPECT_TRUE(ops[0].type == DrawOp::Type::Cls && ops[0].color == c.background);
            else EXPECT_EQ(seen, std::tuple(expected[i].type, expected[i].color, expected[i].text, expected[i].x,
                                            expected[i].y, expected[i].font)) << i;
        }
        EXPECT_EQ(LastSlideTime, os.clock.Now());
    }
}

} // namespace
} // namespace qs::test
