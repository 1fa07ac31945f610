// The toolkit as a whole: its backend, the message loop, the screen and message boxes.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "toolkit/form.h"
#include "toolkit/peer.h"

namespace qs::tk {

// Installs the platform's backend, the Win32 one.
void InitializeToolkit();
// Replaces the backend (InitializeToolkit installs it through this).
void SetBackend(std::unique_ptr<Backend> backend);
Backend& backend();
bool hasBackend();

// The windows opened from now on draw in the real pixels of their monitor, whatever
// its scaling (see Backend::useMonitorPixels).
void UseMonitorPixels();

// Runs the message loop until no form is loaded (returns at once when none is).
void RunMessageLoop();

// Every form that is loaded now, in load order.
const std::vector<Form*>& LoadedForms();
// Backend and Form use: keep LoadedForms up to date.
void registerLoadedForm(Form& form);
void unregisterLoadedForm(Form& form);

// Message box; returns vbOK, vbYes, vbNo, ... owner may be null.
int MsgBox(const std::string& prompt, int flags, const std::string& title, Form* owner = nullptr);

// The screen: size in twips, twips per pixel, and the application-wide pointer.
namespace Screen {
float Width();
float Height();
float TwipsPerPixelX();
float TwipsPerPixelY();
int MousePointer();
void setMousePointer(int shape);
} // namespace Screen

} // namespace qs::tk
