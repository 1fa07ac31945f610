// Containers, the windowless controls they draw, and the persistent surface bitmap.
#include "toolkit/win32/container_window.h"

#include <cmath>

#include "toolkit/controls.h"
#include "toolkit/win32/wic_pictures.h"

namespace qs::tk::win32 {

HBRUSH ContainerWindow::backgroundBrush() {
    const COLORREF c = backgroundColor();
    if (!brush_ || c != brushColor_) {
        brush_.reset(CreateSolidBrush(c));
        brushColor_ = c;
    }
    return brush_.get();
}

void ContainerWindow::invalidate(const RECT& area) {
    if (fade_) fade_->drawingChanged();
    if (handle()) RedrawWindow(handle(), &area, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void ContainerWindow::fade(int lengthMs) {
    if (!fade_ && (lengthMs <= 0 || !handle())) return;
    if (!fade_)
        fade_ = std::make_unique<SurfaceFade>(handle(), [this](HDC dc, const RECT& area) { renderContent(dc, area); });
    fade_->begin(lengthMs);
}

void ContainerWindow::startDrift(const Image& image, const DriftPath* path, int lengthMs) {
    if (!path || !handle()) {
        if (drift_) drift_->stop();
        return;
    }
    if (!drift_) drift_ = std::make_unique<ImageDrift>(handle());
    drift_->start(image, *path, lengthMs, backgroundColor());
}

void ContainerWindow::holdImageDrift(bool held) {
    if (drift_) drift_->hold(held);
}

bool ContainerWindow::drawDrifting(HDC dc, const Image& image, const RECT& dest) const {
    return drift_ && drift_->draw(dc, image, dest);
}

bool ContainerWindow::routeChildMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
    case WM_COMMAND:
        if (lParam) {
            if (NativeWindow* child = fromHandle(reinterpret_cast<HWND>(lParam))) {
                if (child->onCommand(HIWORD(wParam))) {
                    result = 0;
                    return true;
                }
            }
        }
        return false;
    case WM_VSCROLL:
        if (lParam) {
            if (NativeWindow* child = fromHandle(reinterpret_cast<HWND>(lParam))) {
                if (child->onScroll(LOWORD(wParam), static_cast<short>(HIWORD(wParam)))) {
                    result = 0;
                    return true;
                }
            }
        }
        return false;
    case WM_DRAWITEM: {
        auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (NativeWindow* child = item ? fromHandle(item->hwndItem) : nullptr) {
            if (child->onDrawItem(*item)) {
                result = TRUE;
                return true;
            }
        }
        return false;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR: {
        NativeWindow* child = fromHandle(reinterpret_cast<HWND>(lParam));
        HBRUSH brush = child ? child->onCtlColor(reinterpret_cast<HDC>(wParam)) : nullptr;
        if (!brush && (msg == WM_CTLCOLORSTATIC || msg == WM_CTLCOLORBTN)) {
            // Check boxes and the like sit on the container's own colour.
            SetBkColor(reinterpret_cast<HDC>(wParam), backgroundColor());
            brush = backgroundBrush();
        }
        if (!brush) return false;
        result = reinterpret_cast<LRESULT>(brush);
        return true;
    }
    default:
        return false;
    }
}

bool ContainerWindow::handleContainerMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (routeChildMessage(msg, wParam, lParam, result)) return true;
    switch (msg) {
    case WM_ERASEBKGND:
        result = 1; // everything is painted in WM_PAINT, in one step
        return true;
    case WM_PAINT:
        paintClient();
        result = 0;
        return true;
    case WM_PRINTCLIENT: {
        RECT client{};
        GetClientRect(handle(), &client);
        if (!fade_ || !fade_->paint(reinterpret_cast<HDC>(wParam), client))
            renderContent(reinterpret_cast<HDC>(wParam), client);
        result = 0;
        return true;
    }
    case WM_TIMER:
        if (wParam == ImageDrift::kTimerId) {
            if (const std::optional<RECT> frame = drift_ ? drift_->tick() : std::nullopt) invalidate(*frame);
        } else if (wParam == SurfaceFade::kTimerId) {
            if (fade_) fade_->tick();
        } else {
            return false;
        }
        result = 0;
        return true;
    default:
        return false;
    }
}

void ContainerWindow::paintClient() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(handle(), &ps);
    if (!dc) return;
    const RECT& area = ps.rcPaint;
    const int w = area.right - area.left, h = area.bottom - area.top;
    if (fade_ && fade_->paint(dc, area)) {
        // A fade under way: its frame, drawn whole already.
    } else if (w > 0 && h > 0) {
        // Composed off screen and copied in one step: never a half-drawn frame.
        platform::GdiObject<HBITMAP> bmp(CreateCompatibleBitmap(dc, w, h));
        platform::MemoryDc mem(dc);
        if (mem && bmp) {
            platform::SelectedObject selected(mem.get(), bmp.get());
            SetViewportOrgEx(mem.get(), -area.left, -area.top, nullptr);
            renderContent(mem.get(), area);
            SetViewportOrgEx(mem.get(), 0, 0, nullptr);
            BitBlt(dc, area.left, area.top, w, h, mem.get(), 0, 0, SRCCOPY);
        } else {
            renderContent(dc, area);
        }
    }
    EndPaint(handle(), &ps);
}

