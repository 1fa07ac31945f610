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

int& ScreenPointer() {
    static int shape = vbDefault;
    return shape;
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

void SetBackend(std::unique_ptr<Backend> backend) {
    BackendSlot() = std::move(backend);
    // A new backend is a new screen: its pointer starts as the default shape.
    ScreenPointer() = vbDefault;
}

Backend& backend() {
    if (!BackendSlot()) InitializeToolkit();
    return *BackendSlot();
}

bool hasBackend() { return BackendSlot() != nullptr; }

void RunMessageLoop() { backend().runMessageLoop(); }

void UseMonitorPixels() { backend().useMonitorPixels(); }

const std::vector<Form*>& LoadedForms() { return LoadedList(); }

void registerLoadedForm(Form& form) {
    auto& forms = LoadedList();
    if (std::find(forms.begin(), forms.end(), &form) == forms.end()) forms.push_back(&form);
}

void unregisterLoadedForm(Form& form) {
    auto& forms = LoadedList();
    forms.erase(std::remove(forms.begin(), forms.end(), &form), forms.end());
}

int MsgBox(const std::string& prompt, int flags, const std::string& title, Form* owner) {
    return backend().messageBox(prompt, flags, title, owner);
}

namespace Screen {

float Width() {
    const platform::ScreenMetrics m = Metrics();
    return static_cast<float>(m.widthPx * m.twipsPerPixelX);
}

float Height() {
    const platform::ScreenMetrics m = Metrics();
    return static_cast<float>(m.heightPx * m.twipsPerPixelY);
}

float TwipsPerPixelX() { return static_cast<float>(Resolution().first); }

float TwipsPerPixelY() { return static_cast<float>(Resolution().second); }

int MousePointer() { return ScreenPointer(); }

void setMousePointer(int shape) {
    ScreenPointer() = shape;
    backend().setScreenPointer(shape);
}

} // namespace Screen

} // namespace qs::tk
