// Vertical scroll bars: the component keeps range and value; the bar reports the
// user's arrow, page and thumb actions.
#include "toolkit/controls.h"
#include "toolkit/win32/control_peer.h"

namespace qs::tk::win32 {

namespace {

class ScrollBarPeer final : public ControlPeer {
public:
    explicit ScrollBarPeer(ScrollBar& bar) : ControlPeer(bar), bar_(bar) { create(L"SCROLLBAR", SBS_VERT, 0, {}); }

    bool onScroll(int code, int) override {
        switch (code) {
        case SB_LINEUP: bar_.userLineUp(); break;
        case SB_LINEDOWN: bar_.userLineDown(); break;
        case SB_PAGEUP: bar_.userPageUp(); break;
        case SB_PAGEDOWN: bar_.userPageDown(); break;
        case SB_TOP: bar_.userThumb(bar_.min()); break;
        case SB_BOTTOM: bar_.userThumb(bar_.max()); break;
        case SB_THUMBPOSITION: {
            // The 32-bit position; the message's own is cut to 16 bits.
            SCROLLINFO si{};
            si.cbSize = sizeof si;
            si.fMask = SIF_TRACKPOS;
            GetScrollInfo(handle(), SB_CTL, &si);
            const int value = si.nTrackPos;
            bar_.userThumb(value);
            break;
        }
        default: break; // tracking and the end of a scroll change nothing yet
        }
        return true;
    }

protected:
    void syncOwn(Prop what, int) override {
        if (!handle() || (what != Prop::Created && what != Prop::Value)) return;
        SCROLLINFO si{};
        si.cbSize = sizeof si;
        si.fMask = SIF_RANGE | SIF_POS | SIF_DISABLENOSCROLL;
        si.nMin = std::min(bar_.min(), bar_.max());
        si.nMax = std::max(bar_.min(), bar_.max());
        si.nPos = bar_.value();
        SetScrollInfo(handle(), SB_CTL, &si, TRUE);
    }

private:
    ScrollBar& bar_;
};

} // namespace

std::unique_ptr<Peer> MakeScrollBarPeer(ScrollBar& bar) { return std::make_unique<ScrollBarPeer>(bar); }

} // namespace qs::tk::win32
