// Group boxes: a window of our own class that holds child controls and paints as a group
// box over whatever its container shows, so it is safe over any background.
#include "platform/win32/scoped.h"
#include "toolkit/controls.h"
#include "toolkit/win32/control_peer.h"

namespace qs::tk::win32 {

namespace {

class GroupBoxPeer final : public Peer, public ContainerWindow {
public:
    explicit GroupBoxPeer(GroupBox& box) : box_(box) {
        const RECT r = ControlRectPx(box);
        HWND parent = ParentWindow(box);
        if (!parent) return;
        createOwn(kGroupBoxClass, WS_EX_CONTROLPARENT, CommonStyle(box) | WS_CLIPCHILDREN, box.caption(), r.left,
                  r.top, r.right - r.left, r.bottom - r.top, parent, nullptr);
    }

    platform::WindowHandle hwnd() const override { return reinterpret_cast<platform::WindowHandle>(handle()); }

    void sync(Prop what, int) override {
        if (what == Prop::Created) {
            for (Prop p : {Prop::Geometry, Prop::Visible, Prop::Enabled}) SyncCommon(handle(), box_, p);
        } else if (SyncCommon(handle(), box_, what)) {
            return;
        }
        if (handle()) InvalidateRect(handle(), nullptr, FALSE);
    }

    Container& container() override { return box_; }
    COLORREF backgroundColor() override {
        ContainerWindow* outer = ContainerOf(box_);
        return outer ? outer->backgroundColor() : GetSysColor(COLOR_BTNFACE);
    }

    void renderContent(HDC dc, const RECT& area) override {
        // What lies under the box in its own container, in this box's coordinates.
        const RECT at = ControlRectPx(box_);
        if (ContainerWindow* outer = ContainerOf(box_)) {
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
        DrawWindowless(dc, box_, area);
    }

protected:
    LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        LRESULT handled = 0;
        if (handleContainerMessage(msg, wParam, lParam, handled)) return handled;
        switch (msg) {
        case WM_GETDLGCODE:
            return DLGC_STATIC; // its access key moves on to the next control
        case WM_SETCURSOR:
            if (ApplyCursor(lParam, box_.pointer())) return TRUE;
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
        const std::wstring caption = platform::Widen(box_.caption());
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
            SetTextColor(dc, GetSysColor(box_.enabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
            text.left += 2;
            DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_SINGLELINE);
        }
    }

    GroupBox& box_;
};

} // namespace

std::unique_ptr<Peer> MakeGroupBoxPeer(GroupBox& box) { return std::make_unique<GroupBoxPeer>(box); }

} // namespace qs::tk::win32
