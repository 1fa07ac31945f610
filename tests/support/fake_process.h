// FakeProcess: the executable's path and its argument string, as the test sets them.
// Defaults: C:\SAVERS\QuilloSlides.scr with no arguments. argumentReads counts how
// often the argument string was read.
#pragma once

#include <string>

#include "platform/services.h"

namespace qs::test {

class FakeProcess final : public platform::Process {
public:
    std::string ExecutablePath() override { return executablePath; }
    std::string CommandArguments() override {
        ++argumentReads;
        return arguments;
    }

    std::string executablePath = "C:\\SAVERS\\QuilloSlides.scr";
    std::string arguments;
    int argumentReads = 0;
};

} // namespace qs::test
