// Timers run on the backend's hidden message-only window, which no modal dialog
// disables, so a form's timer keeps firing while another form is modal.
#include <unordered_map>

#include "toolkit/controls.h"
#include "toolkit/win32/win32_backend.h"

namespace qs::tk::win32 {

namespace {

class TimerPeer;
std::unordered_map<UINT_PTR, TimerPeer*>& Timers() {
    static std::unordered_map<UINT_PTR, TimerPeer*> timers;
    return timers;
}

class TimerPeer final : public Peer {
public:
    explicit TimerPeer(Timer& timer) : timer_(timer) {
        static UINT_PTR nextId = 1;
        id_ = nextId++;
        Timers()[id_] = this;
    }
    ~TimerPeer() override {
        stop();
        Timers().erase(id_);
    }

    void sync(Prop what, int) override {
        if (what != Prop::Created && what != Prop::Interval) return;
        stop();
        auto* backend = Win32Backend::current();
        HWND host = backend ? backend->timerHost() : nullptr;
        if (host && timer_.Enabled() && timer_.Interval() > 0) {
            running_ = SetTimer(host, id_, static_cast<UINT>(timer_.Interval()), &TimerPeer::Fired) != 0;
        }
    }

private:
    void stop() {
        auto* backend = Win32Backend::current();
        if (running_ && backend) KillTimer(backend->timerHost(), id_);
        running_ = false;
    }

    static void CALLBACK Fired(HWND, UINT, UINT_PTR id, DWORD) {
        auto it = Timers().find(id);
        if (it == Timers().end()) return;
        TimerPeer* peer = it->second;
        // A tick whose handler is still running (it opened a dialog) is not run again
        // inside itself; the next interval brings the next tick.
        if (peer->ticking_) return;
        peer->ticking_ = true;
        Timer& timer = peer->timer_;
        const UINT_PTR myId = id;
        Deliver([&] { timer.userTick(); });
        // The handler may have unloaded the form and with it this peer.
        auto again = Timers().find(myId);
        if (again != Timers().end()) again->second->ticking_ = false;
    }

    Timer& timer_;
    UINT_PTR id_ = 0;
    bool running_ = false;
    bool ticking_ = false;
};

} // namespace

std::unique_ptr<Peer> MakeTimerPeer(Timer& timer) { return std::make_unique<TimerPeer>(timer); }

} // namespace qs::tk::win32
