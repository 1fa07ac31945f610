// The executable's entry point: prepares the process, lets Main open the window of
// the mode, lives on the message loop until no window is left, and then releases
// the settings object, which writes the settings file.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <exception>
#include <string>

#include "app/main_module.h"
#include "platform/services.h"
#include "platform/win32/wide_text.h"
#include "settings/app_settings.h"
#include "toolkit/application.h"
#include "ui/modes/install_mode_windows.h"

namespace {

void InitializeCommonControls() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);
}

int Run() {
    qs::platform::InstallDefaultServices();
    qs::tk::InitializeToolkit();
    qs::ui::InstallModeWindows();
    qs::MainModule::Main();
    qs::tk::RunMessageLoop();
    // The windows go now, not among the static objects at exit: a show's worker thread,
    // perhaps still decoding, is joined while the runtime is whole.
    qs::tk::releaseKeptForms();
    // Writes the settings file, but only if some window created the settings object:
    // the password mode and unknown switches never do, and leave the file alone.
    qs::ReleaseAppSettings();
    return 0;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    InitializeCommonControls();
    // The picture decoders are COM objects used from this, the one user-interface thread.
    // COM stays up until the process ends: the forms kept by NewForm and the cached
    // pictures are static objects, destroyed after WinMain returns, and their decoders
    // are COM objects, which must not be released after CoUninitialize.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    int exitCode = 1;
    // The process edge: window messages have their own boundary in the window procedure;
    // what fails outside any message (start-up, the final settings write) is reported here
    // and ends the process quietly instead of with the runtime's abort message.
    try {
        exitCode = Run();
    } catch (const std::exception& e) {
        OutputDebugStringW(qs::platform::Widen("QuilloSlides: the program failed: " + std::string(e.what()) + "\n").c_str());
    }
    return exitCode;
}
