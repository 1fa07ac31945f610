// ScopedServices installs fakes of the services the portable core asks for (random numbers, the
// window lookup, the executable) for one test and puts the previous ones back at its end; a test
// installs a profile or registry of its own where it needs one.
#pragma once

#include <cctype>
#include <deque>
#include <string>
#include <vector>

#include "platform/services.h"

namespace qs::test {

// Rnd() hands out the queued values, then 0.
class FakeRandom final : public platform::Random {
public:
    void Randomize() override {}
    double Rnd() override {
        if (queued.empty()) return 0.0;
        const double value = queued.front();
        queued.pop_front();
        return value;
    }

    std::deque<double> queued;
};

// Top-level windows by caption; FindWindowByCaption ignores letter case. No other call finds a window.
class FakeSystem final : public platform::System {
public:
    bool GetVersionInfo(platform::OsVersionInfo&) override { return false; }
    bool ParametersInfo(unsigned, unsigned, std::int32_t*, unsigned) override { return false; }
    platform::WindowHandle FindWindowByCaption(const std::string& caption) override {
        for (std::size_t i = 0; i < captions.size(); ++i)
            if (Folded(captions[i]) == Folded(caption)) return 0x10000 + i;
        return 0;
    }
    bool IsWindow(platform::WindowHandle) override { return false; }
    bool GetClientRect(platform::WindowHandle, platform::RectPx&) override { return false; }
    bool MakeTopmost(platform::WindowHandle) override { return false; }

    std::vector<std::string> captions;

private:
    static std::string Folded(std::string text) {
        for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return text;
    }
};

class FakeProcess final : public platform::Process {
public:
    std::string ExecutablePath() override { return executablePath; }
    std::string CommandArguments() override { return arguments; }

    std::string executablePath = "C:\\SAVERS\\QuilloSlides.scr";
    std::string arguments;
};

class ScopedServices {
public:
    ScopedServices() : saved_(platform::services()) {
        platform::services() = {.random = &random, .system = &system, .process = &process};
    }
    ~ScopedServices() { platform::services() = saved_; }
    ScopedServices(const ScopedServices&) = delete;
    ScopedServices& operator=(const ScopedServices&) = delete;

    void UseProfile(platform::ProfileFile* profile) { platform::services().profile = profile; }
    void UseRegistry(platform::Registry* registry) { platform::services().registry = registry; }

    FakeRandom random;
    FakeSystem system;
    FakeProcess process;

private:
    platform::Services saved_;
};

} // namespace qs::test
