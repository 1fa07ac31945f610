// Frames: a window of our own class that holds child controls and paints as a group
// box over whatever its container shows, so it is safe over any background.
#include "platform/win32/scoped.h"
#include "toolkit/controls.h"
#include "toolkit/win32/control_peer.h"

namespace qs::tk::win32 {

namespace {

class FramePeer final : public Peer, public ContainerWindow {
public:
    explicit FramePeer(Frame& frame) : frame_(frame) {
        const RECT r = ControlRectPx(frame);
        HWND parent = ParentWindow(frame);
        if (!parent) return;
        createOwn(kFrameClass, WS_EX_CONTROLPARENT, CommonStyle(frame) | WS_CLIPCHILDREN, frame.Caption(), r.left,
                  r.top, r.right - r.left, r.bottom - r.top, parent, nullptr);
    }

    platform::WindowHandle hwnd() const override { return reinterpret_cast<platform::WindowHandle>(handle()); }

    void sync(Prop what, int) override {
        if (what == Prop::Created) {
            for (Prop p : {Prop::Geometry, Prop::Visible, Prop::Enabled}) SyncCommon(handle(), frame_, p);
        } else if (SyncCommon(handle(), frame_, what)) {
            return;
        }
        if (handle()) {
            SetWindowTextW(handle(), platform::Widen(frame_.Caption()).c_str());
            InvalidateRect(handle(), nullptr, FALSE);
        }
    }

    Container& container() override { return frame_; }
    COLORREF backgroundColor() override {
        ContainerWindow* outer = ContainerOf(frame_);
        return outer ? outer->backgroundColor() : GetSysColor(COLOR_BTNFACE);
    }

    void renderContent(HDC dc, const RECT& area) override {
        // What lies under the frame in its own container, in this frame's coordinates.
        const RECT at = ControlRectPx(frame_);
        if (ContainerWindow* outer = ContainerOf(frame_)) {
            POINT org;
            GetViewportOrgEx(dc, &org);
            SetViewportOrgEx(dc, org.x - at.left, org.y - at.top, nullptr);
            RECT outerArea = area;
            OffsetRect(&outerArea, at.left, at.top);
            outer->renderContent(dc, outerArea);
            SetViewportOrgEx(dc, org.x, org.y, nullptr);
        } else {
            FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
        }
        paintBox(dc, RECT{0, 0, at.right - at.left, at.bottom - at.top});
        DrawWindowless(dc, frame_, area);
    }

protected:
    LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        LRESULT handled = 0;
        if (handleContainerMessage(msg, wParam, lParam, handled)) return handled;
        switch (msg) {
        case WM_GETDLGCODE:
            return DLGC_STATIC; // its access key moves on to the next control
        case WM_SETCURSOR:
            if (ApplyCursor(handle(), lParam, frame_.MousePointer(), frame_.MouseIcon())) return TRUE;
            return defaultHandling(msg, wParam, lParam);
        default:
            return defaultHandling(msg, wParam, lParam);
        }
    }

private:
    void paintBox(HDC dc, const RECT& box) {
        platform::SelectedObject selectedFont(dc, FontFor(DefaultControlFont()));
        TEXTMETRICW tm{};
        GetTextMetricsW(dc, &tm);
        const std::wstring caption = platform::Widen(frame_.Caption());
        RECT text{8, 0, box.right - 8, tm.tmHeight};
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_CALCRECT | DT_SINGLELINE);
        if (!caption.empty()) {
            text.left -= 2;
            text.right += 2;
        }
        // The etched edge runs behind the middle of the caption line, broken by the caption.
        const int saved = SaveDC(dc);
        if (!caption.empty()) ExcludeClipRect(dc, text.left, text.top, text.right, text.bottom);
        RECT edge{box.left, box.top + tm.tmHeight / 2, box.right, box.bottom};
        DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
        RestoreDC(dc, saved);
        if (!caption.empty()) {
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, GetSysColor(frame_.Enabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
            text.left += 2;
            DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_SINGLELINE);
        }
    }

    Frame& frame_;
};

} // namespace

std::unique_ptr<Peer> MakeFramePeer(Frame& frame) { return std::make_unique<FramePeer>(frame); }

} // namespace qs::tk::win32
