// The start-up module: the program's entry procedure and its command-line modes.
#pragma once

#include <string>

namespace qs::MainModule {

// The caption the full-screen window gives itself; a window with it means a
// full-screen run is on already.
inline constexpr char kFullScreenCaption[] = "Quillo ScrSav Main Form";

// Seeds the random numbers, sets LastSlideTime to now, reads the switch from the
// command line and opens the one window or system dialog of its mode, then returns. Opens nothing for
// an unknown switch, or when the handle after "/P" or "/A" does not fit 32 bits.
void Main();

// True when no top-level window of any program has this caption (FindWindowW with no
// class name; the system compares captions without regard to letter case).
bool WindowNotFound(const std::string& caption);

} // namespace qs::MainModule
