// Basic types of the control toolkit: colours, fonts, constants of message boxes,
// keys, mouse pointers and unload reasons. Lengths are twips (1/1440 inch) throughout.
#pragma once

#include <cstdint>
#include <string>

namespace qs::tk {

// red + 256 * green + 65536 * blue. Values with the top bit set name a system colour
// (0x80000000 | the GetSysColor index), resolved by the backend when drawing.
using Color = std::int32_t;

constexpr Color Rgb(int r, int g, int b) { return r + 256 * g + 65536 * b; }
constexpr Color SystemColor(int index) { return static_cast<Color>(0x80000000u | static_cast<unsigned>(index)); }
constexpr bool IsSystemColor(Color c) { return (static_cast<std::uint32_t>(c) & 0x80000000u) != 0; }

constexpr Color kColorWindow = SystemColor(5);      // COLOR_WINDOW
constexpr Color kColorWindowText = SystemColor(8);  // COLOR_WINDOWTEXT
constexpr Color kColorButtonFace = SystemColor(15); // COLOR_BTNFACE
constexpr Color kColorButtonText = SystemColor(18); // COLOR_BTNTEXT

struct FontSpec {
    std::string Name = "MS Sans Serif";
    double Size = 8.25; // points
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool operator==(const FontSpec&) const = default;
};

// Mouse pointer shapes (the values a form or the screen stores).
constexpr int vbDefault = 0;
constexpr int vbArrow = 1;
constexpr int vbHourglass = 11;
constexpr int vbCustom = 99;

// Message box flags and results.
constexpr int vbOKOnly = 0;
constexpr int vbYesNo = 4;
constexpr int vbQuestion = 32;
constexpr int vbExclamation = 48;
constexpr int vbOK = 1;
constexpr int vbCancel = 2;
constexpr int vbYes = 6;
constexpr int vbNo = 7;

// Shift state bits of key and mouse events.
constexpr std::int16_t vbShiftMask = 1;
constexpr std::int16_t vbCtrlMask = 2;
constexpr std::int16_t vbAltMask = 4;

// Mouse buttons.
constexpr int vbLeftButton = 1;
constexpr int vbRightButton = 2;
constexpr int vbMiddleButton = 4;

// Virtual-key codes used by the toolkit itself.
constexpr std::int16_t vbKeyReturn = 0x0D;
constexpr std::int16_t vbKeyEscape = 0x1B;
constexpr std::int16_t vbKeyTab = 0x09;
constexpr std::int16_t vbKeyUp = 0x26;
constexpr std::int16_t vbKeyDown = 0x28;
constexpr std::int16_t vbKeyPageUp = 0x21;
constexpr std::int16_t vbKeyPageDown = 0x22;
constexpr std::int16_t vbKeyHome = 0x24;
constexpr std::int16_t vbKeyEnd = 0x23;
constexpr std::int16_t vbKeySpace = 0x20;

// Why a form is being unloaded, as Form_QueryUnload is told.
enum class CloseReason {
    ControlMenu, // the close box, Alt+F4, WM_CLOSE
    Code,        // Unload called from code
    AppWindows,  // the Windows session is ending
};

// The error a common dialog reports when the user cancels and CancelError is set.
constexpr int cdlCancel = 32755;

struct SizeTwips {
    float Width = 0;
    float Height = 0;
};

} // namespace qs::tk
