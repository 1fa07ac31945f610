// Labels: a STATIC control (SS_NOTIFY for clicks, and the dialog manager's access keys)
// that paints itself: what its container shows under it when transparent, its own
// colour when opaque, then its caption in its font and colour.
#include "platform/win32/scoped.h"
#include "toolkit/controls.h"
#include "toolkit/win32/control_peer.h"

namespace qs::tk::win32 {

namespace {

class LabelPeer final : public ControlPeer {
public:
    explicit LabelPeer(Label& label) : ControlPeer(label), label_(label) {
        create(L"STATIC", SS_NOTIFY | SS_LEFT, 0, label.caption());
    }

    bool onCommand(int code) override {
        if (code != STN_CLICKED) return false;
        label_.userClick();
        return true;
    }

protected:
    void syncOwn(Prop what, int) override {
        if (!handle()) return;
        if (what == Prop::Created || what == Prop::Caption)
            SetWindowTextW(handle(), platform::Widen(label_.caption()).c_str());
        InvalidateRect(handle(), nullptr, FALSE);
    }

    LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        switch (msg) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(handle(), &ps);
            if (dc) paint(dc);
            EndPaint(handle(), &ps);
            return 0;
        }
        case WM_PRINTCLIENT:
            paint(reinterpret_cast<HDC>(wParam));
            return 0;
        default:
            return ControlPeer::handleMessage(msg, wParam, lParam);
        }
    }

private:
    void paint(HDC target) {
        RECT client;
        GetClientRect(handle(), &client);
        const int w = client.right, h = client.bottom;
        if (w <= 0 || h <= 0) return;
        platform::GdiObject<HBITMAP> bmp(CreateCompatibleBitmap(target, w, h));
        platform::MemoryDc memory(target);
        if (!memory || !bmp) return;
        HDC dc = memory.get();
        platform::SelectedObject selectedBitmap(dc, bmp.get());
        ContainerWindow* container = ContainerOf(label_);
        if (container) {
            // Labels are transparent: the container's own drawing shows through around the text.
            const RECT at = ControlRectPx(label_);
            SetViewportOrgEx(dc, -at.left, -at.top, nullptr);
            container->renderContent(dc, RECT{at.left, at.top, at.left + w, at.top + h});
            SetViewportOrgEx(dc, 0, 0, nullptr);
        } else {
            FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
        }
        platform::SelectedObject selectedFont(dc, FontFor(label_.font()));
        SetBkMode(dc, TRANSPARENT);
        const UINT format = DT_WORDBREAK | DT_EXPANDTABS; // left-aligned, as every label of the program
        RECT text = client;
        const std::wstring caption = platform::Widen(label_.caption());
        if (label_.enabled()) {
            SetTextColor(dc, ToColorRef(label_.foreColor()));
            DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, format);
        } else {
            // The engraved look of disabled text.
            RECT shadow = text;
            OffsetRect(&shadow, 1, 1);
            SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
            DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &shadow, format);
            SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
            DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, format);
        }
        BitBlt(target, 0, 0, w, h, dc, 0, 0, SRCCOPY);
    }

    Label& label_;
};

} // namespace

std::unique_ptr<Peer> MakeLabelPeer(Label& label) { return std::make_unique<LabelPeer>(label); }

} // namespace qs::tk::win32
