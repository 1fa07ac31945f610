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

int TwipsToPxX(float twips) { return static_cast<int>(std::lround(twips / SafeTpp(Screen::TwipsPerPixelX()))); }
int TwipsToPxY(float twips) { return static_cast<int>(std::lround(twips / SafeTpp(Screen::TwipsPerPixelY()))); }
float PxToTwipsX(int px) { return static_cast<float>(px) * SafeTpp(Screen::TwipsPerPixelX()); }
float PxToTwipsY(int px) { return static_cast<float>(px) * SafeTpp(Screen::TwipsPerPixelY()); }
int ScreenDpiX() { return static_cast<int>(std::lround(1440.0f / SafeTpp(Screen::TwipsPerPixelX()))); }
int ScreenDpiY() { return static_cast<int>(std::lround(1440.0f / SafeTpp(Screen::TwipsPerPixelY()))); }

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
    const long height = -std::lround(wanted.Size * dpi / 72.0);
    Key key{wanted.Name, height, wanted.Bold, wanted.Italic, wanted.Underline, dpi};
    if (auto it = fonts_.find(key); it != fonts_.end()) return it->second.get();
    HFONT font = CreateFontW(static_cast<int>(height), 0, 0, 0, wanted.Bold ? FW_BOLD : FW_NORMAL, wanted.Italic,
                             wanted.Underline, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, platform::Widen(wanted.Name).c_str());
    if (font) fonts_.emplace(std::move(key), font);
    return font;
}

HFONT FontFor(const FontSpec& wanted) {
    Win32Backend* backend = Win32Backend::current();
    HFONT font = backend ? backend->fonts().fontFor(wanted) : nullptr;
    return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

std::int16_t ShiftState() {
    std::int16_t s = 0;
    if (GetKeyState(VK_SHIFT) < 0) s |= vbShiftMask;
    if (GetKeyState(VK_CONTROL) < 0) s |= vbCtrlMask;
    if (GetKeyState(VK_MENU) < 0) s |= vbAltMask;
    return s;
}

} // namespace qs::tk::win32
