#include "platform/win32/registry_win32.h"

#include <windows.h>

// windows.h renames these to their A/W forms, which would rename our interface's
// methods here and nowhere else.
#undef RegOpenKeyEx
#undef RegQueryValueEx
#undef RegSetValueEx
#undef RegCreateKeyEx

namespace qs::platform {

namespace {

HKEY ToHkey(RegKey key) {
    return reinterpret_cast<HKEY>(key);
}

RegKey FromHkey(HKEY key) {
    return reinterpret_cast<RegKey>(key);
}

class Win32Registry final : public Registry {
public:
    std::int32_t RegOpenKeyEx(RegKey root, const std::string& subKey, std::uint32_t access, RegKey& result) override {
        HKEY opened = nullptr;
        const LONG status = ::RegOpenKeyExA(ToHkey(root), subKey.c_str(), 0, access, &opened);
        if (status == ERROR_SUCCESS) {
            result = FromHkey(opened);
        }
        return status;
    }

    std::int32_t RegQueryValueEx(RegKey key, const std::string& valueName, std::uint32_t* type, std::uint8_t* data,
                                 std::uint32_t* dataSize) override {
        // Copied in and out so that the call leaves the caller's type exactly as the API does.
        DWORD queriedType = type != nullptr ? *type : 0;
        DWORD size = dataSize != nullptr ? *dataSize : 0;
        const LONG status = ::RegQueryValueExA(ToHkey(key), valueName.c_str(), nullptr, type ? &queriedType : nullptr,
                                               data, dataSize != nullptr ? &size : nullptr);
        if (type != nullptr) {
            *type = queriedType;
        }
        if (dataSize != nullptr) {
            *dataSize = size;
        }
        return status;
    }

    std::int32_t RegSetValueEx(RegKey key, const std::string& valueName, std::uint32_t type, const std::uint8_t* data,
                               std::uint32_t dataSize) override {
        return ::RegSetValueExA(ToHkey(key), valueName.c_str(), 0, type, data, dataSize);
    }

    std::int32_t RegCreateKeyEx(RegKey root, const std::string& subKey, std::uint32_t access, RegKey& result) override {
        HKEY created = nullptr;
        const LONG status = ::RegCreateKeyExA(ToHkey(root), subKey.c_str(), 0, const_cast<char*>(""),
                                              REG_OPTION_NON_VOLATILE, access, nullptr, &created, nullptr);
        if (status == ERROR_SUCCESS) {
            result = FromHkey(created);
        }
        return status;
    }

    std::int32_t RegCloseKey(RegKey key) override {
        return ::RegCloseKey(ToHkey(key));
    }
};

} // namespace

std::unique_ptr<Registry> MakeWin32Registry() {
    return std::make_unique<Win32Registry>();
}

} // namespace qs::platform
