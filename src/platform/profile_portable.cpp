#include "platform/profile_portable.h"

#include <map>
#include <string_view>

#include "platform/file_store.h"
#include "platform/profile_text.h"

namespace qs::platform {

namespace {

class PortableProfileFile final : public ProfileFile {
public:
    std::uint32_t GetPrivateProfileString(const std::string& section, const std::string& key,
                                          const std::string& defaultValue, char* buffer, std::uint32_t size,
                                          const std::string& file) override {
        if (buffer == nullptr || size == 0) {
            return 0;
        }
        const ProfileText* text = Load(HostPath(file));
        std::optional<std::string> value = text != nullptr ? text->Read(section, key) : std::nullopt;
        return CopyProfileValue(value ? *value : ProfileDefault(defaultValue), buffer, size);
    }

    bool WritePrivateProfileString(const std::string& section, const std::string& key, const std::string& value,
                                   const std::string& file) override {
        const std::filesystem::path path = HostPath(file);
        ProfileText* current = Load(path);
        if (current == nullptr && StampOf(path).exists) {
            return false; // there but unreadable: writing would lose its other keys
        }
        ProfileText created;
        ProfileText& text = current != nullptr ? *current : created;
        if (!text.Write(section, key, value)) {
            return true; // the key holds that value already
        }
        // The cached text is edited in place; should the file not take it, the cache
        // entry goes, and the next call reads what the file still holds.
        if (!ReplaceFileContents(path, text.Bytes())) {
            cache_.erase(path.string());
            return false;
        }
        if (current != nullptr) {
            cache_[path.string()].stamp = StampOf(path);
        } else {
            Remember(path.string(), StampOf(path), std::move(created));
        }
        return true;
    }

private:
    struct Cached {
        FileStamp stamp;
        ProfileText text;
    };

    // The parsed file, read anew when it changed on disk; null when it does not exist.
    ProfileText* Load(const std::filesystem::path& path) {
        const std::string name = path.string();
        const FileStamp stamp = StampOf(path);
        if (!stamp.exists) {
            cache_.erase(name);
            return nullptr;
        }
        const auto found = cache_.find(name);
        if (found != cache_.end() && found->second.stamp == stamp) {
            return &found->second.text;
        }
        std::optional<std::string> bytes = ReadWholeFile(path);
        if (!bytes) {
            cache_.erase(name);
            return nullptr;
        }
        return &Remember(name, stamp, ProfileText(std::move(*bytes)));
    }

    ProfileText& Remember(const std::string& name, const FileStamp& stamp, ProfileText text) {
        // The program uses one or two files; a bound keeps a caller that walks many
        // files from holding all of them.
        if (cache_.size() >= kMaxCachedFiles && cache_.find(name) == cache_.end()) {
            cache_.clear();
        }
        Cached& entry = cache_[name];
        entry.stamp = stamp;
        entry.text = std::move(text);
        return entry.text;
    }

    static constexpr std::size_t kMaxCachedFiles = 8;
    std::map<std::string, Cached> cache_;
};

} // namespace

std::unique_ptr<ProfileFile> MakePortableProfileFile() {
    return std::make_unique<PortableProfileFile>();
}

} // namespace qs::platform
