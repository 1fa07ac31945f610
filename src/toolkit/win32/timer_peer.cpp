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
        if (host && timer_.enabled() && timer_.interval() > 0) {
            running_ = SetTimer(host, id_, static_cast<UINT>(timer_.interval()), nullptr) != 0;
        }
    }

    void fired() {
        // A tick whose handler is still running (it opened a dialog) is not run again
        // inside itself; the next interval brings the next tick.
        if (ticking_) return;
        ticking_ = true;
        // Ends the tick however the handler ends; it may have unloaded the form and with
        // it this peer.
        struct TickEnd {
            UINT_PTR id;
            ~TickEnd() {
                if (auto it = Timers().find(id); it != Timers().end()) it->second->ticking_ = false;
            }
        } end{id_};
        timer_.userTick();
    }

private:
    void stop() {
        auto* backend = Win32Backend::current();
        if (running_ && backend) KillTimer(backend->timerHost(), id_);
        running_ = false;
    }

    Timer& timer_;
    UINT_PTR id_ = 0;
    bool running_ = false;
    bool ticking_ = false;
};

// The hidden message-only window that owns every timer: never shown, never disabled by
// a modal dialog, so the timers keep running through every modal loop. Ticks reach the
// timers through its window procedure, as every other event reaches its handler.
class TimerHost final : public NativeWindow {
public:
    TimerHost() { createOwn(kTimerHostClass, 0, 0, "", 0, 0, 0, 0, HWND_MESSAGE, nullptr); }

protected:
    LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg != WM_TIMER) return defaultHandling(msg, wParam, lParam);
        if (auto it = Timers().find(wParam); it != Timers().end()) it->second->fired();
        return 0;
    }
};

} // namespace

std::unique_ptr<NativeWindow> MakeTimerHost() { return std::make_unique<TimerHost>(); }

std::unique_ptr<Peer> MakeTimerPeer(Timer& timer) { return std::make_unique<TimerPeer>(timer); }

} // namespace qs::tk::win32
