// RecordingRegistry passes every call on to another registry and writes down what it was
// given: the order of the calls, what was written, and which opened keys are not closed.
// PutRegValue stores a test's value in any registry.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "platform/services.h"

namespace qs::test {

class RecordingRegistry final : public platform::Registry {
public:
    struct Call {
        std::string op;   // "open", "create", "query", "set", "close"
        std::string name; // path or value name
        std::uint32_t type = 0;
        std::string data; // set: the bytes written
    };

    explicit RecordingRegistry(platform::Registry& inner) : inner_(inner) {}

    std::int32_t RegOpenKeyEx(platform::RegKey root, const std::string& subKey, std::uint32_t access,
                              platform::RegKey& result) override {
        calls.push_back({"open", subKey, 0, {}});
        return Opened(root, inner_.RegOpenKeyEx(root, subKey, access, result), result);
    }
    std::int32_t RegCreateKeyEx(platform::RegKey root, const std::string& subKey, std::uint32_t access,
                                platform::RegKey& result) override {
        calls.push_back({"create", subKey, 0, {}});
        return Opened(root, inner_.RegCreateKeyEx(root, subKey, access, result), result);
    }
    std::int32_t RegQueryValueEx(platform::RegKey key, const std::string& valueName, std::uint32_t* type,
                                 std::uint8_t* data, std::uint32_t* dataSize) override {
        calls.push_back({"query", valueName, 0, {}});
        return inner_.RegQueryValueEx(key, valueName, type, data, dataSize);
    }
    std::int32_t RegSetValueEx(platform::RegKey key, const std::string& valueName, std::uint32_t type,
                               const std::uint8_t* data, std::uint32_t dataSize) override {
        calls.push_back({"set", valueName, type, data ? std::string(reinterpret_cast<const char*>(data), dataSize) : ""});
        return inner_.RegSetValueEx(key, valueName, type, data, dataSize);
    }
    std::int32_t RegCloseKey(platform::RegKey key) override {
        calls.push_back({"close", {}, 0, {}});
        if (const auto found = open_.find(key); found != open_.end()) open_.erase(found);
        return inner_.RegCloseKey(key);
    }

    std::vector<std::string> Ops() const {
        std::vector<std::string> ops;
        for (const Call& call : calls) ops.push_back(call.op);
        return ops;
    }
    const std::multiset<platform::RegKey>& OpenKeys() const { return open_; }

    std::vector<Call> calls;

private:
    // `result` is read once the call has filled it in. An empty path opens the root
    // itself, which is never closed for real.
    std::int32_t Opened(platform::RegKey root, std::int32_t error, const platform::RegKey& result) {
        if (error == 0 && result != root) open_.insert(result);
        return error;
    }

    platform::Registry& inner_;
    std::multiset<platform::RegKey> open_;
};

// Stores a value as given (type and bytes), creating its key.
inline void PutRegValue(platform::Registry& registry, platform::RegKey root, const std::string& path,
                        const std::string& name, std::uint32_t type, const std::string& bytes) {
    platform::RegKey key = 0;
    ASSERT_EQ(registry.RegCreateKeyEx(root, path, 0x2003F, key), 0) << path;
    EXPECT_EQ(registry.RegSetValueEx(key, name, type, reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                     static_cast<std::uint32_t>(bytes.size())), 0) << name;
    registry.RegCloseKey(key);
}

} // namespace qs::test
