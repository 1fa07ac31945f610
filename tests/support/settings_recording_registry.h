// RecordingRegistry: passes every call on to another registry (the portable store,
// usually) and writes down what it was given, so that tests can check the access masks,
// buffer sizes, the state of buffers handed in, and that every opened key is closed.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "platform/services.h"

namespace qs::test {

class RecordingRegistry final : public platform::Registry {
public:
    struct Call {
        std::string op;               // "open", "create", "query", "set", "close"
        platform::RegKey key = 0;     // the root or key handle given
        std::string name;             // path or value name
        std::uint32_t access = 0;     // open/create
        std::uint32_t type = 0;       // set: the type written
        std::uint32_t size = 0;       // query: the buffer size given; set: the data size
        bool dataGiven = false;       // query: a buffer was given
        bool bufferZeroed = false;    // query: every byte of the buffer was zero
        std::string data;             // set: the bytes written
        std::int32_t result = 0;
    };

    explicit RecordingRegistry(platform::Registry& inner) : inner_(inner) {}

    std::int32_t RegOpenKeyEx(platform::RegKey root, const std::string& subKey, std::uint32_t access,
                              platform::RegKey& result) override;
    std::int32_t RegQueryValueEx(platform::RegKey key, const std::string& valueName, std::uint32_t* type,
                                 std::uint8_t* data, std::uint32_t* dataSize) override;
    std::int32_t RegSetValueEx(platform::RegKey key, const std::string& valueName, std::uint32_t type,
                               const std::uint8_t* data, std::uint32_t dataSize) override;
    std::int32_t RegCreateKeyEx(platform::RegKey root, const std::string& subKey, std::uint32_t access,
                                platform::RegKey& result) override;
    std::int32_t RegCloseKey(platform::RegKey key) override;

    std::vector<std::string> Ops() const;
    // Keys opened or created through this registry and not closed yet (roots excluded).
    const std::multiset<platform::RegKey>& OpenKeys() const { return open_; }

    std::vector<Call> calls;

private:
    void Opened(platform::RegKey root, platform::RegKey result);

    platform::Registry& inner_;
    std::multiset<platform::RegKey> open_;
};

} // namespace qs::test
