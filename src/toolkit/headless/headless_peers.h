// The headless peers and the state they share with their backend. Peers may outlive
// the backend that made them (a test's form destroyed after the backend was
// replaced), so the state they need is shared, not borrowed.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "toolkit/headless/headless_backend.h"

namespace qs::tk::headless::detail {

// Running timers on the virtual clock.
class VirtualTimers {
public:
    struct Entry {
        std::uint64_t id = 0;
        Timer* timer = nullptr;
        std::uint64_t due = 0;
    };

    std::uint64_t now() const { return now_; }
    void setNow(std::uint64_t ms) { now_ = ms; }
    std::uint64_t newId() { return ++lastId_; }
    // (Re)starts the timer from now with its Interval, or stops it when it is disabled.
    void schedule(std::uint64_t id, Timer& timer);
    void remove(std::uint64_t id) { entries_.erase(id); }
    // The timer due first; equal times go to the one created first.
    std::optional<Entry> earliest() const;
    // After a firing at `due`: the next period, unless the timer was restarted or stopped.
    void rearm(std::uint64_t id, std::uint64_t due);

private:
    std::uint64_t now_ = 0;
    std::uint64_t lastId_ = 0;
    std::map<std::uint64_t, Entry> entries_;
};

struct HeadlessState {
    VirtualTimers timers;
    platform::WindowHandle lastHandle = 0x10000;
    platform::WindowHandle newHandle() { return lastHandle += 4; }
};

// The drawing of a surface since its last clear.
class DrawingRecord {
public:
    virtual ~DrawingRecord() = default;
    std::vector<DrawOp> ops;
};

// The host a picture box was moved into, 0 while it is in its own form.
platform::WindowHandle HostOf(const PictureBox& box);
// Takes the box out of its host; false when it was in none.
bool LeaveHost(PictureBox& box);

std::unique_ptr<Peer> MakePeer(Component& component, const std::shared_ptr<HeadlessState>& state);

} // namespace qs::tk::headless::detail
