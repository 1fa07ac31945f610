// Any command line: the arguments after the program's name, the switch, and the window
// handle after "/P" or "/A" read as the start-up module reads them.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/command_number.h"
#include "platform/command_line.h"
#include "settings/settings_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string line(reinterpret_cast<const char*>(data), size);
    const std::string arguments = qs::platform::ArgumentsFromCommandLine(line);
    if (arguments.size() > line.size()) std::abort();
    const std::string_view rest = arguments.size() > 2 ? std::string_view(arguments).substr(2) : std::string_view();
    if (const auto number = qs::RoundToInt32(qs::app::ReadDecimalNumber(rest)))
        (void)qs::app::HandleFromInt32(*number);
    return 0;
}
