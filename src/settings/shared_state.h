// Process-wide state shared by the start-up code, the slide sequencer and the windows.
// One user-interface thread reads and writes it; nothing is locked.
#pragma once

#include <cstdint>

#include "platform/services.h"

namespace qs {

// --- The start-up module's shared state (set up by Main) ---
// When the slide on show was drawn: days since 30 December 1899.
extern double LastSlideTime;
// 1-based index of the slide chosen last; 0 before the first.
extern std::int32_t CurrentSlide;
// The screen's twips per pixel, rounded to whole numbers.
extern std::int32_t TwipsPerPixelX;
extern std::int32_t TwipsPerPixelY;
// The window named on the command line after "/P" or "/A".
extern platform::WindowHandle PreviewHost;

// --- Picture fitting ---
// The picture element's size after loading and screen scaling, in twips.
extern double NaturalWidth;
extern double NaturalHeight;

// --- Full-screen window ---
extern std::int16_t UsePassword;
extern std::int32_t OSPlatform;
extern platform::OsVersionInfo OSInfo;
extern std::int16_t MouseMoves;

// --- Preview window ---
extern platform::RectPx HostRect;
extern bool PreviewAlive;
extern platform::WndProcAddress OldWndProc;

// --- Settings flow ---
// While true, releasing the settings object writes nothing.
extern bool DiscardSettings;
// True while there are changes the user has not confirmed (settings dialog and editor).
extern bool SettingsChanged;

// Puts every item above back to its value at process start (for tests).
void ResetSharedState();

} // namespace qs
