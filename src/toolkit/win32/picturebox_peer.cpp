// Picture boxes: a child window of our own class that is a drawing surface and a
// container. Its window procedure depends on nothing but this peer, so it goes on
// working as a child of another process's window (the preview mode); a WM_CLOSE from
// such a host never destroys it but takes it back into its own form.
#include "toolkit/controls.h"
#include "toolkit/win32/control_peer.h"
#include "toolkit/win32/form_peer.h"
#include "toolkit/win32/picturebox_peer.h"
#include "toolkit/win32/wic_pictures.h"

namespace qs::tk::win32 {

PictureBoxPeer::PictureBoxPeer(PictureBox& box) : box_(box) {
    const RECT r = ControlRectPx(box);
    HWND parent = ParentWindow(box);
    if (!parent) return;
    const DWORD ex = WS_EX_CONTROLPARENT | (box.hasBorder() ? WS_EX_CLIENTEDGE : 0);
    createOwn(kPictureBoxClass, ex, CommonStyle(box) | WS_CLIPCHILDREN, {}, r.left, r.top, r.right - r.left,
              r.bottom - r.top, parent, nullptr);
    if (!handle()) return;
    RECT client;
    GetClientRect(handle(), &client);
    canvas_.resize(client.right, client.bottom, backgroundColor());
    lastBack_ = box.backColor();
    restoreBackground();
}

void PictureBoxPeer::enterHost(platform::WindowHandle host) {
    if (!handle()) return;
    host_ = reinterpret_cast<HWND>(host);
    SetParent(handle(), host_);
}

void PictureBoxPeer::restoreBackground() {
    canvas_.clear(backgroundColor());
    const Picture& picture = box_.picture();
    if (!picture.empty() && canvas_.dc()) {
        // At its natural size, which for a picture drawn for the dialogs grows with the scaling.
        RECT dest{0, 0, TwipsToPxX(static_cast<float>(HimetricToTwips(picture.himetricWidth()))),
                  TwipsToPxY(static_cast<float>(HimetricToTwips(picture.himetricHeight())))};
        DrawPicture(canvas_.dc(), picture, dest, RECT{0, 0, canvas_.width(), canvas_.height()});
    }
}

void PictureBoxPeer::repaintAll() {
    if (handle()) invalidate(RECT{0, 0, canvas_.width(), canvas_.height()});
}

void PictureBoxPeer::sync(Prop what, int) {
    switch (what) {
    case Prop::Created:
        for (Prop p : {Prop::Geometry, Prop::Visible, Prop::Enabled, Prop::ToolTip}) SyncCommon(handle(), box_, p);
        restoreBackground();
        repaintAll();
        break;
    case Prop::Picture:
        // The picture is the surface's background: drawing starts again on it.
        restoreBackground();
        repaintAll();
        break;
    case Prop::Colors:
        if (box_.backColor() != lastBack_) {
            lastBack_ = box_.backColor();
            restoreBackground();
        }
        repaintAll();
        break;
    default:
        SyncCommon(handle(), box_, what);
        break;
    }
}

void PictureBoxPeer::clear(Color back) {
    lastBack_ = back;
    restoreBackground();
    repaintAll();
}

void PictureBoxPeer::drawText(float x, float y, const std::string& text, const FontSpec& font, Color color) {
    canvas_.drawText(TwipsToPxX(x), TwipsToPxY(y), text, FontFor(font), ToColorRef(color));
    repaintAll();
}

void PictureBoxPeer::overlayChanged() { repaintAll(); }

void PictureBoxPeer::renderContent(HDC dc, const RECT& area) {
    canvas_.blit(dc, area, backgroundColor());
    DrawWindowless(dc, box_, area);
    DrawOverlay(dc, box_.overlay(), canvas_.width());
}

LRESULT PictureBoxPeer::handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT handled = 0;
    if (handleContainerMessage(msg, wParam, lParam, handled)) return handled;
    switch (msg) {
    case WM_SIZE:
        canvas_.resize(LOWORD(lParam), HIWORD(lParam), backgroundColor());
        return 0;
    case WM_CLOSE:
        // Not passed on: the default handling would destroy the surface.
        if (host_) {
            host_ = nullptr;
            SetParent(handle(), ParentWindow(box_));
            box_.userHostClosed();
        }
        return 0;
    case WM_SETCURSOR:
        if (ApplyCursor(lParam, box_.pointer())) return TRUE;
        return defaultHandling(msg, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE:
        return 0; // a picture box here takes no clicks or moves
    default:
        return defaultHandling(msg, wParam, lParam);
    }
}

std::unique_ptr<Peer> MakePictureBoxPeer(PictureBox& box) { return std::make_unique<PictureBoxPeer>(box); }

} // namespace qs::tk::win32
