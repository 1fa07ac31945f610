// The executable's entry point and the program's composition root: Main says what the
// command line asks for; this opens the settings file and loads the settings for the
// mode's window, builds the window with them, lives on the message loop until no window
// is left, and then, after a full-screen or preview run, saves the show's corrections.
// The password mode and the runs that open nothing read and write no settings.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <exception>
#include <string>

#include "app/main.h"
#include "platform/services.h"
#include "platform/win32/scoped.h"
#include "platform/win32/wide_text.h"
#include "render/folder_scanner.h"
#include "render/slide_preparer.h"
#include "settings/settings_file.h"
#include "settings/settings_file_path.h"
#include "toolkit/application.h"
#include "ui/config/settings_dialog.h"
#include "ui/saver/preview_window.h"
#include "ui/saver/saver_window.h"

namespace {

void InitializeCommonControls() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);
}

void Report(const std::string& text) {
    OutputDebugStringW(qs::platform::Widen("QuilloSlides: " + text + "\n").c_str());
}

qs::SettingsFile OpenSettingsFile() {
    return qs::SettingsFile(*qs::platform::services().profile, qs::SettingsFilePath());
}

// Modeless and ownerless: the run ends when the dialog has been closed. Only its OK
// writes the file.
void RunSettingsDialog() {
    qs::SettingsFile file = OpenSettingsFile();
    qs::ui::SettingsDialog dialog(file, file.load());
    dialog.show();
    qs::tk::RunMessageLoop();
}

// A full-screen or preview run: the window goes before the save, and with it the show's
// preparing thread (joined when idle, left behind in a decode). Its user confirms nothing,
// so only the reading's corrections are written, and a failure goes to the debugger's output.
template <class Window, class Open, class... Arguments>
void RunShow(Open open, Arguments... arguments) {
    qs::SettingsFile file = OpenSettingsFile();
    const qs::Settings settings = file.load();
    // The show's windows draw pictures in each monitor's real pixels; the dialogs keep the
    // system's one scaling (see the program's manifest).
    qs::tk::UseMonitorPixels();
    {
        Window window(arguments..., settings);
        open(window);
        qs::tk::RunMessageLoop();
    }
    if (const qs::SaveResult saved = file.save(settings, qs::SaveRule::CorrectionsOnly); !saved) {
        Report("the settings could not be saved to " + saved.path + ": " + saved.reason());
    }
}

int Run() {
    qs::platform::InstallDefaultServices();
    qs::tk::InitializeToolkit();
    qs::platform::Services& os = qs::platform::services();
    os.random->Randomize();
    const qs::app::Launch launch = qs::app::Main(os.process->CommandArguments());
    switch (launch.mode) {
    case qs::app::Mode::Nothing:
        break;
    case qs::app::Mode::SettingsDialog:
        RunSettingsDialog();
        break;
    case qs::app::Mode::FullScreen:
        RunShow<qs::ui::SaverWindow>([](qs::ui::SaverWindow& window) { window.show(); });
        break;
    case qs::app::Mode::Preview:
        // Loaded, never shown: its surface goes into the host window.
        RunShow<qs::ui::PreviewWindow>([](qs::ui::PreviewWindow& window) { window.load(); }, launch.window);
        break;
    case qs::app::Mode::PasswordChange:
        // The dialog's outcome is the system's business; nothing follows it here.
        os.passwords->PwdChangePassword("SCRSAVE", launch.window, 0, 0);
        break;
    }
    return 0;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // The picture decoders and the common dialogs are COM objects used from this, the one
    // user-interface thread. The backend holds COM up too, for its own life, which ends
    // after the pictures cached in static objects have released their decoders.
    const qs::platform::ComInit com(COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    InitializeCommonControls();
    int exitCode = 1;
    // The process edge: window messages have their own boundary in the window procedure;
    // what fails outside any message (start-up, the final settings save) is reported here
    // and ends the process quietly instead of with the runtime's abort message.
    try {
        exitCode = Run();
    } catch (const std::exception& e) {
        Report("the program failed: " + std::string(e.what()));
    }
    // How the process ends, once its windows are gone and the settings saved. Returning
    // from here runs the runtime's teardown (this function's owners, then the static objects:
    // the picture caches, the backend and its COM), and then ExitProcess, which ends the
    // other threads wherever they stand and calls every library's detach code. Where a
    // show's preparing thread was left behind in a decode it cannot leave (Wine's JPEG
    // decoder decodes the whole frame in one call), that teardown would run under its feet:
    // it uses the imaging component, the heap and the caches the teardown destroys, and may
    // hold their locks when it is ended. TerminateProcess ends every thread at once and runs
    // no code of the program or of any library: nothing is left to write by then.
    if (qs::SlidePreparer::threadsLeftBehind() || qs::FolderScanner::threadsLeftBehind())
        TerminateProcess(GetCurrentProcess(), static_cast<UINT>(exitCode));
    return exitCode;
}
