// Which slide of a running show comes next, and when: one per show, with no toolkit and
// no clock of its own (the show passes the time, as date values in days).
//
// The schedule counts 86000 seconds a day, not 86400, everywhere (the due test and making
// the next slide due), so a slide stays a little longer than its delay: the least whole
// number of clock seconds k with k * 86000 / 86400 > delay (2 gives 3, 10 gives 11).
//
// The order works on the show's pictures, a flat list (a list entry naming a folder
// stands for its pictures there); a fade between slides is the show's drawing, and what
// due() waits for would grow by its length.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "platform/services.h"
#include "settings/slide.h"

namespace qs {

inline constexpr double kScheduleSecondsPerDay = 86000.0;

enum class SlideOrder {
    List,   // the next slide, wrapping to the first
    Random, // any slide, the one on show included
    // Every picture once a round, in an order each of whose permutations is equally
    // likely, and never the one on show: not across the boundary of two rounds either
    // (unless the list holds that picture alone). Pictures are told by their paths, so
    // that a list that changes while the show runs stays fair: each pick is uniform among
    // the pictures whose path has not shown this round and is not on show.
    Shuffle,
};

class SlideSequencer {
public:
    explicit SlideSequencer(platform::Random& random) : random_(random) {}

    // --- when ---
    // True once the slide on show has had its delay: (now - last slide time) x 86000 > delay.
    bool due(double now, std::int32_t delaySeconds) const;
    // The last slide time goes back one delay, so that the next tick shows a slide as soon
    // as the clock has moved on by a second (a show starting, a new list applied).
    void makeNextSlideDue(double now, std::int32_t delaySeconds);
    // The slide on show starts its time again at `now`: a step to a slide shown before, a
    // show resumed after a pause.
    void restartSchedule(double now) { lastSlideTime_ = now; }

    // --- which ---
    // The picture after the one on show, numbered from 1 in `pictures`: in list order the
    // next, wrapping to 1 (also when the list shrank below the one on show); at random
    // floor(r x count) + 1 for one value r of the generator; shuffled, the one at
    // floor(r x open) among the pictures open to the pick, in list order. That value is
    // drawn the first time this slide is asked for and kept until it is shown, so the
    // generator gives one value per slide shown, in the order shown, however early or
    // often the slide is asked for, and a given seed shows the slides it always did. An
    // empty list gives 1. Linear in the list's length when shuffled.
    std::int32_t next(SlideOrder order, const std::vector<Slide>& pictures);
    // The slide next() gave went on show; `now` is read after drawing it, so that a slow
    // drawing does not eat into its time on show.
    void shown(std::int32_t slide, double now);
    // The slide on show, 0 before the first.
    std::int32_t current() const { return current_; }
    // The list changed around the slide on show, which is now number `slide` in it.
    void renumber(std::int32_t slide) { current_ = slide; }
    // In list order the first slide is the one `slides` further on than the first,
    // wrapping round the list: the show of another monitor starts ahead of the primary's.
    void startFurtherOn(std::int32_t slides) { furtherOn_ = slides; }

private:
    double drawn();
    std::int32_t shuffled(const std::vector<Slide>& pictures);

    platform::Random& random_;
    double lastSlideTime_ = 0.0;
    std::int32_t current_ = 0;
    std::int32_t furtherOn_ = 0; // until the first slide shows
    std::optional<double> drawn_;
    // The shuffled pick waiting to be shown, and whether it starts a new round.
    struct Pick {
        std::int32_t number = 0;
        std::string path;
        bool startsRound = false;
    };
    std::optional<Pick> pick_;
    std::unordered_set<std::string> shownThisRound_;
    std::optional<std::string> onShow_; // the shuffled picture on show
};

} // namespace qs
