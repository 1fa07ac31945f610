#include "toolkit/work_signal.h"

#include <windows.h>

namespace qs::tk {

// Auto-reset: a notify with no waiter keeps the event set for the next wait.
WorkSignal::WorkSignal() : event_(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {}

WorkSignal::~WorkSignal() {
    if (event_) CloseHandle(event_);
}

void WorkSignal::notify() {
    if (event_) SetEvent(event_);
}

void WorkSignal::waitFor(std::unique_lock<std::mutex>& lock, std::chrono::milliseconds timeout) {
    lock.unlock();
    if (event_) WaitForSingleObject(event_, static_cast<DWORD>(timeout.count()));
    else Sleep(static_cast<DWORD>(timeout.count())); // no event to be had: a plain look every so often
    lock.lock();
}

} // namespace qs::tk