namespace {

RECT LineBounds(const Line& line) {
    const int x1 = TwipsToPxX(line.x1()), y1 = TwipsToPxY(line.y1());
    const int x2 = TwipsToPxX(line.x2()), y2 = TwipsToPxY(line.y2());
    const int pad = std::max(1, line.lineWidth());
    return RECT{std::min(x1, x2) - pad, std::min(y1, y2) - pad, std::max(x1, x2) + pad + 1,
                std::max(y1, y2) + pad + 1};
}

void DrawLine(HDC dc, const Line& line) {
    platform::GdiObject<HPEN> pen(CreatePen(PS_SOLID, std::max(1, line.lineWidth()), ToColorRef(line.color())));
    if (!pen) return;
    platform::SelectedObject selected(dc, pen.get());
    const int x1 = TwipsToPxX(line.x1()), y1 = TwipsToPxY(line.y1());
    const int x2 = TwipsToPxX(line.x2()), y2 = TwipsToPxY(line.y2());
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
    SetPixel(dc, x2, y2, ToColorRef(line.color())); // LineTo leaves out the last point
}

} // namespace

void DrawWindowless(HDC dc, Container& container, const RECT& area) {
    RECT client{0, 0, 0, 0};
    auto* window = dynamic_cast<ContainerWindow*>(container.asComponent().peer());
    if (window) GetClientRect(window->handle(), &client);
    for (Control* c : container.children()) {
        if (c->kind() != Kind::Line || !c->visible()) continue;
        auto& line = static_cast<Line&>(*c);
        RECT b = LineBounds(line), hit{};
        if (IntersectRect(&hit, &b, &area)) DrawLine(dc, line);
    }
    for (Control* c : container.children()) {
        if (c->kind() != Kind::Image || !c->visible()) continue;
        auto& image = static_cast<Image&>(*c);
        RECT dest = ControlRectPx(image), hit{};
        if (!IntersectRect(&hit, &dest, &area) || (window && window->drawDrifting(dc, image, dest))) continue;
        // What the container shows of the image is decoded, whatever part is repainted,
        // so that partial repaints reuse one cached bitmap.
        DrawPicture(dc, image.picture(), dest, client);
    }
}

