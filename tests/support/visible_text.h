// VisibleText: a string for test names and failure messages, with control characters
// written as escapes (\t, \n, \r, \xNN) so that they neither vanish nor break lines.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace qs::test {

inline std::string VisibleText(std::string_view text) {
    std::string shown = "\"";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        char escaped[8] = {c, 0};
        if (c == '\t' || c == '\n' || c == '\r')
            std::snprintf(escaped, sizeof(escaped), "\\%c", c == '\t' ? 't' : c == '\n' ? 'n' : 'r');
        else if (byte < 0x20 || byte == 0x7F)
            std::snprintf(escaped, sizeof(escaped), "\\x%02X", byte);
        shown += escaped;
    }
    return shown + "\"";
}

} // namespace qs::test
