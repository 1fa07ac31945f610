// Images and lines have no window: their container draws them, and a change repaints
// just the part of the container they covered and now cover.
#include "toolkit/controls.h"
#include "toolkit/win32/container_window.h"
#include "toolkit/win32/win32_backend.h"

namespace qs::tk::win32 {

namespace {

RECT BoundsOf(const Control& c) {
    if (c.kind() == Kind::Line) {
        const auto& line = static_cast<const Line&>(c);
        const int x1 = TwipsToPxX(line.x1()), y1 = TwipsToPxY(line.y1());
        const int x2 = TwipsToPxX(line.x2()), y2 = TwipsToPxY(line.y2());
        const int pad = std::max(1, line.lineWidth());
        return RECT{std::min(x1, x2) - pad, std::min(y1, y2) - pad, std::max(x1, x2) + pad + 1,
                    std::max(y1, y2) + pad + 1};
    }
    return ControlRectPx(c);
}

class WindowlessPeer final : public Peer {
public:
    explicit WindowlessPeer(Control& control) : control_(control), shown_(BoundsOf(control)) {}
    ~WindowlessPeer() override { repaint(shown_); }

    void sync(Prop, int) override {
        const RECT now = BoundsOf(control_);
        RECT both{};
        UnionRect(&both, &shown_, &now);
        shown_ = now;
        repaint(both);
    }

private:
    void repaint(const RECT& area) {
        if (ContainerWindow* container = ContainerOf(control_)) container->invalidate(area);
    }
    Control& control_;
    RECT shown_;
};

} // namespace

std::unique_ptr<Peer> MakeImagePeer(Image& image) { return std::make_unique<WindowlessPeer>(image); }
std::unique_ptr<Peer> MakeLinePeer(Line& line) { return std::make_unique<WindowlessPeer>(line); }

} // namespace qs::tk::win32
