// The portable implementations of the platform services, used by the native build.
// That build has no window system: the desktop services describe a fixed usual
// screen with no windows on it, and the shell hands work to the desktop's opener.
#pragma once

#include <memory>

#include "platform/services.h"

namespace qs::platform {

std::unique_ptr<Clock> MakePortableClock();
std::unique_ptr<Random> MakePortableRandom();
// 1024 x 768 pixels at 15 twips per pixel.
std::unique_ptr<Screen> MakePortableScreen();
// A display count of its own, starting at 0 as on a system with a mouse.
std::unique_ptr<Cursor> MakePortableCursor();
// An NT-family version record; no windows exist, so every window call fails.
std::unique_ptr<System> MakePortableSystem();
// No password services: nothing to change, and every verification lets the saver close.
std::unique_ptr<Passwords> MakePortablePasswords();
std::unique_ptr<Shell> MakePortableShell();
std::unique_ptr<Process> MakePortableProcess();

} // namespace qs::platform
