// The sequencer: when a slide is due, which slide comes next, and how its picture is
// fitted to the surface by the screen share and the entry's flags.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "render/slide_schedule.h"
#include "render_fixture.h"

namespace qs::test {
namespace {

// The schedule counts 86000 seconds a day: a slide stays the least whole number of
// clock seconds k with k * 86000 / 86400 > Delay (from day 0 the arithmetic is exact).
// Until then a tick only follows the background colour.
TEST_F(RenderTest, ASlideStaysItsWholeSecondsOnTheClockAndTheNextIsMadeDueByOneDelay) {
    for (const auto& [delay, staysSeconds] : {std::pair{2, 3}, {5, 6}, {215, 217}, {1000, 1005}}) {
        UseShow({{Bitmap(16, 12)}}, delay);
        os.clock.SetNow(0.0);
        LastSlideTime = 0.0;
        os.clock.Advance(staysSeconds - 1);
        const auto loads = ui().pictureLoads().size();
        AppSettings().bgColor(tk::Rgb(200, 100, delay % 256));
        Tick();
        EXPECT_TRUE(LastSlideTime == 0.0 && ui().pictureLoads().size() == loads) << delay;
        EXPECT_EQ(surfaces.BackColor(), tk::Rgb(200, 100, delay % 256));
        os.clock.Advance(1);
        Tick();
        EXPECT_EQ(LastSlideTime, os.clock.Now()) << delay;
        MakeNextSlideDue(delay); // due once the clock has moved on by a second
        const double madeDue = LastSlideTime;
        Tick();
        EXPECT_EQ(LastSlideTime, madeDue) << delay;
        os.clock.Advance(1);
        Tick();
        EXPECT_EQ(LastSlideTime, os.clock.Now()) << delay;
    }
}

TEST_F(RenderTest, EachPictureIsFittedByTheScreenShareAndItsEntrysFlags) {
    struct Case {
        Area area;
        int widthPx, heightPx;
        bool center, hStretch, vStretch;
        std::array<float, 4> placed; // left, top, width, height
    };
    // On the screen one picture pixel is one screen pixel of 15 twips; a tenth of the
    // screen shows a tenth. Each row runs on what the row before left in the element.
    const Case cases[] = {
        {Area::Screen, 640, 480, 0, 0, 0, {0, 0, 9600, 7200}},
        {Area::Screen, 640, 480, 1, 1, 0, {0, 0, 15360, 11520}},
        {Area::Screen, 300, 600, 1, 0, 1, {4800, 0, 5760, 11520}},
        {Area::Screen, 300, 600, 1, 1, 0, {0, -9600, 15360, 30720}},
        {Area::Preview, 300, 600, 1, 0, 0, {543, 126, 450, 900}},
        // The share comes from the outer width (3000 / 15360), the fit from the inner area.
        {Area::Framed, 640, 480, 0, 0, 0, {0, 0, 1875, 1406.25}},
        {Area::Framed, 640, 480, 0, 1, 1, {0, 0, 3000 - 4 * 15, 2400 - 4 * 15}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        auto [surface, e] = surfaces.at(c.area);
        const std::string path = Bitmap(c.widthPx, c.heightPx);
        UseShow({{path, c.center, c.hStretch, c.vStretch}});
        surface.Print("earlier text");
        DueTick(c.area);
        EXPECT_TRUE(e.Picture().data()->source == path && e.Stretch() && e.Visible());
        EXPECT_TRUE(ui().textsOn(dynamic_cast<tk::Component&>(surface)).empty()) << "the surface is cleared";
        EXPECT_EQ((std::array{e.Left(), e.Top(), e.Width(), e.Height()}), c.placed);
    }
}

TEST_F(RenderTest, SizesStayFiniteWithoutASurfaceOrAScreenWidth) {
    const std::string path = Bitmap(640, 480);
    for (int flags = 0; flags < 8; ++flags) {
        UseShow({{path, (flags & 1) != 0, (flags & 2) != 0, (flags & 4) != 0}});
        for (Area area : {Area::Empty, Area::Preview}) {
            os.screen.metrics.widthPx = area == Area::Empty ? 1024 : 0; // then the natural size shows
            DueTick(area);
            const tk::Image& e = surfaces.at(area).second;
            for (float value : {e.Left(), e.Top(), e.Width(), e.Height()}) EXPECT_TRUE(std::isfinite(value)) << flags;
        }
        EXPECT_TRUE(surfaces.emptyImg.Width() == 0 && surfaces.emptyImg.Height() == 0);
    }
}

// In list order the slides wrap, also when the list shrank below the one on show; in
// random order each due tick draws one value. With no entries both give the first.
TEST_F(RenderTest, SlidesFollowInListOrderOrAtRandom) {
    const std::tuple<bool, int, std::vector<double>, std::vector<std::int32_t>> cases[] = {
        // random, entries, values drawn, slides chosen (from slide 6 on show)
        {false, 4, {}, {1, 2, 3, 4, 1, 2}}, {false, 0, {}, {1, 1}}, {true, 0, {0.75}, {1}},
        {true, 4, {0.0, 0.2499, 0.25, 0.5, 0.74, 0.75, 0.9999999}, {1, 1, 2, 3, 3, 4, 4}}};
    for (const auto& [random, entries, draws, chosen] : cases) {
        std::vector<TestSlide> slides;
        for (int i = 0; i < entries; ++i) slides.push_back({Bitmap(10 + i, 10)});
        UseShow(slides, 10, random);
        os.random.queued.assign(draws.begin(), draws.end());
        show.currentSlide = 6;
        const std::size_t loads = ui().pictureLoads().size();
        std::vector<std::int32_t> got;
        for (std::size_t i = 0; i < chosen.size(); ++i) {
            DueTick();
            got.push_back(show.currentSlide);
            if (entries > 0) {
                EXPECT_EQ(surfaces.screenImg.Picture().data()->source, slides[std::size_t(show.currentSlide - 1)].path);
            }
        }
        EXPECT_EQ(got, chosen) << entries;
        EXPECT_EQ(ui().pictureLoads().size() - loads, entries > 0 ? chosen.size() : 0u);
        EXPECT_TRUE(os.random.queued.empty() && os.random.exhaustedDraws == 0) << "one value per due tick";
    }
}

} // namespace
} // namespace qs::test
