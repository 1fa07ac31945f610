// Basic types of the control toolkit: colours, fonts, places, pointers, keys and the
// reasons a form closes. Lengths are twips (1/1440 inch) throughout.
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
    std::string name = "MS Sans Serif";
    double size = 8.25; // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const FontSpec&) const = default;
};

// A control's place in its container, in twips.
struct Bounds {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

struct SizeTwips {
    float width = 0;
    float height = 0;
};

// The mouse pointer over a control, or over every window of the program.
enum class Pointer {
    Default,   // the window's own
    Hourglass, // the program is busy
    Hand,      // a link
};

// A key as the keyboard reports it: its virtual-key code, so that letters and digits are
// their upper-case characters. Nothing in the program asks for a key by name.
enum class Key : std::uint16_t {};

// The shift keys held down with a key.
struct KeyModifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    bool repeat = false; // the keyboard's auto-repeat of a key held down
};

// Why a form is being closed, as its onClosing is told.
enum class CloseReason {
    User,          // the close box, Alt+F4, WM_CLOSE
    Program,       // Form::close called from code
    SessionEnding, // the Windows session is ending
};

} // namespace qs::tk
