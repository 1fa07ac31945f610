#include "platform/registry_portable.h"

#include <cstring>
#include <map>
#include <optional>
#include <string_view>
#include <utility>

#include "platform/file_store.h"
#include "platform/registry_store.h"

namespace qs::platform {

namespace {

constexpr std::int32_t kSuccess = 0;
constexpr std::int32_t kInvalidHandle = 6;
constexpr std::int32_t kInvalidParameter = 87;
constexpr std::int32_t kBadPathname = 161;
constexpr std::int32_t kNoAccess = 998;
constexpr std::int32_t kKeyDeleted = 1018;
constexpr std::int32_t kCantWrite = 1021;

struct RootName {
    RegKey handle;
    const char* name;
};
constexpr RootName kRoots[] = {
    {0x80000000u, "HKEY_CLASSES_ROOT"},  {kHkeyCurrentUser, "HKEY_CURRENT_USER"},
    {kHkeyLocalMachine, "HKEY_LOCAL_MACHINE"}, {0x80000003u, "HKEY_USERS"},
    {0x80000005u, "HKEY_CURRENT_CONFIG"},
};

constexpr const char* kStandardKeys[] = {
    "HKEY_CURRENT_USER\\Software",
    "HKEY_CURRENT_USER\\Control Panel\\Desktop",
    "HKEY_LOCAL_MACHINE\\SOFTWARE",
};

bool IsStringType(std::uint32_t type) {
    return type == kRegSz || type == kRegExpandSz || type == kRegMultiSz;
}

class PortableRegistry final : public Registry {
public:
    explicit PortableRegistry(const std::string& storagePath) : path_(HostPath(storagePath)) {}

    std::int32_t RegOpenKeyEx(RegKey root, const std::string& subKey, std::uint32_t, RegKey& result) override {
        Refresh();
        std::string path;
        if (const std::int32_t status = Resolve(root, subKey, path); status != kSuccess) {
            return status;
        }
        if (store_.Find(path) == nullptr) {
            return kFileNotFound;
        }
        result = IsEmptyPath(subKey) ? root : NewHandle(path);
        return kSuccess;
    }

    std::int32_t RegCreateKeyEx(RegKey root, const std::string& subKey, std::uint32_t, RegKey& result) override {
        Refresh();
        std::string path;
        if (const std::int32_t status = Resolve(root, subKey, path); status != kSuccess) {
            return status;
        }
        if (const std::int32_t status = Change([&] { return store_.Add(path); }); status != kSuccess) {
            return status;
        }
        result = NewHandle(path);
        return kSuccess;
    }

    std::int32_t RegQueryValueEx(RegKey key, const std::string& valueName, std::uint32_t* type, std::uint8_t* data,
                                 std::uint32_t* dataSize) override {
        Refresh();
        RegistryKeyData* found = nullptr;
        if (const std::int32_t status = KeyOf(key, found); status != kSuccess) {
            return status;
        }
        const auto value = found->values.find(FoldRegistryName(valueName));
        if (value == found->values.end()) {
            if (type != nullptr) {
                *type = 0;
            }
            return kFileNotFound;
        }
        if (data != nullptr && dataSize == nullptr) {
            return kInvalidParameter;
        }
        if (type != nullptr) {
            *type = value->second.type;
        }
        const std::string& bytes = value->second.data;
        const auto needed = static_cast<std::uint32_t>(bytes.size());
        if (data == nullptr) {
            if (dataSize != nullptr) {
                *dataSize = needed;
            }
            return kSuccess;
        }
        const bool fits = *dataSize >= needed;
        *dataSize = needed;
        if (!fits) {
            return kErrorMoreData;
        }
        std::memcpy(data, bytes.data(), bytes.size());
        return kSuccess;
    }

