// Helpers of the Win32 toolkit tests (set up before any test): message pumping with a deadline, picture files.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "toolkit/component.h"
#include "toolkit/peer.h"

namespace qs::test::win {

// Handles messages as the program's loop does until `done` is true or the deadline passes; returns `done()`.
bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 5000);
inline void PumpFor(int ms) { PumpUntil([] { return false; }, ms); }
inline HWND H(const tk::Component& c) { return reinterpret_cast<HWND>(c.peer()->hwnd()); }

// `name` in a folder of this process's own, removed at exit, holding `bytes`.
std::string TempFile(const std::string& name, const std::vector<std::uint8_t>& bytes);
// A picture by the imaging component's own encoder: red, green / blue, white quadrants, or all red.
std::vector<std::uint8_t> EncodeWithWic(const GUID& container, int width, int height, bool quadrants = true);

} // namespace qs::test::win
