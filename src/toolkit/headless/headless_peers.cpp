#include "toolkit/headless/headless_peers.h"

#include <utility>

#include "toolkit/controls.h"

namespace qs::tk::headless::detail {

namespace {

bool IsWindowed(Kind kind) {
    switch (kind) {
    case Kind::Form:
    case Kind::PictureBox:
    case Kind::CommandButton:
    case Kind::CheckBox:
    case Kind::Frame:
    case Kind::TextBox:
    case Kind::VScrollBar:
    case Kind::ListBox: return true;
    default: return false;
    }
}

class ControlPeer : public Peer {
public:
    explicit ControlPeer(platform::WindowHandle hwnd) : hwnd_(hwnd) {}
    void sync(Prop, int) override {}
    platform::WindowHandle hwnd() const override { return hwnd_; }

private:
    platform::WindowHandle hwnd_;
};

class HeadlessSurfacePeer : public SurfacePeer, public DrawingRecord {
public:
    explicit HeadlessSurfacePeer(platform::WindowHandle hwnd) : hwnd_(hwnd) {}
    void sync(Prop, int) override {}
    platform::WindowHandle hwnd() const override { return hwnd_; }
    void cls(Color back) override {
        ops.clear();
        ops.push_back({DrawOp::Type::Cls, back, 0, 0, {}, {}});
    }
    void drawText(float x, float y, const std::string& text, const FontSpec& font, Color color) override {
        ops.push_back({DrawOp::Type::Text, color, x, y, text, font});
    }

private:
    platform::WindowHandle hwnd_;
};

// A picture box lent to a host records the host; HeadlessBackend::closeFromHost plays
// the host asking it to close.
class PictureBoxPeer final : public HeadlessSurfacePeer, public HostablePeer {
public:
    using HeadlessSurfacePeer::HeadlessSurfacePeer;
    void enterHost(platform::WindowHandle host) override { host_ = host; }
    platform::WindowHandle host() const { return host_; }
    bool leaveHost() { return std::exchange(host_, 0) != 0; }

private:
    platform::WindowHandle host_ = 0;
};

// A timer runs on the virtual clock for as long as its peer exists, that is while its
// form is loaded.
class TimerPeer : public Peer {
public:
    TimerPeer(Timer& timer, std::shared_ptr<HeadlessState> state)
        : timer_(timer), state_(std::move(state)), id_(state_->timers.newId()) {}
    ~TimerPeer() override { state_->timers.remove(id_); }
    void sync(Prop what, int) override {
        if (what == Prop::Created || what == Prop::Interval) state_->timers.schedule(id_, timer_);
    }

private:
    Timer& timer_;
    std::shared_ptr<HeadlessState> state_;
    std::uint64_t id_;
};

} // namespace

void VirtualTimers::schedule(std::uint64_t id, Timer& timer) {
    if (!timer.Enabled() || timer.Interval() <= 0) {
        entries_.erase(id);
        return;
    }
    entries_[id] = Entry{id, &timer, now_ + static_cast<std::uint64_t>(timer.Interval())};
}

std::optional<VirtualTimers::Entry> VirtualTimers::earliest() const {
    std::optional<Entry> first;
    for (const auto& [id, entry] : entries_)
        if (!first || entry.due < first->due) first = entry;
    return first;
}

void VirtualTimers::rearm(std::uint64_t id, std::uint64_t due) {
    auto it = entries_.find(id);
    if (it == entries_.end() || it->second.due != due) return;
    it->second.due = due + static_cast<std::uint64_t>(it->second.timer->Interval());
}

platform::WindowHandle HostOf(const PictureBox& box) {
    const auto* peer = dynamic_cast<const PictureBoxPeer*>(box.peer());
    return peer ? peer->host() : 0;
}

bool LeaveHost(PictureBox& box) {
    auto* peer = dynamic_cast<PictureBoxPeer*>(box.peer());
    return peer && peer->leaveHost();
}

std::unique_ptr<Peer> MakePeer(Component& component, const std::shared_ptr<HeadlessState>& state) {
    const Kind kind = component.kind();
    const platform::WindowHandle hwnd = IsWindowed(kind) ? state->newHandle() : 0;
    switch (kind) {
    case Kind::Form: return std::make_unique<HeadlessSurfacePeer>(hwnd);
    case Kind::PictureBox: return std::make_unique<PictureBoxPeer>(hwnd);
    case Kind::Timer: return std::make_unique<TimerPeer>(static_cast<Timer&>(component), state);
    default: return std::make_unique<ControlPeer>(hwnd);
    }
}

} // namespace qs::tk::headless::detail
