// MemoryProfileFile: profile files held in memory, understood and edited exactly as the
// portable backend does, with a log of every call so that tests can check which keys
// were read and written, and in which order.
//
//   qs::test::MemoryProfileFile profile;
//   os.UseProfile(&profile);
//   profile.SetText("C:\\SAVERS\\QuilloSlides.INI", "[INIT]\r\nDelay_0=30\r\n");
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/profile_text.h"
#include "platform/services.h"

namespace qs::test {

class MemoryProfileFile final : public platform::ProfileFile {
public:
    struct Call {
        bool write = false;
        std::string section;
        std::string key;
        std::string value;  // the value written, or the default given to a read
    };

    std::uint32_t GetPrivateProfileString(const std::string& section, const std::string& key,
                                          const std::string& defaultValue, char* buffer, std::uint32_t size,
                                          const std::string& file) override;
    bool WritePrivateProfileString(const std::string& section, const std::string& key, const std::string& value,
                                   const std::string& file) override;

    void SetText(const std::string& file, const std::string& text) { files_[file] = platform::ProfileText(text); }
    bool Has(const std::string& file) const { return files_.count(file) > 0; }
    std::string Text(const std::string& file) const;

    // "section/key" of each read or write, in call order.
    std::vector<std::string> Keys(bool writes) const;

    std::vector<Call> calls;
    // While true every write fails and changes nothing, as on a read-only folder.
    bool failWrites = false;

private:
    std::map<std::string, platform::ProfileText> files_;
};

} // namespace qs::test
