// What a show steered by keys has shown, and the steps asked of it: the last slides on
// show, oldest first, and which of them is on show now. "Previous" is then the picture
// the viewer saw, whatever the order (random, shuffled, folders expanded); slides are kept
// as shown (path and flags), not as list numbers, so that a change of the list does not
// change what was seen. After steps back, steps forward (and the schedule's next slides)
// go through the history again before the order gives new slides.
#pragma once

#include <cstddef>
#include <deque>

#include "settings/slide.h"

namespace qs {

inline constexpr std::size_t kShowHistoryLength = 50;
// Steps asked for while their pictures are prepared wait, up to this many: a key held down
// over slow pictures does not run on long after it is let go.
inline constexpr int kMaxWaitingSteps = 3;

class ShowHistory {
public:
    // What the next slide shown is to be (a waiting step's slide, else the schedule's next):
    // one of the slides shown, or nullptr when the order gives it.
    const Slide* coming() const { return neighbour(comingWay()); }
    // The coming slide went on show: `slide`, the order's when coming() was nullptr. One of
    // the order becomes the last one kept (beyond kShowHistoryLength the oldest goes). A
    // waiting step that way is done.
    void shown(const Slide& slide);

    // A key asks for a step forward (+1) or back (-1). Opposite steps cancel; back goes no
    // further than the first slide kept, so a step back there does nothing.
    void askStep(int direction);
    // The way the next waiting step goes: +1, -1, or 0 when none waits.
    int waitingStep() const { return (waiting_ > 0) - (waiting_ < 0); }

private:
    int comingWay() const { return waiting_ < 0 ? -1 : 1; }
    // The slide after the one on show (+1, after steps back) or before it (-1); nullptr at either end.
    const Slide* neighbour(int direction) const;

    std::deque<Slide> shown_;
    std::size_t onShow_ = 0; // into shown_, when it holds any
    int waiting_ = 0;        // steps asked for and not yet shown, forward positive
};

} // namespace qs
