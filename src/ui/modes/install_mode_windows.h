// The user-interface layer's side of the start-up modes: the windows that Main opens
// for "/C", "/S" and "/P". The entry point calls InstallModeWindows() before Main.
#pragma once

namespace qs::ui {

// Puts this layer's mode windows in force for Main (see app/mode_windows.h).
void InstallModeWindows();

} // namespace qs::ui
