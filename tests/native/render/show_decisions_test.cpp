// A running show's decisions (when, which slide, what a due tick shows) and its fitting
// geometry; the Wine suites draw them on screen.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <string>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/date_value.h"
#include "platform/uniform_random.h"
#include "render/fit_box.h"
#include "render/preparer_job.h"
#include "render/show_history.h"
#include "render/slide_sequencer.h"
#include "support/scoped_services.h"

namespace qs::test {
namespace {

double Seconds(double seconds) { return seconds / platform::kSecondsPerDay; } // from day 0 the arithmetic is exact

// The schedule counts 86000 seconds a day: a slide stays the least whole number of clock
// seconds k with k * 86000 / 86400 > delay; making the next slide due lets it come once the
// clock has moved on by a second.
TEST(SlideSchedule, ASlideStaysItsWholeSecondsOnTheClockAndTheNextIsMadeDueByOneDelay) {
    FakeRandom random;
    for (const auto& [delay, staysSeconds] : {std::pair{2, 3}, {5, 6}, {10, 11}, {215, 217}, {1000, 1005}}) {
        SlideSequencer sequencer(random);
        sequencer.shown(1, 0.0);
        EXPECT_FALSE(sequencer.due(Seconds(staysSeconds - 1), delay)) << delay;
        EXPECT_TRUE(sequencer.due(Seconds(staysSeconds), delay)) << delay;
        const double now = Seconds(staysSeconds - 1);
        sequencer.makeNextSlideDue(now, delay);
        EXPECT_FALSE(sequencer.due(now, delay)) << delay;
        EXPECT_TRUE(sequencer.due(now + Seconds(1), delay)) << delay;
    }
}

std::vector<Slide> Pictures(const std::string& names) { // one letter each
    std::vector<Slide> pictures;
    for (char name : names) pictures.push_back({std::string(1, name)});
    return pictures;
}

// In list order the slides wrap, also when the list shrank below the one on show; at random
// each slide shown draws one value, however often it is asked for. Shuffled, a round shows each
// picture (path) once, the next round never starts with the one on show, and a list changed
// mid-round goes on with the pictures not shown yet. With no slides every order gives the first. A show started
// further on (another monitor's) begins there in list order, wrapping round the list; at random the draws decide.
TEST(SlideOrder, SlidesFollowInListOrderAtRandomOrShuffledOneDrawPerSlideShown) {
    const struct {
        SlideOrder order;
        std::string names;
        std::vector<double> draws;
        std::vector<std::int32_t> shown; // from slide 6 on show
        std::string later = "";          // the list from the third slide on
        std::int32_t furtherOn = 0;
    } cases[] = {
        {.order = SlideOrder::List, .names = "abc", .draws = {}, .shown = {2, 3, 1}, .furtherOn = 4},
        {.order = SlideOrder::Random, .names = "abcd", .draws = {0.0, 0.9}, .shown = {1, 4}, .furtherOn = 2},
        {SlideOrder::List, "abcd", {}, {1, 2, 3, 4, 1, 2}}, {SlideOrder::List, "", {}, {1, 1}},
        {SlideOrder::Random, "", {0.75}, {1}}, {SlideOrder::Shuffle, "", {0.3}, {1}},
        {SlideOrder::Random, "abcd", {0.0, 0.2499, 0.25, 0.5, 0.74, 0.75, 0.9999999}, {1, 1, 2, 3, 3, 4, 4}},
        {SlideOrder::Random, std::string(100000, 'p'), {0.99999999999999989}, {100000}}, // r x count rounds up
        {SlideOrder::Shuffle, "a", {0.5, 0.5}, {1, 1}}, {SlideOrder::Shuffle, "aab", {0, 0, 0}, {1, 3, 1}},
        {SlideOrder::Shuffle, "abcd", {0, 0, 0, 0, 0.99, 0.99, 0.99, 0.5}, {1, 2, 3, 4, 3, 4, 2, 1}},
        {SlideOrder::Shuffle, "abcd", {0, 0, 0, 0.99, 0.5, 0}, {1, 2, 1, 5, 2, 1}, "dcbae"},
    };
    for (const auto& row : cases) {
        FakeRandom random;
        random.queued.assign(row.draws.begin(), row.draws.end());
        SlideSequencer sequencer(random);
        sequencer.shown(6, 0.0);
        sequencer.startFurtherOn(row.furtherOn);
        std::vector<Slide> pictures = Pictures(row.names);
        std::vector<std::int32_t> got;
        for (std::size_t i = 0; i < row.shown.size(); ++i) {
            if (i == 2 && !row.later.empty()) pictures = Pictures(row.later);
            const std::int32_t prepared = sequencer.next(row.order, pictures); // asked ahead, then at the due tick
            EXPECT_EQ(sequencer.next(row.order, pictures), prepared);
            sequencer.shown(prepared, 0.0);
            got.push_back(sequencer.current());
        }
        EXPECT_EQ(got, row.shown) << row.names.substr(0, 8) << " " << static_cast<int>(row.order);
        EXPECT_TRUE(random.queued.empty()) << "one value per slide shown";
    }
}

// 24,000 first rounds of four shuffled pictures from a fixed seed: chi-square over the 24 orders
// (23 degrees of freedom) stays below 49.73, which a fair shuffle exceeds with probability 0.001.
TEST(SlideOrder, EveryOrderOfAShuffledRoundIsEquallyLikely) {
    platform::UniformRandom random(+[]() -> std::uint64_t { return 0; });
    random.Seed(20240611);
    std::map<std::vector<std::int32_t>, int> orders;
    for (int round = 0; round < 24000; ++round) {
        SlideSequencer sequencer(random);
        std::vector<std::int32_t> order;
        while (order.size() < 4)
            sequencer.shown(order.emplace_back(sequencer.next(SlideOrder::Shuffle, Pictures("abcd"))), 0.0);
        ++orders[order];
    }
    ASSERT_EQ(orders.size(), 24u) << "a round shows each picture once";
    double chiSquare = 0;
    for (const auto& [order, seen] : orders) chiSquare += (seen - 1000.0) * (seen - 1000.0) / 1000.0;
    EXPECT_LT(chiSquare, 49.73);
}

// A show steered by keys; the order gives slides A, B, ... Keys: n the schedule's next slide, > and <
// a step asked for, . the pictures ready (the waiting steps show).
std::string StepThrough(const std::string& keys) {
    ShowHistory history;
    std::string shown;
    char order = 'A';
    for (const char key : keys) {
        if (key == '>' || key == '<') history.askStep(key == '>' ? 1 : -1);
        for (bool next = key == 'n'; next || (key == '.' && history.waitingStep() != 0); next = false) {
            const Slide slide = history.coming() ? *history.coming() : Slide{std::string(1, order++)};
            history.shown(slide);
            shown += slide.path;
        }
    }
    return shown;
}

// Back through what was shown, forward (key or schedule) through it again first; 3 steps wait at most.
TEST(ShowHistory, StepsGoThroughWhatWasShownThenOnInTheOrder) {
    const std::pair<std::string, std::string> cases[] = {
        {"nnn<.<.>.>.n", "ABCBABCD"}, {"nnn<.<.nn", "ABCBABC"}, {"n<.<.>.", "AB"}, {"nnnnn<<<<.", "ABCDEDCB"},
        {"nnn<>.", "ABC"}, {"nnn<.>>>>>.", "ABCBCDE"}};
    for (const auto& [keys, expected] : cases) EXPECT_EQ(StepThrough(keys), expected) << keys;
}

// What was prepared for the due slide shows: its picture, or the text slide when it did not load (a
// later report replaces an earlier one); a change of path, options or surface drops it, to be prepared
// again; a slide still being prepared (again) keeps the old one on show without a second order, and is
// given up once it has waited one delay (Delay 2: three clock seconds).
TEST(PreparerJob, WhatWasPreparedShowsAndAPreparingOneDelayOverdueIsGivenUp) {
    const PrepareRequest request{{"a.jpg", true, false, false}, {15360, 15360, 11520, 15360, 15, 15}};
    const struct {
        std::vector<bool> reports; // what came of preparing, in order
        PrepareRequest due;
        std::vector<DueAction> actions; // at due ticks one clock second apart
        bool dropped = true;            // what was prepared is gone: the due slide is to be prepared
        bool preparedAgain = false;     // after the reports, its file changed: prepared again
    } cases[] = {
        {{true}, request, {DueAction::ShowPicture}, false},
        {{false}, request, {DueAction::ShowText}, false},
        {{true, false}, request, {DueAction::ShowText}, false},
        {{false, true}, request, {DueAction::ShowPicture}, false},
        {{}, request, {DueAction::Wait, DueAction::Wait, DueAction::Wait, DueAction::GiveUp}},
        {{true}, request, {DueAction::Wait}, false, true},
        {{true}, {{"b.jpg", true}, request.surface}, {DueAction::Wait}},
        {{true}, {{"a.jpg", false}, request.surface}, {DueAction::Wait}},
        {{true}, {request.slide, {15360, 15360, 11000, 15360, 15, 15}}, {DueAction::Wait}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.due.slide.path + " " + std::to_string(c.reports.size()) + " reports");
        PreparerJob job;
        EXPECT_TRUE(job.start(request));
        EXPECT_FALSE(job.start(request)) << "prepared once";
        EXPECT_FALSE(job.finish({{"a.jpg", true, false, true}, request.surface}, true)) << "no longer wanted";
        for (const bool loaded : c.reports) EXPECT_TRUE(job.finish(request, loaded));
        if (c.preparedAgain) job.preparingAgain(request);
        std::vector<DueAction> actions;
        for (std::size_t tick = 0; tick < c.actions.size(); ++tick) actions.push_back(job.atDue(c.due, Seconds(tick), 2));
        EXPECT_EQ(actions, c.actions);
        EXPECT_EQ(job.start(c.due), c.dropped);
    }
}

// A waiting slide's file looked at again: changed (or come) since it was prepared, it is prepared once
// more; changed again after that, what was decoded shows; gone, the text slide.
TEST(LookAgain, AChangedFileIsPreparedOnceMoreAndAGoneOneGivesTheTextSlide) {
    const FileStamp stamp{100, 7}, later{100, 8};
    const std::tuple<std::optional<FileStamp>, std::optional<FileStamp>, bool, FileVerdict> cases[] = {
        // as prepared, now, prepared again already, verdict
        {stamp, stamp, false, FileVerdict::Keep},         {stamp, later, false, FileVerdict::PrepareAgain},
        {stamp, FileStamp{101, 7}, false, FileVerdict::PrepareAgain},
        {stamp, later, true, FileVerdict::Keep},          {stamp, std::nullopt, false, FileVerdict::Gone},
        {stamp, std::nullopt, true, FileVerdict::Gone},   {std::nullopt, std::nullopt, false, FileVerdict::Keep},
        {std::nullopt, stamp, false, FileVerdict::PrepareAgain}};
    for (const auto& [asPrepared, now, again, verdict] : cases) {
        EXPECT_EQ(LookAgain(asPrepared, now, again), verdict)
            << asPrepared.has_value() << now.has_value() << again;
    }
}

// A tenth of the screen shows a tenth; the share comes from the outer width, the fit from the
// inner area (2 pixels a side less).
TEST(FitBox, APictureKeepsItsScreenShareAndSizesStayFiniteWithoutASurfaceOrAScreenWidth) {
    const std::pair<std::array<bool, 3>, std::array<float, 4>> cases[] = { // center, h, v stretch; left, top, w, h
        {{true, false, false}, {513, 96, 450, 900}}, {{false, true, true}, {0, 0, 1476, 1092}},
        {{false, true, false}, {0, 0, 1476, 2952}}, {{false, false, true}, {0, 0, 546, 1092}}};
    for (const auto& [flags, placed] : cases) { // 300 x 600 pixels on a 1536-twip surface of a 15360-twip screen
        const ElementBox e = FitBox(4500, 9000, 1536, 1476, 1092, 15360, flags[0], flags[1], flags[2]);
        EXPECT_EQ((std::array{e.left, e.top, e.width, e.height}), placed);
    }
    for (int flags = 0; flags < 8; ++flags)
        for (const auto& [surface, screen] : {std::pair{0.0f, 15360.0}, {1536.0f, 0.0}}) {
            const ElementBox e = FitBox(9600, 7200, surface, surface, surface * 0.75f, screen, (flags & 1) != 0,
                                        (flags & 2) != 0, (flags & 4) != 0);
            for (float value : {e.left, e.top, e.width, e.height}) EXPECT_TRUE(std::isfinite(value)) << flags;
            if (surface == 0) {
                EXPECT_EQ(std::pair(e.width, e.height), std::pair(0.0f, 0.0f)) << flags;
            }
        }
}

} // namespace
} // namespace qs::test
