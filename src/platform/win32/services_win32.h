// The Win32 implementations of the platform services, one factory per service.
// InstallDefaultServices() puts them in force; the Windows tests build them directly.
#pragma once

#include <memory>

#include "platform/services.h"

namespace qs::platform {

std::unique_ptr<Clock> MakeWin32Clock();
std::unique_ptr<Random> MakeWin32Random();
std::unique_ptr<Screen> MakeWin32Screen();
std::unique_ptr<Monitors> MakeWin32Monitors();
std::unique_ptr<Cursor> MakeWin32Cursor();
std::unique_ptr<System> MakeWin32System();
std::unique_ptr<Passwords> MakeWin32Passwords();
std::unique_ptr<Shell> MakeWin32Shell();
std::unique_ptr<Files> MakeWin32Files();
std::unique_ptr<Process> MakeWin32Process();

} // namespace qs::platform
