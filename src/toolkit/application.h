// The toolkit as a whole: its backend, the message loop and the screen.
#pragma once

#include <memory>
#include <vector>

#include "toolkit/form.h"
#include "toolkit/peer.h"

namespace qs::tk {

// Installs the platform's backend, the Win32 one.
void InitializeToolkit();
// Replaces the backend (InitializeToolkit installs it through this).
void SetBackend(std::unique_ptr<Backend> backend);
Backend& CurrentBackend();
bool HasBackend();

// The windows opened from now on draw in the real pixels of their monitor, whatever
// its scaling (see Backend::useMonitorPixels).
void UseMonitorPixels();

// Runs the message loop until no form is loaded (returns at once when none is).
void RunMessageLoop();

// Every form that is loaded now, in load order.
const std::vector<Form*>& LoadedForms();
// Backend and Form use: keep LoadedForms up to date.
void RegisterLoadedForm(Form& form);
void UnregisterLoadedForm(Form& form);

// The screen: its size in twips and its twips per pixel.
float ScreenWidth();
float ScreenHeight();
float TwipsPerPixelX();
float TwipsPerPixelY();
// The pointer over every window of the program (the hourglass while it is busy).
void SetScreenPointer(Pointer shape);

} // namespace qs::tk
