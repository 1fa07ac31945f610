// How a worker thread waits for work: on a signal of the system's own (an event), not on a
// C++ library condition variable. The MinGW thread library's condition variable can leave a
// waiter and a notifier blocked on each other for good (seen as a rare hang at a show's end
// under Wine, the window thread waiting for the worker): an event has no such state.
#pragma once

#include <chrono>
#include <mutex>
#include <stop_token>

namespace qs::tk {

class WorkSignal {
public:
    WorkSignal();
    ~WorkSignal();
    WorkSignal(const WorkSignal&) = delete;
    WorkSignal& operator=(const WorkSignal&) = delete;

    // Wakes the waiting thread, or, when none waits, its next wait: no wake-up is lost.
    void notify();
    // Unlocks `lock`, waits for notify() or `timeout`, and locks it again.
    void waitFor(std::unique_lock<std::mutex>& lock, std::chrono::milliseconds timeout);

private:
    void* event_;
};

// True when there is work; false once the stop was asked for, work or not. Whoever asks for
// the stop notifies the signal; a look every 200 ms bounds the wait of a stop without one.
template <class HasWork>
bool WaitForWork(WorkSignal& wake, std::unique_lock<std::mutex>& lock, const std::stop_token& end, HasWork hasWork) {
    while (!end.stop_requested()) {
        if (hasWork()) return true;
        wake.waitFor(lock, std::chrono::milliseconds(200));
    }
    return false;
}

} // namespace qs::tk
