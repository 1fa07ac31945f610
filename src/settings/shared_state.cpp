#include "settings/shared_state.h"

namespace qs {

double LastSlideTime = 0.0;
std::int32_t CurrentSlide = 0;
std::int32_t TwipsPerPixelX = 15;
std::int32_t TwipsPerPixelY = 15;
platform::WindowHandle PreviewHost = 0;
double NaturalWidth = 0.0;
double NaturalHeight = 0.0;
std::int16_t UsePassword = 0;
std::int32_t OSPlatform = 0;
platform::OsVersionInfo OSInfo{};
std::int16_t MouseMoves = 0;
platform::RectPx HostRect{};
bool PreviewAlive = false;
platform::WndProcAddress OldWndProc = 0;
bool DiscardSettings = false;
bool SettingsChanged = false;

void ResetSharedState() {
    LastSlideTime = 0.0;
    CurrentSlide = 0;
    TwipsPerPixelX = 15;
    TwipsPerPixelY = 15;
    PreviewHost = 0;
    NaturalWidth = 0.0;
    NaturalHeight = 0.0;
    UsePassword = 0;
    OSPlatform = 0;
    OSInfo = platform::OsVersionInfo{};
    MouseMoves = 0;
    HostRect = platform::RectPx{};
    PreviewAlive = false;
    OldWndProc = 0;
    DiscardSettings = false;
    SettingsChanged = false;
}

} // namespace qs
