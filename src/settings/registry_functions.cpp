#include "settings/registry_functions.h"

#include <algorithm>

namespace qs {

namespace {

constexpr std::uint32_t kValueBufferSize = 1024;

std::int32_t LittleEndianInt32(const std::uint8_t* bytes) {
    const std::uint32_t value = static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
                                (static_cast<std::uint32_t>(bytes[2]) << 16) |
                                (static_cast<std::uint32_t>(bytes[3]) << 24);
    return static_cast<std::int32_t>(value);
}

// Reads the value the open key holds under valueName; error receives the outcome.
RegVariant QueryValue(platform::Registry& registry, platform::RegKey key, const std::string& valueName,
                      std::uint32_t& valueType, std::int32_t& error) {
    std::uint8_t buffer[kValueBufferSize] = {};
    std::uint32_t size = kValueBufferSize;
    error = registry.RegQueryValueEx(key, valueName, &valueType, buffer, &size);
    if (error != 0) {
        return {};
    }
    const char* text = reinterpret_cast<const char*>(buffer);
    switch (valueType) {
    case platform::kRegSz: {
        const std::size_t n = std::min(size, kValueBufferSize);
        if (n == 0) {
            return std::string();
        }
        return std::string(text, buffer[n - 1] == 0 ? n - 1 : n);
    }
    case platform::kRegDword: {
        std::uint8_t dword[4] = {};
        std::uint32_t dwordSize = sizeof dword;
        error = registry.RegQueryValueEx(key, valueName, &valueType, dword, &dwordSize);
        return error == 0 ? RegVariant(LittleEndianInt32(dword)) : RegVariant();
    }
    case platform::kRegBinary:
        return std::string(text, kValueBufferSize);
    default:
        error = kUnhandledRegType;
        return {};
    }
}

std::int32_t WriteValue(platform::Registry& registry, platform::RegKey key, const std::string& valueName,
                        const RegVariant& value) {
    if (const auto* text = std::get_if<std::string>(&value)) {
        return registry.RegSetValueEx(key, valueName, platform::kRegSz,
                                      reinterpret_cast<const std::uint8_t*>(text->c_str()),
                                      static_cast<std::uint32_t>(text->size() + 1));
    }
    if (const auto* number = std::get_if<std::int32_t>(&value)) {
        const auto bits = static_cast<std::uint32_t>(*number);
        const std::uint8_t dword[4] = {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
                                       static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
        return registry.RegSetValueEx(key, valueName, platform::kRegDword, dword, sizeof dword);
    }
    return kUnhandledRegType;
}

// A key opened through the registry service, closed when the owner goes.
class OpenKey {
public:
    OpenKey(platform::Registry& registry, platform::RegKey key) : registry_(registry), key_(key) {}
    ~OpenKey() { registry_.CloseKey(key_); }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    platform::RegKey get() const { return key_; }

private:
    platform::Registry& registry_;
    platform::RegKey key_;
};

void Report(std::int32_t* out, std::int32_t error) {
    if (out != nullptr) {
        *out = error;
    }
}

} // namespace

RegVariant GetRegValue(platform::RegKey root, const std::string& path, const std::string& valueName,
                       std::uint32_t& valueType, std::int32_t& errorCode, const RegVariant& fallback) {
    platform::Registry* registry = platform::services().registry;
    if (registry == nullptr) {
        errorCode = kNoRegistryService;
        return fallback;
    }
    platform::RegKey key = 0;
    std::int32_t error = registry->RegOpenKeyEx(root, path, kRegAccess, key);
    RegVariant result;
    if (error == 0) {
        const OpenKey open(*registry, key);
        result = QueryValue(*registry, open.get(), valueName, valueType, error);
    }
    errorCode = error;
    return error == 0 ? result : fallback;
}

bool SetRegValue(platform::RegKey root, const std::string& path, const std::string& valueName,
                 const RegVariant& value, std::int32_t* errorCode) {
    platform::Registry* registry = platform::services().registry;
    if (registry == nullptr) {
        Report(errorCode, kNoRegistryService);
        return false;
    }
    std::string keyPath = path;
    if (!keyPath.empty() && keyPath.back() == '\\') {
        keyPath.pop_back();
    }
    platform::RegKey key = 0;
    std::int32_t error = registry->RegOpenKeyEx(root, keyPath, kRegAccess, key);
    if (error == 0) {
        const OpenKey open(*registry, key);
        error = WriteValue(*registry, open.get(), valueName, value);
    }
    Report(errorCode, error);
    return error == 0;
}

bool CreateRegKey(platform::RegKey root, const std::string& parent, const std::string& newKey,
                  std::int32_t* errorCode) {
    platform::Registry* registry = platform::services().registry;
    if (registry == nullptr) {
        Report(errorCode, kNoRegistryService);
        return false;
    }
    platform::RegKey parentKey = 0;
    std::int32_t error = registry->RegOpenKeyEx(root, parent, kRegAccess, parentKey);
    if (error == 0) {
        const OpenKey parentOpen(*registry, parentKey);
        platform::RegKey created = 0;
        error = registry->RegCreateKeyEx(parentOpen.get(), newKey, kRegAccess, created);
        if (error == 0) {
            const OpenKey made(*registry, created); // only made: closed at once
        }
    }
    Report(errorCode, error);
    return error == 0;
}

} // namespace qs
