// Any bytes as the settings file: reading never fails; after every edit, of one key or of
// many at once, each key reads as the edited text parsed afresh gives it and as it reads
// alone, and writing the value a key holds changes nothing.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "platform/profile_text.h"

using qs::platform::ProfileText;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ProfileText profile(std::string(reinterpret_cast<const char*>(data), size));
    char buffer[16];
    qs::platform::CopyProfileValue(profile.Read("INIT", "Delay").value_or(""), buffer, std::uint32_t(size % 16));
    const std::vector<std::string> keys{"Center_1", "delay", "PictureCount", " FileSpec_7 ", "Nothing", "New_1"};
    const auto check = [&] {
        const ProfileText fresh(profile.Bytes());
        for (const char* section : {"INIT", "", " a "}) {
            const auto together = profile.Read(section, keys);
            for (std::size_t k = 0; k < keys.size(); ++k)
                if (together[k] != profile.Read(section, keys[k]) || together[k] != fresh.Read(section, keys[k]))
                    std::abort();
        }
    };
    check();
    for (const char* section : {"INIT", "", "A"})
        for (const char* key : {"PictureCount", "Delay", "FileSpec_7"}) {
            const std::string value = std::to_string(size % 7) + key;
            profile.Write(section, key, value);
            if (profile.Read(section, key) != value || profile.Write(section, key, value)) std::abort();
            check();
        }
    std::vector<std::pair<std::string, std::string>> writes{{"Center_1", "True"}, {"Delay", "12"}, {"New_1", "x y"}};
    profile.Write("INIT", writes);
    for (const auto& [key, value] : writes)
        if (profile.Read("INIT", key) != value) std::abort();
    check();
    return 0;
}
