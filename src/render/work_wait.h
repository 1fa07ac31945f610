// How a worker thread waits for work: on its condition, until there is work or its stop
// is asked for. The wait looks again every 200 ms, so that a wake-up the thread library
// loses (a rare hang at a show's end under Wine, the window waiting for the thread) costs
// at most that.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <stop_token>

namespace qs {

// True when there is work; false once the stop was asked for, work or not.
template <class HasWork>
bool WaitForWork(std::condition_variable_any& wake, std::unique_lock<std::mutex>& lock, const std::stop_token& end,
                 HasWork hasWork) {
    while (!end.stop_requested()) {
        if (wake.wait_for(lock, end, std::chrono::milliseconds(200), hasWork)) return !end.stop_requested();
    }
    return false;
}

} // namespace qs
