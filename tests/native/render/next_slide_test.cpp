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
// clock seconds k with k * 86000 / 86400 > Delay.
TEST_F(RenderTest, ASlideStaysItsWholeSecondsOnTheClock) {
    for (const auto& [delay, staysSeconds] : {std::pair{2, 3L}, {5, 6L}, {1000, 1005L}}) {
        UseShow({{Bitmap(16, 12)}}, delay);
        std::vector<double> drawnAt = {LastSlideTime};
        for (long i = 0; i < (3 * staysSeconds + 1) * 1000 / 400; ++i) {
            os.clock.AdvanceMs(400);
            const double before = LastSlideTime;
            Tick();
            if (LastSlideTime != before) drawnAt.push_back(LastSlideTime);
        }
        ASSERT_EQ(drawnAt.size(), 4u) << delay;
        for (std::size_t i = 1; i < drawnAt.size(); ++i)
            EXPECT_EQ(std::lround((drawnAt[i] - drawnAt[i - 1]) * 86400.0), staysSeconds) << delay;
    }
}

// From day 0 the arithmetic is exact: an elapsed time equal to the delay is not yet due,
// and a show made due now draws once the clock has moved on by a second.
TEST_F(RenderTest, AnElapsedTimeEqualToTheDelayIsNotYetDue) {
    UseShow({{Bitmap(16, 12)}}, 215);
    os.clock.SetNow(0.0);
    MakeNextSlideDue(215);
    EXPECT_DOUBLE_EQ(LastSlideTime, -215 / 86000.0);
    Tick();
    EXPECT_EQ(show.currentSlide, 0);
    os.clock.Advance(1);
    Tick();
    EXPECT_EQ(show.currentSlide, 1);
    EXPECT_EQ(LastSlideTime, os.clock.Now());
}

// A tick runs several times a second: until a slide is due it only follows the colour.
TEST_F(RenderTest, ATickWithNoSlideDueOnlyFollowsTheBackgroundColour) {
    UseShow({{Bitmap(64, 48)}}, 5, true, tk::Rgb(1, 2, 3));
    os.random.Queue({0.5});
    DueTick();
    const auto ops = ui().surfaceOps(surfaces).size(), loads = ui().pictureLoads().size();
    const double last = LastSlideTime;
    os.clock.Advance(5);
    Tick();
    EXPECT_TRUE(ui().surfaceOps(surfaces).size() == ops && ui().pictureLoads().size() == loads);
    EXPECT_TRUE(LastSlideTime == last && show.currentSlide == 1 && os.random.draws == 1);
    AppSettings().bgColor(tk::Rgb(200, 100, 50));
    Tick(Area::Preview);
    EXPECT_EQ(surfaces.Preview.BackColor(), tk::Rgb(200, 100, 50));
    EXPECT_EQ(LastSlideTime, last);
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
        {Area::Wide, 640, 480, 1, 1, 0, {0, -2880, 15360, 11520}},
        {Area::Wide, 640, 480, 1, 0, 1, {3840, 0, 7680, 5760}},
        {Area::Wide, 640, 480, 1, 0, 0, {2880, -720, 9600, 7200}},
        {Area::Preview, 300, 600, 1, 0, 0, {543, 126, 450, 900}},
        // The share comes from the outer width (3000 / 15360), the fit from the inner area.
        {Area::Framed, 640, 480, 0, 0, 0, {0, 0, 1875, 1406.25}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        auto slot = surfaces.at(c.area);
        const std::string path = Bitmap(c.widthPx, c.heightPx);
        UseShow({{path, c.center, c.hStretch, c.vStretch}});
        slot.surface.Print("earlier text");
        DueTick(c.area);
        const tk::Image& e = slot.element;
        EXPECT_TRUE(e.Picture().data()->source == path && e.Stretch() && e.Visible());
        EXPECT_TRUE(ui().textsOn(slot.drawing).empty()) << "the surface is cleared";
        EXPECT_EQ((std::array{e.Left(), e.Top(), e.Width(), e.Height()}), c.placed);
    }
    UseShow({{Bitmap(640, 480), true, true, true}});
    DueTick(Area::Framed);
    EXPECT_EQ(surfaces.framedImg.Width(), surfaces.Framed.ScaleWidth());
    EXPECT_EQ(surfaces.framedImg.Height(), surfaces.Framed.ScaleHeight());
}

