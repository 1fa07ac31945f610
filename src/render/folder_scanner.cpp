#include "render/folder_scanner.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <deque>
#include <mutex>
#include <utility>

#include "render/folder_pictures.h"
#include "toolkit/work_signal.h"

namespace qs {
namespace {

std::atomic<bool> g_threadsLeftBehind{false};

// A first reading hands over what it found at most this often after its first part: each
// part costs the window thread a pass over the list.
constexpr std::chrono::milliseconds kPartInterval{250};

} // namespace

struct FolderScanner::Channel {
    std::mutex mutex;
    tk::WorkSignal wake;
    std::deque<FolderOrder> orders;
    std::vector<FolderReading> finished;
    std::stop_source current; // stops the reading under way at a restart
    bool busy = false;
    FolderOrder underWay; // while busy

    // Hands a reading over; the window is told when the first one waits.
    void give(FolderReading reading, const std::function<void()>& ready) {
        bool tell = false;
        {
            const std::lock_guard lock(mutex);
            tell = finished.empty();
            finished.push_back(std::move(reading));
        }
        if (tell) ready();
    }

    static void Work(std::stop_token end, std::shared_ptr<Channel> self, platform::Files& files,
                     std::vector<std::string> extensions, std::function<void()> ready);
};

namespace {

// One entry: what its path is, and the pictures of its tree when it is a folder.
void Read(const FolderOrder& order, platform::Files& files, const std::vector<std::string>& extensions,
          std::stop_token stop, const std::function<void(FolderReading)>& give) {
    FolderReading reading{order.generation, order.entry, false, true, true, {}};
    if (files.Kind(order.path) != platform::PathKind::Folder) return give(std::move(reading));
    reading.folder = true;
    bool given = false;
    auto lastGiven = std::chrono::steady_clock::now();
    WalkFolderTree(order.path, files, stop, [&](std::vector<std::string> run) {
        std::vector<std::string> pictures = PicturesAmong(std::move(run), files, stop, extensions);
        reading.pictures.insert(reading.pictures.end(), std::make_move_iterator(pictures.begin()),
                                std::make_move_iterator(pictures.end()));
        const auto now = std::chrono::steady_clock::now();
        if (!order.first || reading.pictures.empty() || (given && now - lastGiven < kPartInterval)) return;
        FolderReading part = std::exchange(reading, FolderReading{order.generation, order.entry, true, false, true, {}});
        part.complete = false;
        give(std::move(part));
        given = true;
        lastGiven = now;
    });
    if (stop.stop_requested()) return;
    give(std::move(reading));
}

} // namespace

void FolderScanner::Channel::Work(std::stop_token end, std::shared_ptr<Channel> self, platform::Files& files,
                                  std::vector<std::string> extensions, std::function<void()> ready) {
    Channel& c = *self;
    std::unique_lock lock(c.mutex);
    for (;;) {
        if (!tk::WaitForWork(c.wake, lock, end, [&c] { return !c.orders.empty(); })) return;
        const FolderOrder order = std::move(c.orders.front());
        c.orders.pop_front();
        const std::stop_token stop = c.current.get_token();
        c.busy = true;
        c.underWay = order;
        lock.unlock();
        const auto give = [&](FolderReading r) {
            if (!stop.stop_requested()) c.give(std::move(r), ready);
        };
        // The thread's one boundary: a reading that fails in any way leaves the entry
        // standing for itself, so that the show gives its text slide and goes on.
        try {
            Read(order, files, extensions, stop, give);
        } catch (...) {
            give(FolderReading{order.generation, order.entry, false, true, true, {}});
        }
        lock.lock();
        c.busy = false;
    }
}

FolderScanner::FolderScanner(platform::Files& files, std::vector<std::string> extensions,
                             std::function<void()> ready)
    : channel_(std::make_shared<Channel>()),
      thread_(&Channel::Work, channel_, std::ref(files), std::move(extensions), std::move(ready)) {}

FolderScanner::~FolderScanner() {
    bool busy = false;
    {
        const std::lock_guard lock(channel_->mutex);
        channel_->current.request_stop();
        channel_->orders.clear();
        busy = channel_->busy;
    }
    thread_.request_stop();
    channel_->wake.notify();
    // A walk stops at its next file; one blocked in a system call is not waited for.
    if (busy) {
        thread_.detach();
        g_threadsLeftBehind = true;
    }
}

bool FolderScanner::threadsLeftBehind() { return g_threadsLeftBehind.load(); }

void FolderScanner::read(std::vector<FolderOrder> orders) {
    if (orders.empty()) return;
    {
        const std::lock_guard lock(channel_->mutex);
        std::deque<FolderOrder>& queue = channel_->orders;
        for (FolderOrder& order : orders) {
            if (!order.urgent) {
                queue.push_back(std::move(order));
                continue;
            }
            // Taken out of its place in the line, so that it is read once.
            const auto same = [&](const FolderOrder& o) {
                return o.entry == order.entry && o.generation == order.generation;
            };
            if (channel_->busy && same(channel_->underWay)) continue;
            std::erase_if(queue, same);
            queue.push_front(std::move(order));
        }
    }
    channel_->wake.notify();
}

void FolderScanner::restart() {
    const std::lock_guard lock(channel_->mutex);
    channel_->current.request_stop();
    channel_->current = std::stop_source();
    channel_->orders.clear();
    channel_->finished.clear();
}

std::vector<FolderReading> FolderScanner::collect() {
    const std::lock_guard lock(channel_->mutex);
    return std::exchange(channel_->finished, {});
}

} // namespace qs
