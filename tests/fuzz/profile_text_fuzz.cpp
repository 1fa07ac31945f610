// Any bytes as the settings file: reading never fails, a written value reads back,
// from the edited text and from that text parsed again, and writing it twice changes nothing.
#include <cstdint>
#include <cstdlib>
#include <string>

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
    return 0;
}
