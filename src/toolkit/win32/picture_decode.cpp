// Decoding a picture at the size it is shown, and drawing it.
#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/win32/scoped.h"
#include "toolkit/win32/wic_common.h"
#include "toolkit/win32/wic_pictures.h"

namespace qs::tk::win32 {

DecodedBitmap::DecodedBitmap(int width, int height, bool hasAlpha)
    : width_(width), height_(height), hasAlpha_(hasAlpha) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height; // top-down, as WIC delivers rows
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    bits_ = static_cast<std::uint8_t*>(bits);
    if (!bits_) bitmap_.reset();
}

WicPictureData::~WicPictureData() { DropWarmFrame(this); }

IconPictureData::~IconPictureData() {
    if (owned && icon) DestroyIcon(icon);
}

namespace {

// The JPEG codec's own reduction (1/2, 1/4, 1/8) that still covers the stored target,
// decoded whole into `pixels` as 32-bit BGRA. False when the codec offers none, or
// `stop` came first. One call: whether the codec decodes a band of its reduced picture
// without decoding the rows above it again is not documented, and at a half or less the
// whole call is short.
bool DecodeReducedJpeg(OpenedFrame& f, int storedWidth, int storedHeight, std::vector<std::uint8_t>& pixels,
                       int& width, int& height, const std::stop_token& stop) {
    platform::Com<IWicSourceTransform> transform;
    if (FAILED(f.frame->QueryInterface(kIidSourceTransform, reinterpret_cast<void**>(transform.out()))))
        return false;
    for (UINT divisor : {8u, 4u, 2u}) {
        UINT w = (f.width + divisor - 1) / divisor, h = (f.height + divisor - 1) / divisor;
        if (static_cast<int>(w) < storedWidth || static_cast<int>(h) < storedHeight) continue;
        UINT cw = w, ch = h;
        if (FAILED(transform->GetClosestSize(&cw, &ch)) || cw != w || ch != h) continue;
        WICPixelFormatGUID fmt = GUID_WICPixelFormat32bppBGRA;
        if (FAILED(transform->GetClosestPixelFormat(&fmt))) return false;
        const bool is24 = IsEqualGUID(fmt, GUID_WICPixelFormat24bppBGR);
        const bool is32 = IsEqualGUID(fmt, GUID_WICPixelFormat32bppBGRA) ||
                          IsEqualGUID(fmt, GUID_WICPixelFormat32bppBGR) ||
                          IsEqualGUID(fmt, GUID_WICPixelFormat32bppPBGRA);
        if (!is24 && !is32) return false;
        const UINT stride = is24 ? (w * 3 + 3) & ~3u : w * 4;
        std::vector<std::uint8_t> raw(static_cast<std::size_t>(stride) * h);
        if (stop.stop_requested() || FAILED(transform->CopyPixels(nullptr, w, h, &fmt, WICBitmapTransformRotate0,
                                                                  stride, static_cast<UINT>(raw.size()), raw.data())))
            return false;
        pixels.assign(static_cast<std::size_t>(w) * h * 4, 0);
        for (UINT y = 0; y < h; ++y) {
            const std::uint8_t* s = raw.data() + static_cast<std::size_t>(y) * stride;
            std::uint8_t* d = pixels.data() + static_cast<std::size_t>(y) * w * 4;
            for (UINT x = 0; x < w; ++x, d += 4) {
                const std::uint8_t* p = s + x * (is24 ? 3 : 4);
                d[0] = p[0];
                d[1] = p[1];
                d[2] = p[2];
                d[3] = 255; // a JPEG is opaque
            }
        }
        width = static_cast<int>(w);
        height = static_cast<int>(h);
        return true;
    }
    return false;
}

std::shared_ptr<DecodedBitmap> Decode(const WicPictureData& picture, int targetWidth, int targetHeight,
                                      const PixelRect& region, std::unique_ptr<OpenedFrame> opened,
                                      const std::stop_token& stop) {
    if (!opened) opened = TakeWarmFrame(&picture);
    if (!opened) {
        opened = std::make_unique<OpenedFrame>();
        if (!OpenFrame(picture.source, picture.memory, picture.memorySize, *opened)) return nullptr;
    }
    OpenedFrame& f = *opened;
    const int o = picture.orientation;
    const bool swap = o >= 5 && o <= 8;
    const int storedWidth = swap ? targetHeight : targetWidth;
    const int storedHeight = swap ? targetWidth : targetHeight;
    const PixelRect storedRect = StoredRectOf(o, targetWidth, targetHeight, region);

    std::vector<std::uint8_t> reduced;
    int srcWidth = static_cast<int>(f.width), srcHeight = static_cast<int>(f.height);
    RowSupplier rows;
    FrameRows frameRows;
    if (picture.format == PictureFormat::Jpeg &&
        DecodeReducedJpeg(f, storedWidth, storedHeight, reduced, srcWidth, srcHeight, stop)) {
        rows = [&](int y, int count, int x, int width, std::uint8_t* out) {
            if (stop.stop_requested()) return false;
            for (int r = 0; r < count; ++r) {
                std::memcpy(out + static_cast<std::size_t>(r) * width * 4,
                            reduced.data() + (static_cast<std::size_t>(y + r) * srcWidth + x) * 4,
                            static_cast<std::size_t>(width) * 4);
            }
            return true;
        };
    } else {
        if (stop.stop_requested() || !frameRows.init(f.frame.get())) return nullptr;
        rows = [&](int y, int count, int x, int width, std::uint8_t* out) {
            return !stop.stop_requested() && frameRows.read(y, count, x, width, out);
        };
    }

    auto bitmap = std::make_shared<DecodedBitmap>(region.width, region.height, picture.hasAlpha);
    if (!bitmap->valid()) return nullptr;
    if (o == 1 || o < 1 || o > 8) {
        if (!ResampleRegion(rows, srcWidth, srcHeight, storedWidth, storedHeight, storedRect, bitmap->bits()))
            return nullptr;
    } else {
        std::vector<std::uint8_t> stored(static_cast<std::size_t>(storedRect.width) * storedRect.height * 4);
        if (!ResampleRegion(rows, srcWidth, srcHeight, storedWidth, storedHeight, storedRect, stored.data()))
            return nullptr;
        OrientRegion(o, targetWidth, targetHeight, region, stored.data(), storedRect, bitmap->bits());
    }
    GdiFlush(); // the DIB's bits were written directly
    return bitmap;
}

bool SameRegion(const PixelRect& a, const PixelRect& b) {
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

// The cached display bitmap when it holds `region` of the picture at this size.
bool CacheHolds(const WicPictureData::CacheEntry& c, int targetWidth, int targetHeight, const PixelRect& region) {
    return c.bitmap && c.targetWidth == targetWidth && c.targetHeight == targetHeight && c.region.x <= region.x &&
           c.region.y <= region.y && region.x + region.width <= c.region.x + c.region.width &&
           region.y + region.height <= c.region.y + c.region.height;
}

std::shared_ptr<DecodedBitmap> DecodeIntoCache(const WicPictureData& picture, int targetWidth, int targetHeight,
                                               const PixelRect& region, std::unique_ptr<OpenedFrame> opened,
                                               const std::stop_token& stop) {
    if (targetWidth <= 0 || targetHeight <= 0 || region.width <= 0 || region.height <= 0) return nullptr;
    auto& c = picture.cache;
    if (c.bitmap && c.targetWidth == targetWidth && c.targetHeight == targetHeight && SameRegion(c.region, region))
        return c.bitmap;
    // Drop the old entry first: two display bitmaps of one picture are never needed at once.
    c.bitmap.reset();
    auto bitmap = Decode(picture, targetWidth, targetHeight, region, std::move(opened), stop);
    if (bitmap) c = {targetWidth, targetHeight, region, bitmap};
    return bitmap;
}

} // namespace

std::shared_ptr<DecodedBitmap> DecodeForDisplay(const WicPictureData& picture, int targetWidth, int targetHeight,
                                                const PixelRect& region) {
    return DecodeIntoCache(picture, targetWidth, targetHeight, region, nullptr, {});
}

bool DecodeAhead(const WicPictureData& picture, const DisplayPlace& place, std::unique_ptr<OpenedFrame> frame,
                 const std::stop_token& stop) {
    const RECT dest{place.left, place.top, place.left + place.width, place.top + place.height};
    const RECT client{0, 0, place.clientWidth, place.clientHeight};
    RECT shown{};
    // Nothing of it shows: there is nothing to decode, and drawing it costs nothing.
    if (place.width <= 0 || place.height <= 0 || !IntersectRect(&shown, &dest, &client)) return true;
    const PixelRect region{shown.left - dest.left, shown.top - dest.top, shown.right - shown.left,
                           shown.bottom - shown.top};
    return DecodeIntoCache(picture, place.width, place.height, region, std::move(frame), stop) != nullptr;
}

void DrawPicture(HDC dc, const Picture& picture, const RECT& dest, const RECT& visible) {
    RECT shown{};
    if (picture.empty() || !IntersectRect(&shown, &dest, &visible)) return;
    const int w = dest.right - dest.left, h = dest.bottom - dest.top;
    if (w <= 0 || h <= 0) return;
    const PictureData* data = picture.data().get();
    if (auto* icon = dynamic_cast<const IconPictureData*>(data)) {
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, shown.left, shown.top, shown.right, shown.bottom);
        DrawIconEx(dc, dest.left, dest.top, icon->icon, w, h, 0, nullptr, DI_NORMAL);
        RestoreDC(dc, saved);
        return;
    }
    auto* wic = dynamic_cast<const WicPictureData*>(data);
    if (!wic) return;
    const PixelRect region{shown.left - dest.left, shown.top - dest.top, shown.right - shown.left,
                           shown.bottom - shown.top};
    // A bitmap decoded ahead for the whole visible part serves any part of it.
    int fromX = 0, fromY = 0;
    std::shared_ptr<DecodedBitmap> bitmap;
    if (CacheHolds(wic->cache, w, h, region)) {
        bitmap = wic->cache.bitmap;
        fromX = region.x - wic->cache.region.x;
        fromY = region.y - wic->cache.region.y;
    } else {
        bitmap = DecodeForDisplay(*wic, w, h, region);
    }
    if (!bitmap) return;
    platform::MemoryDc memory(dc);
    if (!memory) return;
    HDC mem = memory.get();
    platform::SelectedObject selected(mem, bitmap->bitmap());
    if (bitmap->hasAlpha()) {
        BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        AlphaBlend(dc, shown.left, shown.top, region.width, region.height, mem, fromX, fromY, region.width,
                   region.height, blend);
    } else {
        BitBlt(dc, shown.left, shown.top, region.width, region.height, mem, fromX, fromY, SRCCOPY);
    }
}

} // namespace qs::tk::win32