    std::int32_t RegSetValueEx(RegKey key, const std::string& valueName, std::uint32_t type, const std::uint8_t* data,
                               std::uint32_t dataSize) override {
        Refresh();
        RegistryKeyData* found = nullptr;
        if (const std::int32_t status = KeyOf(key, found); status != kSuccess) {
            return status;
        }
        if (data == nullptr && dataSize > 0) {
            return kNoAccess;
        }
        RegistryValue value{valueName, type, std::string(reinterpret_cast<const char*>(data), data ? dataSize : 0)};
        if (IsStringType(type) && !value.data.empty() && value.data.back() != '\0') {
            value.data += '\0';
        }
        const std::string folded = FoldRegistryName(valueName);
        return Change([&] {
            found->values.insert_or_assign(folded, std::move(value));
            return true;
        });
    }

    std::int32_t RegCloseKey(RegKey key) override {
        if (RootPath(key) != nullptr) {
            return kSuccess;
        }
        return handles_.erase(key) > 0 ? kSuccess : kInvalidHandle;
    }

private:
    static constexpr std::int32_t kFileNotFound = kErrorFileNotFound;

    static const char* RootPath(RegKey key) {
        for (const RootName& root : kRoots) {
            if (root.handle == key) {
                return root.name;
            }
        }
        return nullptr;
    }

    static bool IsEmptyPath(const std::string& subKey) {
        return subKey.find_first_not_of('\\') == std::string::npos;
    }

    // The full path of subKey below the key that root names.
    std::int32_t Resolve(RegKey root, const std::string& subKey, std::string& path) const {
        if (const char* name = RootPath(root)) {
            path = name;
        } else if (const auto open = handles_.find(root); open != handles_.end()) {
            path = open->second;
        } else {
            return kInvalidHandle;
        }
        if (!subKey.empty() && subKey.front() == '\\') {
            return kBadPathname;
        }
        std::size_t start = 0;
        while (start <= subKey.size()) {
            std::size_t end = subKey.find('\\', start);
            if (end == std::string::npos) {
                end = subKey.size();
            }
            if (end > start) {
                path.append("\\").append(subKey, start, end - start);
            }
            start = end + 1;
        }
        return kSuccess;
    }

    std::int32_t KeyOf(RegKey key, RegistryKeyData*& found) {
        std::string path;
        if (const std::int32_t status = Resolve(key, std::string(), path); status != kSuccess) {
            return status;
        }
        found = store_.Find(path);
        return found != nullptr ? kSuccess : kKeyDeleted;
    }

    RegKey NewHandle(const std::string& path) {
        nextHandle_ += 4;
        handles_[nextHandle_] = path;
        return nextHandle_;
    }

    static void AddStandardKeys(RegistryStore& store) {
        for (const RootName& root : kRoots) {
            store.Add(root.name);
        }
        for (const char* key : kStandardKeys) {
            store.Add(key);
        }
    }

    // Takes in changes that another process wrote since the last call.
    void Refresh() {
        const FileStamp stamp = StampOf(path_);
        if (loaded_ && stamp == stamp_) {
            return;
        }
        std::optional<std::string> text = stamp.exists ? ReadWholeFile(path_) : std::nullopt;
        store_ = RegistryStore::Parse(text ? *text : std::string());
        AddStandardKeys(store_);
        stamp_ = stamp;
        loaded_ = true;
    }

    // Applies a change to the store and writes the store out; undoes it when the file
    // cannot be written. mutate returns whether it changed anything.
    template <typename Mutation>
    std::int32_t Change(Mutation mutate) {
        RegistryStore before = store_;
        if (!mutate()) {
            return kSuccess;
        }
        if (!ReplaceFileContents(path_, store_.Serialize())) {
            store_ = std::move(before);
            return kCantWrite;
        }
        stamp_ = StampOf(path_);
        return kSuccess;
    }

    std::filesystem::path path_;
    RegistryStore store_;
    FileStamp stamp_;
    bool loaded_ = false;
    std::map<RegKey, std::string> handles_;
    RegKey nextHandle_ = 0x1000;
};

} // namespace

std::unique_ptr<Registry> MakePortableRegistry(const std::string& storagePath) {
    return std::make_unique<PortableRegistry>(storagePath);
}

} // namespace qs::platform
