#include "platform/win32/profile_win32.h"

#include <windows.h>

// windows.h renames these to their A/W forms, which would rename our interface's
// methods here and nowhere else.
#undef GetPrivateProfileString
#undef WritePrivateProfileString

namespace qs::platform {

namespace {

class Win32ProfileFile final : public ProfileFile {
public:
    std::uint32_t GetPrivateProfileString(const std::string& section, const std::string& key,
                                          const std::string& defaultValue, char* buffer, std::uint32_t size,
                                          const std::string& file) override {
        return ::GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), buffer, size,
                                          file.c_str());
    }

    bool WritePrivateProfileString(const std::string& section, const std::string& key, const std::string& value,
                                   const std::string& file) override {
        return ::WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) != FALSE;
    }
};

} // namespace

std::unique_ptr<ProfileFile> MakeWin32ProfileFile() {
    return std::make_unique<Win32ProfileFile>();
}

} // namespace qs::platform
