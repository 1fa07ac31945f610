#pragma once

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace qs::test::robustness {

using Random = std::mt19937;

// A case still running when the timer fires is a hang: the process ends at once, naming
// it, as nothing after a hung step could be trusted.
class Deadline {
public:
    Deadline(std::string what, DWORD ms) : what_(std::move(what)) {
        CreateTimerQueueTimer(&timer_, nullptr, &Expired, this, ms, 0, WT_EXECUTEONLYONCE);
    }
    ~Deadline() { DeleteTimerQueueTimer(nullptr, timer_, INVALID_HANDLE_VALUE); }
    Deadline(const Deadline&) = delete;
    Deadline& operator=(const Deadline&) = delete;

private:
    static void CALLBACK Expired(void* self, BOOLEAN) {
        std::fprintf(stderr, "no end within the deadline: %s\n", static_cast<Deadline*>(self)->what_.c_str());
        std::fflush(stderr);
        if (std::getenv("QS_HANG_WAIT")) { // held for a debugger (winedbg: attach, bt all) instead of ended
            std::fprintf(stderr, "PID %lu\n", GetCurrentProcessId());
            std::fflush(stderr);
            Sleep(INFINITE);
        }
        TerminateProcess(GetCurrentProcess(), 3);
    }
    std::string what_;
    HANDLE timer_ = nullptr;
};

template <class Text> void FlipBits(Text& bytes, Random& random, int count) {
    for (int i = 0; i < count && !bytes.empty(); ++i) bytes[random() % bytes.size()] ^= 1u << random() % 8;
}

} // namespace qs::test::robustness
