// Containers (forms, picture boxes, frames): child windows live in them, and the
// windowless controls (images, lines) are drawn by them. Transparent labels and the
// frames draw the container's content under themselves through renderContent().
#pragma once

#include "platform/win32/scoped.h"
#include "toolkit/component.h"
#include "toolkit/surface.h"
#include "toolkit/win32/image_drift.h"
#include "toolkit/win32/surface_fade.h"
#include "toolkit/win32/win32_common.h"

namespace qs::tk::win32 {

class ContainerWindow : public NativeWindow {
public:
    virtual Container& container() = 0;
    // Draws what lies under the container's child windows within `area` (client
    // pixels of this container) onto dc, whose origin is this container's client origin.
    virtual void renderContent(HDC dc, const RECT& area) = 0;
    // The solid colour standard controls use behind their text.
    virtual COLORREF backgroundColor() = 0;
    HBRUSH backgroundBrush();

    // Repaints `area` of the container and of the child windows over it.
    void invalidate(const RECT& area);
    // A surface's cross-fade (SurfacePeer::crossFade): the content as it is now stays and
    // what is drawn from now on fades in over it for `lengthMs`; 0 ends a fade under way.
    void fade(int lengthMs);
    // A surface's drift (SurfacePeer::drift, holdDrift); a null path ends it.
    void startDrift(const Image& image, const DriftPath* path, int lengthMs);
    void holdImageDrift(bool held);
    // Draws `image` at `dest` as its drift shows it now; false when it does not drift.
    bool drawDrifting(HDC dc, const Image& image, const RECT& dest) const;

protected:
    // Routes the notifications that child controls send to their parent (and that the
    // dialog keys send to the form) to the child's own NativeWindow.
    bool routeChildMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // What every container answers alike: its children's notifications, no background
    // erasing, painting (WM_PAINT, WM_PRINTCLIENT) through renderContent. True when handled.
    bool handleContainerMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Paints the update region through a memory DC (WM_PAINT).
    void paintClient();

private:
    platform::GdiObject<HBRUSH> brush_;
    COLORREF brushColor_ = 0;
    std::unique_ptr<SurfaceFade> fade_; // made at the first fade
    std::unique_ptr<ImageDrift> drift_; // made at the first drift
};

// The windowless controls of `container` (lines, then visible images in creation
// order) that meet `area`, drawn onto dc in the container's client coordinates.
void DrawWindowless(HDC dc, Container& container, const RECT& area);
// A surface's overlay text, above everything else on dc (see Surface::overlay), within
// its client width in pixels.
void DrawOverlay(HDC dc, const OverlayText& overlay, int clientWidth);
// The image or line under a client point, topmost first; null when none.
Control* WindowlessAt(Container& container, POINT pt);

// A persistent drawing: the background colour, text and pictures drawn onto a surface,
// kept in a bitmap of the surface's client size until cleared.
class SurfaceCanvas {
public:
    SurfaceCanvas() = default;
    SurfaceCanvas(const SurfaceCanvas&) = delete;
    SurfaceCanvas& operator=(const SurfaceCanvas&) = delete;

    // Keeps what fits of the old drawing; new area gets `fill`.
    void resize(int width, int height, COLORREF fill);
    void clear(COLORREF fill);
    void drawText(int x, int y, const std::string& text, HFONT font, COLORREF color);
    HDC dc() const { return dc_.get(); }
    int width() const { return width_; }
    int height() const { return height_; }
    // Copies `area` (canvas pixels) to the same place on dc; outside the canvas, `fill`.
    void blit(HDC dc, const RECT& area, COLORREF fill) const;

private:
    // Declared in this order so that the bitmap leaves the DC before either goes.
    platform::GdiObject<HBITMAP> bitmap_;
    platform::MemoryDc dc_;
    platform::SelectedObject selection_;
    int width_ = 0;
    int height_ = 0;
};

} // namespace qs::tk::win32
