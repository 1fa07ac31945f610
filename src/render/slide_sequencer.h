// Which slide of a running show comes next, and when: one per show, with no toolkit and
// no clock of its own (the show passes the time, as date values in days).
//
// The schedule counts 86000 seconds a day, not 86400, everywhere (the due test and making
// the next slide due), so a slide stays a little longer than its delay: the least whole
// number of clock seconds k with k * 86000 / 86400 > delay (2 gives 3, 10 gives 11).
//
// Where the coming options belong: a shuffled order (each slide once a round) is another
// SlideOrder, decided in next(); a list entry naming a folder is expanded by next() into
// its pictures, the count then counting pictures; a fade between slides is the show's
// drawing, and what due() waits for would grow by its length.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/services.h"

namespace qs {

inline constexpr double kScheduleSecondsPerDay = 86000.0;

enum class SlideOrder {
    List,   // the next slide, wrapping to the first
    Random, // any slide, the one on show included
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
    // The slide after the one on show, numbered from 1, in a list of `count`: in list order
    // the next, wrapping to 1 (also when the list shrank below the one on show); at random
    // floor(r x count) + 1 for one value r of the generator. That value is drawn the first
    // time this slide is asked for and kept until it is shown, so the generator gives one
    // value per slide shown, in the order shown, however early or often the slide is asked
    // for, and a given seed shows the slides it always did. An empty list gives 1.
    std::int32_t next(SlideOrder order, std::int32_t count);
    // The slide next() gave went on show; `now` is read after drawing it, so that a slow
    // drawing does not eat into its time on show.
    void shown(std::int32_t slide, double now);
    // The slide on show, 0 before the first.
    std::int32_t current() const { return current_; }
    // The list changed around the slide on show, which is now number `slide` in it.
    void renumber(std::int32_t slide) { current_ = slide; }

private:
    platform::Random& random_;
    double lastSlideTime_ = 0.0;
    std::int32_t current_ = 0;
    std::optional<double> drawn_;
};

} // namespace qs
