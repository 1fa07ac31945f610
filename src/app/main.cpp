#include "app/main.h"

#include <optional>
#include <string_view>

#include "app/command_number.h"
#include "settings/settings_text.h"
#include "ui/saver/full_screen_caption.h"

namespace qs::app {

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
    const std::optional<std::int32_t> number = RoundToInt32(ReadDecimalNumber(rest));
    if (!number) {
        return std::nullopt;
    }
    return HandleFromInt32(*number);
}

Launch WithHandle(Mode mode, const std::string& arguments) {
    const std::optional<platform::WindowHandle> handle = HandleAfterSwitch(arguments);
    return handle ? Launch{mode, *handle} : Launch{};
}
} // namespace

Launch Main(const std::string& arguments) {
    const std::string key = SwitchKey(arguments);
    if (key == "/C") return {Mode::SettingsDialog};
    if (key == "/S") {
        const bool running = platform::services().system->FindWindowByCaption(ui::kFullScreenCaption) != 0;
        return {running ? Mode::Nothing : Mode::FullScreen};
    }
    if (key == "/P") return WithHandle(Mode::Preview, arguments);
    if (key == "/A") return WithHandle(Mode::PasswordChange, arguments);
    return {};
}

} // namespace qs::app
