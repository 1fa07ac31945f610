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
    // A slide of the order went on show: it becomes the last one, after the one on show
    // (what was after that is dropped); beyond kShowHistoryLength the oldest goes. It may
    // be a waiting step forward: that step is done.
    void add(const Slide& slide);
    // The slide next to the one on show: after it (+1, after steps back) or before it (-1);
    // nullptr at either end (forward at the end, the order gives the slide).
    const Slide* neighbour(int direction) const;
    // The show went to neighbour(direction); a waiting step that way is done.
    void step(int direction);

    // A key asks for a step forward (+1) or back (-1). Opposite steps cancel; back goes no
    // further than the first slide kept, so a step back there does nothing.
    void askStep(int direction);
    // The way the next waiting step goes: +1, -1, or 0 when none waits.
    int waitingStep() const { return (waiting_ > 0) - (waiting_ < 0); }

private:
    std::deque<Slide> shown_;
    std::size_t onShow_ = 0; // into shown_, when it holds any
    int waiting_ = 0;        // steps asked for and not yet shown, forward positive
};

} // namespace qs
