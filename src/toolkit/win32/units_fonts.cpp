// Twips <-> pixels, colours and fonts for the Win32 backend.
#include <cmath>
#include <map>
#include <tuple>

#include "platform/win32/scoped.h"
#include "toolkit/application.h"
#include "toolkit/win32/win32_backend.h"
#include "toolkit/win32/win32_common.h"

namespace qs::tk::win32 {

namespace {
float SafeTpp(float tpp) {
    // A screen service that reports nothing sensible is taken as the usual 96 dpi.
    return tpp > 0.5f ? tpp : 15.0f;
}
} // namespace

int TwipsToPxX(float twips) { return static_cast<int>(std::lround(twips / SafeTpp(TwipsPerPixelX()))); }
int TwipsToPxY(float twips) { return static_cast<int>(std::lround(twips / SafeTpp(TwipsPerPixelY()))); }
float PxToTwipsX(int px) { return static_cast<float>(px) * SafeTpp(TwipsPerPixelX()); }
float PxToTwipsY(int px) { return static_cast<float>(px) * SafeTpp(TwipsPerPixelY()); }
int ScreenDpiX() { return static_cast<int>(std::lround(1440.0f / SafeTpp(TwipsPerPixelX()))); }
int ScreenDpiY() { return static_cast<int>(std::lround(1440.0f / SafeTpp(TwipsPerPixelY()))); }

COLORREF ToColorRef(Color c) {
    if (IsSystemColor(c)) return GetSysColor(static_cast<int>(static_cast<std::uint32_t>(c) & 0xFFu));
    auto v = static_cast<std::uint32_t>(c);
    // Packed red + 256 * green + 65536 * blue is COLORREF's own layout.
    return RGB(v & 0xFFu, (v >> 8) & 0xFFu, (v >> 16) & 0xFFu);
}

void FillSolid(HDC dc, const RECT& area, COLORREF color) {
    const platform::GdiObject<HBRUSH> brush(CreateSolidBrush(color));
    FillRect(dc, &area, brush.get());
}

const FontSpec& DefaultControlFont() {
    static const FontSpec wanted{};
    return wanted;
}

HFONT FontCache::fontFor(const FontSpec& wanted) {
    const int dpi = ScreenDpiY();
    // Points to pixels at the screen's resolution; negative: the character height.
    const long height = -std::lround(wanted.size * dpi / 72.0);
    Key key{wanted.name, height, wanted.bold, wanted.italic, wanted.underline, dpi};
    if (auto it = fonts_.find(key); it != fonts_.end()) return it->second.get();
    HFONT font = CreateFontW(static_cast<int>(height), 0, 0, 0, wanted.bold ? FW_BOLD : FW_NORMAL, wanted.italic,
                             wanted.underline, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, platform::Widen(wanted.name).c_str());
    if (font) fonts_.emplace(std::move(key), font);
    return font;
}

HFONT FontFor(const FontSpec& wanted) {
    Win32Backend* backend = Win32Backend::current();
    HFONT font = backend ? backend->fonts().fontFor(wanted) : nullptr;
    return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

KeyModifiers CurrentModifiers(LPARAM keyData) {
    return KeyModifiers{.shift = GetKeyState(VK_SHIFT) < 0, .ctrl = GetKeyState(VK_CONTROL) < 0,
                        .alt = GetKeyState(VK_MENU) < 0, .repeat = (keyData & (LPARAM{1} << 30)) != 0};
}

} // namespace qs::tk::win32