void DrawOverlay(HDC dc, const OverlayText& overlay, int clientWidth) {
    if (overlay.text.empty()) return;
    const std::wstring wide = platform::Widen(overlay.text);
    const int x = TwipsToPxX(overlay.left), y = TwipsToPxY(overlay.top);
    // The outline: the text in black one pixel (at 96 dpi; more at higher scaling) around
    // its place, then in white on top. Wider than the surface leaves room, it ends in "...".
    const int reach = std::max(1, static_cast<int>(std::lround(ScreenDpiY() / 96.0)));
    platform::SelectedObject selected(dc, FontFor(overlay.font));
    SetBkMode(dc, TRANSPARENT);
    const auto draw = [&](int dx, int dy) {
        RECT place{x + dx, y + dy, clientWidth - x + dx, y + dy + 0x4000};
        DrawTextW(dc, wide.data(), static_cast<int>(wide.size()), &place,
                  DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS | DT_NOCLIP);
    };
    SetTextColor(dc, RGB(0, 0, 0));
    for (int dy = -reach; dy <= reach; dy += reach)
        for (int dx = -reach; dx <= reach; dx += reach)
            if (dx != 0 || dy != 0) draw(dx, dy);
    SetTextColor(dc, RGB(255, 255, 255));
    draw(0, 0);
}

Control* WindowlessAt(Container& container, POINT pt) {
    const auto& kids = container.children();
    for (auto it = kids.rbegin(); it != kids.rend(); ++it) {
        Control* c = *it;
        if (c->kind() != Kind::Image || !c->visible()) continue;
        RECT r = ControlRectPx(*c);
        if (PtInRect(&r, pt)) return c;
    }
    return nullptr;
}

// --- SurfaceCanvas ---

void SurfaceCanvas::resize(int width, int height, COLORREF fill) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (dc_ && width == width_ && height == height_) return;
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = std::max(width, 1);
    bi.bmiHeader.biHeight = -std::max(height, 1);
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    platform::GdiObject<HBITMAP> bmp(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    platform::MemoryDc dc(nullptr);
    if (!bmp || !dc) return; // out of GDI resources: the surface keeps its old drawing
    platform::SelectedObject selected(dc.get(), bmp.get());
    FillSolid(dc.get(), RECT{0, 0, std::max(width, 1), std::max(height, 1)}, fill);
    if (dc_) BitBlt(dc.get(), 0, 0, std::min(width, width_), std::min(height, height_), dc_.get(), 0, 0, SRCCOPY);
    selection_ = std::move(selected);
    dc_ = std::move(dc);
    bitmap_ = std::move(bmp);
    width_ = width;
    height_ = height;
}

void SurfaceCanvas::clear(COLORREF fill) {
    if (dc_) FillSolid(dc_.get(), RECT{0, 0, std::max(width_, 1), std::max(height_, 1)}, fill);
}

void SurfaceCanvas::drawText(int x, int y, const std::string& text, HFONT font, COLORREF color) {
    if (!dc_ || text.empty()) return;
    platform::SelectedObject selected(dc_.get(), font);
    SetBkMode(dc_.get(), TRANSPARENT);
    SetTextColor(dc_.get(), color);
    const std::wstring wide = platform::Widen(text);
    TextOutW(dc_.get(), x, y, wide.data(), static_cast<int>(wide.size()));
}

void SurfaceCanvas::blit(HDC dc, const RECT& area, COLORREF fill) const {
    FillSolid(dc, area, fill);
    if (!dc_) return;
    RECT inside{0, 0, width_, height_}, part{};
    if (IntersectRect(&part, &inside, &area)) {
        BitBlt(dc, part.left, part.top, part.right - part.left, part.bottom - part.top, dc_.get(), part.left,
               part.top, SRCCOPY);
    }
}

} // namespace qs::tk::win32

namespace qs::tk::win32 {

ContainerWindow* ContainerOf(const Control& control) {
    Container* c = control.container();
    return c ? dynamic_cast<ContainerWindow*>(c->asComponent().peer()) : nullptr;
}

RECT ControlRectPx(const Control& c) {
    const int x = TwipsToPxX(c.left()), y = TwipsToPxY(c.top());
    return RECT{x, y, x + std::max(0, TwipsToPxX(c.width())), y + std::max(0, TwipsToPxY(c.height()))};
}

} // namespace qs::tk::win32
