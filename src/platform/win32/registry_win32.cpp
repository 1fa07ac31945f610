#include "platform/win32/registry_win32.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

#include "platform/win32/scoped.h"
#include "platform/win32/wide_text.h"

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

bool IsText(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

class Win32Registry final : public Registry {
public:
    std::int32_t RegOpenKeyEx(RegKey root, const std::string& subKey, std::uint32_t access, RegKey& result) override {
        HKEY opened = nullptr;
        const LONG status = ::RegOpenKeyExW(ToHkey(root), Widen(subKey).c_str(), 0, access, &opened);
        if (status == ERROR_SUCCESS) {
            result = FromHkey(opened);
        }
        return status;
    }

    std::int32_t RegQueryValueEx(RegKey key, const std::string& valueName, std::uint32_t* type, std::uint8_t* data,
                                 std::uint32_t* dataSize) override {
        const std::wstring name = Widen(valueName);
        // Copied in and out so that the call leaves the caller's type exactly as the API does.
        DWORD queriedType = type != nullptr ? *type : 0;
        DWORD size = dataSize != nullptr ? *dataSize : 0;
        DWORD storedType = 0;
        DWORD storedSize = 0;
        LONG status = ::RegQueryValueExW(ToHkey(key), name.c_str(), nullptr, &storedType, nullptr, &storedSize);
        if (status == ERROR_SUCCESS && IsText(storedType)) {
            // Text comes back in UTF-8, sized in its bytes as the code-page call sizes it in its own.
            std::wstring stored(storedSize / sizeof(wchar_t) + 1, L'\0');
            DWORD readSize = static_cast<DWORD>(stored.size() * sizeof(wchar_t));
            status = ::RegQueryValueExW(ToHkey(key), name.c_str(), nullptr, &storedType,
                                        reinterpret_cast<BYTE*>(stored.data()), &readSize);
            if (status == ERROR_SUCCESS) {
                stored.resize(readSize / sizeof(wchar_t));
                const std::string text = Narrow(stored); // terminators included
                queriedType = storedType;
                if (data != nullptr && text.size() > size) {
                    status = ERROR_MORE_DATA;
                } else if (data != nullptr) {
                    std::memcpy(data, text.data(), text.size());
                }
                size = static_cast<DWORD>(text.size());
            }
        } else {
            status = ::RegQueryValueExW(ToHkey(key), name.c_str(), nullptr, type ? &queriedType : nullptr, data,
                                        dataSize != nullptr ? &size : nullptr);
        }
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
        if (IsText(type) && data != nullptr) {
            const std::wstring text = Widen(std::string_view(reinterpret_cast<const char*>(data), dataSize));
            return ::RegSetValueExW(ToHkey(key), Widen(valueName).c_str(), 0, type,
                                    reinterpret_cast<const BYTE*>(text.data()),
                                    static_cast<DWORD>(text.size() * sizeof(wchar_t)));
        }
        return ::RegSetValueExW(ToHkey(key), Widen(valueName).c_str(), 0, type, data, dataSize);
    }

    std::int32_t RegCreateKeyEx(RegKey root, const std::string& subKey, std::uint32_t access, RegKey& result) override {
        HKEY created = nullptr;
        const LONG status = ::RegCreateKeyExW(ToHkey(root), Widen(subKey).c_str(), 0, nullptr,
                                              REG_OPTION_NON_VOLATILE, access, nullptr, &created, nullptr);
        if (status == ERROR_SUCCESS) {
            result = FromHkey(created);
        }
        return status;
    }

    void CloseKey(RegKey key) override {
        RegistryKey(ToHkey(key)).reset(); // its owner closes it
    }
};

} // namespace

std::unique_ptr<Registry> MakeWin32Registry() {
    return std::make_unique<Win32Registry>();
}

} // namespace qs::platform
