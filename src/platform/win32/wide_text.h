// The program carries text as UTF-8; the Win32 edge speaks UTF-16 through the wide API, so
// a folder or file name outside the system's code page survives from the file dialog to
// the decoder. Invalid UTF-8 becomes U+FFFD rather than failing the call.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace qs::platform {

// Text in another code page (a settings file in the system's) widens the same way.
inline std::wstring Widen(std::string_view text, UINT codePage = CP_UTF8) {
    if (text.empty()) return {};
    const int n = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (n <= 0) return {};
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
    return wide;
}

inline std::string Narrow(std::wstring_view wide) {
    if (wide.empty()) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string utf8(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), n, nullptr, nullptr);
    return utf8;
}

} // namespace qs::platform
