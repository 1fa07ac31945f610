#include "app/main_module.h"

#include <optional>
#include <string_view>

#include "app/command_number.h"
#include "app/mode_windows.h"
#include "platform/services.h"
#include "settings/settings_text.h"
#include "settings/shared_state.h"

namespace qs::MainModule {

namespace {
std::string SwitchKey(const std::string& arguments) {
    std::string key = arguments.substr(0, 2);
    for (char& c : key) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return key.empty() ? "/C" : key;
}

// The handle after the switch. A number beyond 32 bits names no window the program
// could use, and the run cannot go on with it: nothing is returned.
std::optional<platform::WindowHandle> HandleAfterSwitch(const std::string& arguments) {
    const std::string_view rest = arguments.size() > 2 ? std::string_view(arguments).substr(2) : std::string_view();
    const std::optional<std::int32_t> number = RoundToInt32(app::ReadDecimalNumber(rest));
    if (!number) {
        return std::nullopt;
    }
    return app::HandleFromInt32(*number);
}
} // namespace

bool WindowNotFound(const std::string& caption) {
    return platform::services().system->FindWindowByCaption(caption) == 0;
}

void Main() {
    platform::Services& os = platform::services();
    os.random->Randomize();
    LastSlideTime = os.clock->Now();

    const std::string arguments = os.process->CommandArguments();
    const std::string key = SwitchKey(arguments);
    app::ModeWindows* windows = app::InstalledModeWindows();

    if (key == "/C") {
        if (windows) {
            windows->ShowSettingsDialog();
        }
    } else if (key == "/S") {
        if (WindowNotFound(kFullScreenCaption) && windows) {
            windows->ShowFullScreen();
        }
    } else if (key == "/P") {
        if (const auto host = HandleAfterSwitch(arguments); host && windows) {
            windows->LoadPreview(*host);
        }
    } else if (key == "/A") {
        if (const auto owner = HandleAfterSwitch(arguments)) {
            // The dialog's outcome is the system's business; nothing follows it here.
            os.passwords->PwdChangePassword("SCRSAVE", *owner, 0, 0);
        }
    }
}

} // namespace qs::MainModule
