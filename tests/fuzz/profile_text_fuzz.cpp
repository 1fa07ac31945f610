// Any bytes as the settings file: reading never fails, a written value reads back,
// from the edited text and from that text parsed again, and writing it twice changes nothing;
// many keys read or written at once give what one key at a time gives.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "platform/profile_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    qs::platform::ProfileText profile(std::string(reinterpret_cast<const char*>(data), size));
    char buffer[16];
    const auto before = profile.Read("INIT", "PictureCount");
    qs::platform::CopyProfileValue(before.value_or(""), buffer, static_cast<std::uint32_t>(size % sizeof buffer));
    for (const char* key : {"PictureCount", "Delay", "FileSpec_7"}) {
        profile.Write("INIT", key, "150000");
        if (profile.Read("INIT", key) != "150000" || profile.Write("INIT", key, "150000")) std::abort();
        if (qs::platform::ProfileText(profile.Bytes()).Read("INIT", key) != "150000") std::abort();
    }
    const std::vector<std::string> keys{"Center_1", "delay", "PictureCount", " FileSpec_7 ", "Nothing"};
    const auto together = profile.Read("INIT", keys);
    for (std::size_t k = 0; k < keys.size(); ++k)
        if (together[k] != profile.Read("INIT", keys[k])) std::abort();
    qs::platform::ProfileText oneByOne(profile.Bytes());
    const std::vector<std::pair<std::string, std::string>> writes{{"Center_1", "True"}, {"Delay", "12"}, {"New_1", "x y"}};
    profile.Write("INIT", writes);
    for (const auto& [key, value] : writes) oneByOne.Write("INIT", key, value);
    for (const auto& [key, value] : writes)
        if (profile.Read("INIT", key) != value || qs::platform::ProfileText(profile.Bytes()).Read("INIT", key) != value ||
            oneByOne.Read("INIT", key) != value)
            std::abort();
    return 0;
}
