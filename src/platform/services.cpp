#include "platform/services.h"

#include <algorithm>

namespace qs::platform {

Services& services() {
    // Function-local so that services used during static initialisation of other
    // translation units find the table already constructed.
    static Services table;
    return table;
}

std::vector<std::string> ProfileFile::ReadKeys(const std::string& section, const std::vector<std::string>& keys,
                                               std::uint32_t size, const std::string& file) {
    std::vector<std::string> values;
    values.reserve(keys.size());
    for (const std::string& key : keys) {
        values.push_back(GetPrivateProfileString(section, key, "", size, file));
    }
    return values;
}

} // namespace qs::platform
