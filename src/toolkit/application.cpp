#include "toolkit/application.h"

#include <algorithm>

#include "platform/services.h"

namespace qs::tk {

namespace {

std::unique_ptr<Backend>& BackendSlot() {
    static std::unique_ptr<Backend> slot;
    return slot;
}

std::vector<Form*>& LoadedList() {
    static std::vector<Form*> forms;
    return forms;
}

// The screen as the platform reports it; a usual display when no service is installed.
platform::ScreenMetrics Metrics() {
    platform::Screen* screen = platform::services().screen;
    return screen ? screen->Metrics() : platform::ScreenMetrics{};
}

std::pair<double, double> Resolution() {
    platform::Screen* screen = platform::services().screen;
    const platform::ScreenMetrics usual;
    return screen ? screen->TwipsPerPixel() : std::pair{usual.twipsPerPixelX, usual.twipsPerPixelY};
}

} // namespace

void SetBackend(std::unique_ptr<Backend> backend) { BackendSlot() = std::move(backend); }

Backend& CurrentBackend() {
    if (!BackendSlot()) InitializeToolkit();
    return *BackendSlot();
}

bool HasBackend() { return BackendSlot() != nullptr; }

void RunMessageLoop() { CurrentBackend().runMessageLoop(); }

void UseMonitorPixels() { CurrentBackend().useMonitorPixels(); }

const std::vector<Form*>& LoadedForms() { return LoadedList(); }

void RegisterLoadedForm(Form& form) {
    auto& forms = LoadedList();
    if (std::find(forms.begin(), forms.end(), &form) == forms.end()) forms.push_back(&form);
}

void UnregisterLoadedForm(Form& form) {
    auto& forms = LoadedList();
    forms.erase(std::remove(forms.begin(), forms.end(), &form), forms.end());
}

float ScreenWidth() {
    const platform::ScreenMetrics m = Metrics();
    return static_cast<float>(m.widthPx * m.twipsPerPixelX);
}

float ScreenHeight() {
    const platform::ScreenMetrics m = Metrics();
    return static_cast<float>(m.heightPx * m.twipsPerPixelY);
}

float TwipsPerPixelX() { return static_cast<float>(Resolution().first); }

float TwipsPerPixelY() { return static_cast<float>(Resolution().second); }

void SetScreenPointer(Pointer shape) { CurrentBackend().setScreenPointer(shape); }

} // namespace qs::tk
