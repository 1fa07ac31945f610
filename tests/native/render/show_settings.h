// Puts a whole slide show into the settings object for one test: the options the
// sequencer reads and the slide list.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/types.h"

namespace qs::test {

struct TestSlide {
    std::string path;
    std::int16_t center = 0, hStretch = 0, vStretch = 0;
};

struct TestShow {
    tk::Color background = 0;
    std::int32_t delay = 10;
    bool random = false;
    std::vector<TestSlide> slides = {};
};

// Replaces every option and the whole slide list of AppSettings.
void UseShow(const TestShow& show);

} // namespace qs::test
