#include "fake_window_procs.h"

namespace qs::test {

platform::WndProcAddress FakeWindowProcs::SetWindowProc(platform::WindowHandle h, platform::WndProcAddress proc) {
    platform::WndProcAddress previous = 0;
    auto it = procs.find(h);
    if (it == procs.end() && defaultProc != 0 && h != 0) {
        it = procs.emplace(h, defaultProc).first;
    }
    if (it != procs.end()) {
        previous = it->second;
        it->second = proc;
    }
    setCalls.push_back({h, proc, previous});
    return previous;
}

std::intptr_t FakeWindowProcs::CallProc(platform::WndProcAddress proc, platform::WindowHandle h, unsigned msg,
                                        std::uintptr_t wParam, std::intptr_t lParam) {
    const ProcCall call{proc, h, msg, wParam, lParam};
    procCalls.push_back(call);
    return onCall ? onCall(call) : callResult;
}

} // namespace qs::test
