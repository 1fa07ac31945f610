// The peer of a picture box (see picturebox_peer.cpp).
#pragma once

#include "toolkit/controls.h"
#include "toolkit/win32/container_window.h"

namespace qs::tk::win32 {

class PictureBoxPeer final : public SurfacePeer, public HostablePeer, public ContainerWindow {
public:
    explicit PictureBoxPeer(PictureBox& box);
    void sync(Prop what, int index) override;
    platform::WindowHandle hwnd() const override { return reinterpret_cast<platform::WindowHandle>(handle()); }
    void clear(Color back) override;
    void drawText(float x, float y, const std::string& text, const FontSpec& font, Color color) override;
    void overlayChanged() override;
    void crossFade(int lengthMs) override { fade(lengthMs); }
    void drift(const Image& image, const DriftPath* path, int lengthMs) override {
        startDrift(image, path, lengthMs);
    }
    void holdDrift(bool held) override { holdImageDrift(held); }

    Container& container() override { return box_; }
    void renderContent(HDC dc, const RECT& area) override;
    COLORREF backgroundColor() override { return ToColorRef(box_.backColor()); }
    void enterHost(platform::WindowHandle host) override;

protected:
    LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void restoreBackground();
    void repaintAll();
    PictureBox& box_;
    SurfaceCanvas canvas_;
    Color lastBack_ = 0;
    // The other program's window the surface lives in; null while it is in its own form.
    HWND host_ = nullptr;
};

} // namespace qs::tk::win32
