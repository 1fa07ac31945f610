// The profile text keeps an index of its keys and edits it in place instead of parsing
// the text again; after any run of edits it must find what a fresh parse finds.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "platform/profile_text.h"

namespace {

using qs::platform::ProfileText;

TEST(ProfileTextEdits, ManyEditsAgreeWithAFreshParse) {
    std::mt19937 generator(2024);
    const std::vector<std::string> sections = {"", "A", "b", "INIT"};
    std::vector<std::string> keys;
    for (int i = 0; i < 12; ++i) keys.push_back("Key_" + std::to_string(i));
    // Blank and comment lines, lone CR and LF, a repeated section and a last line without a break.
    ProfileText text("junk\r\n[A]\n;c\r\n\r\n[INIT]\rKey_1=x\r\n[A]\r\nKey_2=shadowed\r\nlast");
    for (int step = 0; step < 600; ++step) {
        const std::string& section = sections[generator() % sections.size()];
        const std::string& key = keys[generator() % keys.size()];
        const std::string value = std::string(generator() % 6, 'v') + std::to_string(step % 7);
        text.Write(section, key, value);
        ASSERT_EQ(text.Read(section, key), value) << "step " << step;
        const ProfileText fresh(text.Bytes());
        for (const std::string& s : sections) {
            for (const std::string& k : keys) {
                ASSERT_EQ(text.Read(s, k), fresh.Read(s, k)) << "step " << step << " [" << s << "] " << k;
            }
        }
    }
}

} // namespace
