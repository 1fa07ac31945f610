// Area-averaging / linear resampling and EXIF orientation (see pixel_scaling.h).
#include "toolkit/win32/pixel_scaling.h"

#include <algorithm>
#include <cmath>
#include <deque>

namespace qs::tk::win32 {

namespace {

// The source pixels one output pixel is made of, with their weights (summing to 1).
struct Taps {
    int first = 0;
    std::vector<float> weights;
};

std::vector<Taps> TapsFor(int srcLen, int dstLen, int outStart, int outCount) {
    std::vector<Taps> taps(static_cast<std::size_t>(outCount));
    const double scale = static_cast<double>(srcLen) / dstLen;
    for (int k = 0; k < outCount; ++k) {
        const int i = outStart + k;
        Taps& t = taps[static_cast<std::size_t>(k)];
        if (dstLen < srcLen) {
            const double a = i * scale, b = (i + 1) * scale;
            const int s0 = static_cast<int>(std::floor(a));
            const int s1 = std::min(srcLen, static_cast<int>(std::ceil(b)));
            t.first = s0;
            for (int s = s0; s < s1; ++s) {
                const double w = std::min(b, s + 1.0) - std::max(a, static_cast<double>(s));
                t.weights.push_back(static_cast<float>(w / scale));
            }
        } else {
            const double centre = (i + 0.5) * scale - 0.5;
            int s0 = static_cast<int>(std::floor(centre));
            double f = centre - s0;
            if (s0 < 0) {
                s0 = 0;
                f = 0;
            }
            if (s0 >= srcLen - 1) {
                s0 = srcLen - 1;
                f = 0;
            }
            t.first = s0;
            t.weights.push_back(static_cast<float>(1.0 - f));
            if (f > 0) t.weights.push_back(static_cast<float>(f));
        }
    }
    return taps;
}

} // namespace

bool ResampleRegion(const RowSupplier& source, int srcWidth, int srcHeight, int dstWidth, int dstHeight,
                    const PixelRect& region, std::uint8_t* out) {
    if (srcWidth <= 0 || srcHeight <= 0 || dstWidth <= 0 || dstHeight <= 0 || region.width <= 0 ||
        region.height <= 0 || region.x < 0 || region.y < 0 || region.x + region.width > dstWidth ||
        region.y + region.height > dstHeight)
        return false;
    const auto hTaps = TapsFor(srcWidth, dstWidth, region.x, region.width);
    const auto vTaps = TapsFor(srcHeight, dstHeight, region.y, region.height);
    const int srcX0 = hTaps.front().first;
    int srcX1 = srcX0;
    for (const auto& t : hTaps) srcX1 = std::max(srcX1, t.first + static_cast<int>(t.weights.size()));
    const int srcCols = srcX1 - srcX0;
    int srcYEnd = 0;
    for (const auto& t : vTaps) srcYEnd = std::max(srcYEnd, t.first + static_cast<int>(t.weights.size()));

    // Rows come in bands of about a megabyte; each row is reduced horizontally at once
    // and kept only while an output row still needs it.
    const int band = std::clamp((1 << 20) / std::max(1, srcCols * 4), 1, 256);
    std::vector<std::uint8_t> raw(static_cast<std::size_t>(band) * srcCols * 4);
    std::deque<std::vector<float>> rows;
    int rowsBase = vTaps.front().first; // source row of rows.front()
    int fetched = rowsBase;             // first source row not yet fetched
    const std::size_t outFloats = static_cast<std::size_t>(region.width) * 4;
    std::vector<float> acc(outFloats);

    for (int oy = 0; oy < region.height; ++oy) {
        const Taps& vt = vTaps[static_cast<std::size_t>(oy)];
        const int need = vt.first + static_cast<int>(vt.weights.size());
        while (rowsBase < vt.first && !rows.empty()) {
            rows.pop_front();
            ++rowsBase;
        }
        if (rows.empty()) rowsBase = fetched = std::max(fetched, vt.first);
        while (fetched < need) {
            const int count = std::min(band, srcYEnd - fetched);
            if (!source(fetched, count, srcX0, srcCols, raw.data())) return false;
            for (int r = 0; r < count; ++r) {
                const std::uint8_t* px = raw.data() + static_cast<std::size_t>(r) * srcCols * 4;
                std::vector<float> h(outFloats, 0.0f);
                for (int ox = 0; ox < region.width; ++ox) {
                    const Taps& ht = hTaps[static_cast<std::size_t>(ox)];
                    float* dst = h.data() + static_cast<std::size_t>(ox) * 4;
                    const std::uint8_t* s = px + static_cast<std::size_t>(ht.first - srcX0) * 4;
                    for (float w : ht.weights) {
                        dst[0] += w * s[0];
                        dst[1] += w * s[1];
                        dst[2] += w * s[2];
                        dst[3] += w * s[3];
                        s += 4;
                    }
                }
                rows.push_back(std::move(h));
            }
            fetched += count;
        }
        std::fill(acc.begin(), acc.end(), 0.0f);
        for (std::size_t k = 0; k < vt.weights.size(); ++k) {
            const float w = vt.weights[k];
            const auto& h = rows[static_cast<std::size_t>(vt.first + static_cast<int>(k) - rowsBase)];
            for (std::size_t j = 0; j < outFloats; ++j) acc[j] += w * h[j];
        }
        std::uint8_t* o = out + static_cast<std::size_t>(oy) * outFloats;
        for (std::size_t j = 0; j < outFloats; ++j) {
            o[j] = static_cast<std::uint8_t>(std::clamp(std::lround(acc[j]), 0L, 255L));
        }
    }
    return true;
}

void OrientedToStored(int orientation, int displayWidth, int displayHeight, int x, int y, int& u, int& v) {
    // For the quarter turns the stored picture is displayHeight wide and displayWidth high.
    switch (orientation) {
    case 2: u = displayWidth - 1 - x; v = y; break;                       // mirrored
    case 3: u = displayWidth - 1 - x; v = displayHeight - 1 - y; break;   // half turn
    case 4: u = x; v = displayHeight - 1 - y; break;                      // mirrored upside down
    case 5: u = y; v = x; break;                                          // transposed
    case 6: u = y; v = displayWidth - 1 - x; break;                       // turned clockwise to show
    case 7: u = displayHeight - 1 - y; v = displayWidth - 1 - x; break;   // transversed
    case 8: u = displayHeight - 1 - y; v = x; break;                      // turned anticlockwise to show
    default: u = x; v = y; break;
    }
}

PixelRect StoredRectOf(int orientation, int displayWidth, int displayHeight, const PixelRect& display) {
    int u0 = 0, v0 = 0, u1 = 0, v1 = 0;
    OrientedToStored(orientation, displayWidth, displayHeight, display.x, display.y, u0, v0);
    OrientedToStored(orientation, displayWidth, displayHeight, display.x + display.width - 1,
                     display.y + display.height - 1, u1, v1);
    PixelRect r;
    r.x = std::min(u0, u1);
    r.y = std::min(v0, v1);
    r.width = std::abs(u1 - u0) + 1;
    r.height = std::abs(v1 - v0) + 1;
    return r;
}

void OrientRegion(int orientation, int displayWidth, int displayHeight, const PixelRect& display,
                  const std::uint8_t* stored, const PixelRect& storedRect, std::uint8_t* out) {
    for (int y = 0; y < display.height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(out + static_cast<std::size_t>(y) * display.width * 4);
        for (int x = 0; x < display.width; ++x) {
            int u = 0, v = 0;
            OrientedToStored(orientation, displayWidth, displayHeight, display.x + x, display.y + y, u, v);
            const auto* src = reinterpret_cast<const std::uint32_t*>(stored);
            row[x] = src[static_cast<std::size_t>(v - storedRect.y) * storedRect.width + (u - storedRect.x)];
        }
    }
}

} // namespace qs::tk::win32
