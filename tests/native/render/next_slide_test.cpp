// The sequencer's schedule, its choice of the next slide, and what every tick does.
#include <cmath>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "settings/app_settings.h"
#include "settings/shared_state.h"
#include "slide_show_fixture.h"

namespace qs::test {
namespace {

constexpr double kSecondsPerDay = 86400.0;

long WholeSecondsBetween(double from, double to) { return std::lround((to - from) * kSecondsPerDay); }

// ------------------------------------------------------------------ schedule

struct ScheduleCase {
    std::int32_t delay;
    long staysSeconds;
};

std::ostream& operator<<(std::ostream& os, const ScheduleCase& c) { return os << "Delay" << c.delay; }

// The schedule counts 86000 seconds a day: a slide stays the least whole number of
// clock seconds k with k * 86000 / 86400 > Delay.
const ScheduleCase kScheduleCases[] = {{2, 3}, {5, 6}, {10, 11}, {1000, 1005}};

class SlideSchedule : public SlideShowTest, public ::testing::WithParamInterface<ScheduleCase> {};

TEST_P(SlideSchedule, ASlideStaysItsWholeSecondsOnTheClock) {
    const ScheduleCase& c = GetParam();
    UseShow({.delay = c.delay, .slides = {{Bitmap(16, 12)}}});
    const double start = LastSlideTime;

    std::vector<double> drawnAt;
    const long ticks = (3 * c.staysSeconds + 1) * 1000 / 400;
    for (long i = 0; i < ticks; ++i) {
        os.clock.AdvanceMs(400);
        const double before = LastSlideTime;
        Tick();
        if (LastSlideTime != before) drawnAt.push_back(LastSlideTime);
    }

    ASSERT_EQ(drawnAt.size(), 3u);
    EXPECT_EQ(WholeSecondsBetween(start, drawnAt[0]), c.staysSeconds);
    EXPECT_EQ(WholeSecondsBetween(drawnAt[0], drawnAt[1]), c.staysSeconds);
    EXPECT_EQ(WholeSecondsBetween(drawnAt[1], drawnAt[2]), c.staysSeconds);
}

INSTANTIATE_TEST_SUITE_P(NextSlide, SlideSchedule, ::testing::ValuesIn(kScheduleCases),
                         [](const auto& info) { return "Delay" + std::to_string(info.param.delay); });

using NextSlideTest = SlideShowTest;

TEST_F(NextSlideTest, AnElapsedTimeEqualToTheDelayIsNotYetDue) {
    // From day 0 the arithmetic is exact: 216 clock seconds are 216 * 86000 / 86400 = 215
    // schedule seconds to the last bit.
    UseShow({.delay = 215, .slides = {{Bitmap(16, 12)}}});
    os.clock.SetNow(0.0);
    LastSlideTime = 0.0;
    os.clock.Advance(216);
    ASSERT_EQ((os.clock.Now() - LastSlideTime) * 86000, 215.0);

    Tick();
    EXPECT_EQ(LastSlideTime, 0.0);
    EXPECT_EQ(CurrentSlide, 0);

    os.clock.Advance(1);
    Tick();
    EXPECT_EQ(CurrentSlide, 1);
    EXPECT_EQ(LastSlideTime, os.clock.Now());
}

TEST_F(NextSlideTest, ATickWithNoSlideDueReadsTheClockOnceAndDrawsNothing) {
    UseShow({.background = tk::Rgb(1, 2, 3), .delay = 5, .random = true, .slides = {{Bitmap(64, 48)}}});
    os.random.Queue({0.5});
    DueTick();
    ASSERT_TRUE(surfaces.bgImg.Visible());
    const auto opsBefore = ui().surfaceOps(surfaces).size();
    const auto syncsBefore = ui().syncs(surfaces.bgImg).size();
    const auto loadsBefore = ui().pictureLoads().size();
    const double lastBefore = LastSlideTime;
    const int readsBefore = os.clock.nowReads();
    const int screenReadsBefore = os.screen.reads;

    os.clock.Advance(5);
    Tick();

    EXPECT_EQ(os.clock.nowReads(), readsBefore + 1);
    EXPECT_EQ(os.screen.reads, screenReadsBefore);
    EXPECT_EQ(ui().surfaceOps(surfaces).size(), opsBefore);
    EXPECT_EQ(ui().syncs(surfaces.bgImg).size(), syncsBefore);
    EXPECT_EQ(ui().pictureLoads().size(), loadsBefore);
    EXPECT_EQ(LastSlideTime, lastBefore);
    EXPECT_EQ(CurrentSlide, 1);
    EXPECT_EQ(os.random.draws, 1);
}

TEST_F(NextSlideTest, TheBackgroundFollowsTheSettingOnEveryTick) {
    for (Area area : {Area::Screen, Area::Preview, Area::Framed}) {
        SCOPED_TRACE(AreaName(area));
        auto slot = surfaces.at(area);
        UseShow({.background = tk::Rgb(200, 100, 50), .delay = 10});
        LastSlideTime = os.clock.Now();

        Tick(area);
        EXPECT_EQ(slot.surface.BackColor(), tk::Rgb(200, 100, 50));

        AppSettings().bgColor(0);
        Tick(area);
        EXPECT_EQ(slot.surface.BackColor(), 0);
        const auto ops = ui().surfaceOps(slot.drawing);
        ASSERT_EQ(ops.size(), 1u);
        EXPECT_EQ(ops[0].type, tk::headless::DrawOp::Type::Cls);
        EXPECT_EQ(ops[0].color, 0);
        EXPECT_EQ(CurrentSlide, 0);
    }
}

TEST_F(NextSlideTest, APictureSlideIsShownAndTheScheduleStartsAgain) {
    const std::string path = Bitmap(640, 480);
    UseShow({.delay = 10, .slides = {{path}}});
    surfaces.bgImg.setVisible(false);
    os.clock.Advance(3600);

    DueTick();

    EXPECT_EQ(surfaces.bgImg.Picture().data()->source, path);
    EXPECT_TRUE(surfaces.bgImg.Visible());
    EXPECT_EQ(LastSlideTime, os.clock.Now());
    EXPECT_TRUE(TextsOn(Area::Screen).empty());
}

TEST_F(NextSlideTest, EachEntryIsFittedWithItsOwnFlags) {
    const std::string path = Bitmap(640, 480);
    UseShow({.slides = {{path, -1, 0, 0}, {path, 0, -1, -1}, {path, 0, 0, 0}}});

    DueTick();
    EXPECT_EQ(surfaces.bgImg.Left(), 2880);
    EXPECT_EQ(surfaces.bgImg.Top(), 2160);
    EXPECT_EQ(surfaces.bgImg.Width(), 9600);

    DueTick();
    EXPECT_EQ(surfaces.bgImg.Left(), 0);
    EXPECT_EQ(surfaces.bgImg.Width(), 15360);
    EXPECT_EQ(surfaces.bgImg.Height(), 11520);

    DueTick();
    EXPECT_EQ(surfaces.bgImg.Left(), 0);
    EXPECT_EQ(surfaces.bgImg.Top(), 0);
    EXPECT_EQ(surfaces.bgImg.Width(), 9600);
    EXPECT_EQ(surfaces.bgImg.Height(), 7200);
}

// ------------------------------------------------------------------ order

TEST_F(NextSlideTest, SequentialOrderRunsThroughTheListAndWraps) {
    const std::vector<std::string> paths = {Bitmap(10, 10), Bitmap(20, 10), Bitmap(30, 10)};
    UseShow({.slides = {{paths[0]}, {paths[1]}, {paths[2]}}});

    std::vector<std::int32_t> chosen;
    std::vector<std::string> shown;
    for (int i = 0; i < 7; ++i) {
        DueTick();
        chosen.push_back(CurrentSlide);
        shown.push_back(surfaces.bgImg.Picture().data()->source);
    }

    EXPECT_EQ(chosen, (std::vector<std::int32_t>{1, 2, 3, 1, 2, 3, 1}));
    EXPECT_EQ(shown, (std::vector<std::string>{paths[0], paths[1], paths[2], paths[0], paths[1], paths[2], paths[0]}));
    EXPECT_EQ(os.random.draws, 0);
}

TEST_F(NextSlideTest, AListShrunkBelowTheCurrentSlideStartsAgainAtTheFirst) {
    const std::string first = Bitmap(10, 10);
    UseShow({.slides = {{first}, {Bitmap(11, 10)}, {Bitmap(12, 10)}, {Bitmap(13, 10)}, {Bitmap(14, 10)}}});
    CurrentSlide = 4;
    DueTick();
    ASSERT_EQ(CurrentSlide, 5);

    AppSettings().PictureCount(3);
    DueTick();

    EXPECT_EQ(CurrentSlide, 1);
    EXPECT_EQ(surfaces.bgImg.Picture().data()->source, first);
}

TEST_F(NextSlideTest, WithNoEntriesBothOrdersChooseTheFirst) {
    for (bool random : {false, true}) {
        SCOPED_TRACE(random ? "random" : "sequential");
        UseShow({.random = random});
        os.random.Queue({0.75});
        CurrentSlide = 6;
        DueTick();
        EXPECT_EQ(CurrentSlide, 1);
        EXPECT_TRUE(ui().pictureLoads().empty());
    }
}

struct RandomCase {
    const char* name;
    int entries;
    std::vector<double> draws;
    std::vector<std::int32_t> chosen;
};

std::ostream& operator<<(std::ostream& os, const RandomCase& c) { return os << c.name; }

const RandomCase kRandomCases[] = {
    {"OneEntry", 1, {0.0, 0.5, 0.999999}, {1, 1, 1}},
    {"FourEntries", 4, {0.0, 0.2499, 0.25, 0.5, 0.74, 0.75, 0.9999999}, {1, 1, 2, 3, 3, 4, 4}},
    {"ThreeEntries", 3, {0.3333, 0.3334, 0.6666, 0.6667, 0.3334}, {1, 2, 2, 3, 2}},
    {"SameTwiceInARow", 5, {0.41, 0.42, 0.43}, {3, 3, 3}},
};

class RandomOrder : public SlideShowTest, public ::testing::WithParamInterface<RandomCase> {};

TEST_P(RandomOrder, EachDueTickDrawsOneValueAndMapsItToAnEntry) {
    const RandomCase& c = GetParam();
    TestShow show{.random = true};
    std::vector<std::string> paths;
    for (int i = 0; i < c.entries; ++i) {
        paths.push_back(Bitmap(10 + i, 10));
        show.slides.push_back({paths.back()});
    }
    UseShow(show);
    os.random.queued.assign(c.draws.begin(), c.draws.end());

    std::vector<std::int32_t> chosen;
    for (std::size_t i = 0; i < c.draws.size(); ++i) {
        DueTick();
        chosen.push_back(CurrentSlide);
        EXPECT_EQ(surfaces.bgImg.Picture().data()->source, paths[static_cast<std::size_t>(CurrentSlide - 1)]);
    }

    EXPECT_EQ(chosen, c.chosen);
    EXPECT_EQ(os.random.draws, static_cast<int>(c.draws.size()));
    EXPECT_EQ(os.random.exhaustedDraws, 0);
}

INSTANTIATE_TEST_SUITE_P(NextSlide, RandomOrder, ::testing::ValuesIn(kRandomCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace qs::test
