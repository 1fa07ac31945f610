// The toolkit as a whole: its backend, the message loop, the screen, message boxes,
// and the forms that live for the whole run.
#pragma once

#include <memory>
#include <string>
#include <utility>
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

// Forms opened by Main live until the process ends.
void keepForm(std::unique_ptr<Form> form);
template <class F, class... Args>
F& NewForm(Args&&... args) {
    auto form = std::make_unique<F>(std::forward<Args>(args)...);
    F& ref = *form;
    keepForm(std::move(form));
    return ref;
}
// Destroys the forms kept by NewForm (tests, and the end of the process).
void releaseKeptForms();

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
