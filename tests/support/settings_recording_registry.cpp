#include "settings_recording_registry.h"

#include <algorithm>

namespace qs::test {

namespace {

RecordingRegistry::Call Named(const char* op, platform::RegKey key, const std::string& name) {
    RecordingRegistry::Call call;
    call.op = op;
    call.key = key;
    call.name = name;
    return call;
}

} // namespace

void RecordingRegistry::Opened(platform::RegKey root, platform::RegKey result) {
    // Opening an empty path hands back the root itself, which is never closed for real.
    if (result != root) {
        open_.insert(result);
    }
}

std::int32_t RecordingRegistry::RegOpenKeyEx(platform::RegKey root, const std::string& subKey, std::uint32_t access,
                                             platform::RegKey& result) {
    Call call = Named("open", root, subKey);
    call.access = access;
    call.result = inner_.RegOpenKeyEx(root, subKey, access, result);
    if (call.result == 0) {
        Opened(root, result);
    }
    calls.push_back(call);
    return call.result;
}

std::int32_t RecordingRegistry::RegQueryValueEx(platform::RegKey key, const std::string& valueName,
                                                std::uint32_t* type, std::uint8_t* data, std::uint32_t* dataSize) {
    Call call = Named("query", key, valueName);
    call.size = dataSize != nullptr ? *dataSize : 0;
    call.dataGiven = data != nullptr;
    call.bufferZeroed = data != nullptr && dataSize != nullptr &&
                        std::all_of(data, data + *dataSize, [](std::uint8_t b) { return b == 0; });
    call.result = inner_.RegQueryValueEx(key, valueName, type, data, dataSize);
    calls.push_back(call);
    return call.result;
}

std::int32_t RecordingRegistry::RegSetValueEx(platform::RegKey key, const std::string& valueName, std::uint32_t type,
                                              const std::uint8_t* data, std::uint32_t dataSize) {
    Call call = Named("set", key, valueName);
    call.type = type;
    call.size = dataSize;
    if (data != nullptr) {
        call.data.assign(reinterpret_cast<const char*>(data), dataSize);
    }
    call.result = inner_.RegSetValueEx(key, valueName, type, data, dataSize);
    calls.push_back(call);
    return call.result;
}

std::int32_t RecordingRegistry::RegCreateKeyEx(platform::RegKey root, const std::string& subKey,
                                               std::uint32_t access, platform::RegKey& result) {
    Call call = Named("create", root, subKey);
    call.access = access;
    call.result = inner_.RegCreateKeyEx(root, subKey, access, result);
    if (call.result == 0) {
        Opened(root, result);
    }
    calls.push_back(call);
    return call.result;
}

std::int32_t RecordingRegistry::RegCloseKey(platform::RegKey key) {
    Call call = Named("close", key, {});
    call.result = inner_.RegCloseKey(key);
    if (const auto found = open_.find(key); found != open_.end()) {
        open_.erase(found);
    }
    calls.push_back(call);
    return call.result;
}

std::vector<std::string> RecordingRegistry::Ops() const {
    std::vector<std::string> ops;
    for (const Call& call : calls) {
        ops.push_back(call.op);
    }
    return ops;
}

} // namespace qs::test