TEST_F(RenderTest, SizesStayFiniteWithoutASurfaceOrAScreenWidth) {
    const std::string path = Bitmap(640, 480);
    for (int flags = 0; flags < 8; ++flags) {
        UseShow({{path, (flags & 1) != 0, (flags & 2) != 0, (flags & 4) != 0}});
        for (Area area : {Area::Empty, Area::Preview}) {
            os.screen.metrics.widthPx = area == Area::Empty ? 1024 : 0; // then the natural size shows
            DueTick(area);
            const tk::Image& e = surfaces.at(area).element;
            for (float value : {e.Left(), e.Top(), e.Width(), e.Height()}) EXPECT_TRUE(std::isfinite(value)) << flags;
        }
        EXPECT_TRUE(surfaces.emptyImg.Width() == 0 && surfaces.emptyImg.Height() == 0);
    }
}

TEST_F(RenderTest, SlidesFollowInListOrderAndWrapAlsoWhenTheListShrinks) {
    const std::vector<std::string> paths = {Bitmap(10, 10), Bitmap(20, 10), Bitmap(30, 10), Bitmap(40, 10)};
    UseShow({{paths[0]}, {paths[1]}, {paths[2]}, {paths[3]}});
    for (int i = 0; i < 9; ++i) {
        const std::size_t n = static_cast<std::size_t>(i % 4);
        os.clock.Advance(3600);
        DueTick();
        EXPECT_EQ(surfaces.bgImg.Picture().data()->source, paths[n]);
        EXPECT_EQ(LastSlideTime, os.clock.Now()) << "the schedule starts again";
    }
    DueTick();
    ASSERT_EQ(show.currentSlide, 2);
    AppSettings().PictureCount(1);
    DueTick();
    EXPECT_EQ(show.currentSlide, 1);
    UseShow({});
    DueTick();
    EXPECT_EQ(show.currentSlide, 1) << "no entries: the first as well";
    EXPECT_EQ(os.random.draws, 0);
}

TEST_F(RenderTest, RandomOrderDrawsOneValuePerDueTickAndMapsItToAnEntry) {
    const std::tuple<int, std::vector<double>, std::vector<std::int32_t>> cases[] = { // entries, draws, chosen
        {0, {0.75}, {1}}, // no entries: the first, and nothing to load
        {4, {0.0, 0.2499, 0.25, 0.5, 0.74, 0.75, 0.9999999}, {1, 1, 2, 3, 3, 4, 4}},
        {3, {0.3333, 0.3334, 0.6666, 0.6667}, {1, 2, 2, 3}}};
    for (const auto& [entries, draws, chosen] : cases) {
        std::vector<TestSlide> slides;
        for (int i = 0; i < entries; ++i) slides.push_back({Bitmap(10 + i, 10)});
        UseShow(slides, 10, true);
        os.random.queued.assign(draws.begin(), draws.end());
        show.currentSlide = 6;
        const std::size_t loads = ui().pictureLoads().size();
        std::vector<std::int32_t> got;
        for (std::size_t i = 0; i < draws.size(); ++i) {
            DueTick();
            got.push_back(show.currentSlide);
            if (entries > 0) {
                EXPECT_EQ(surfaces.bgImg.Picture().data()->source, slides[std::size_t(show.currentSlide - 1)].path);
            }
        }
        EXPECT_EQ(got, chosen) << entries;
        EXPECT_EQ(ui().pictureLoads().size() - loads, entries > 0 ? draws.size() : 0u);
        EXPECT_EQ(os.random.exhaustedDraws, 0);
    }
}

} // namespace
} // namespace qs::test
