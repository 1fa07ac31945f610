// FakeWindowProcs: window procedures of pretend windows.
//
// GiveWindow(h, proc) makes h a window whose procedure is proc. SetWindowProc on such
// a window installs the new procedure and returns the old one; on any other handle it
// fails and returns 0, as SetWindowLongA does for a dead window, unless defaultProc is
// set: then every window not given yet counts as a live one with that procedure (for
// windows whose handles the toolkit makes up while a form loads). CallProc never jumps
// to the address it is given: it records the call and returns `onCall`'s answer
// (callResult when no handler is set). procs holds each window's current procedure.
#pragma once

#include <functional>
#include <map>
#include <vector>

#include "platform/services.h"

namespace qs::test {

class FakeWindowProcs final : public platform::WindowProcs {
public:
    struct SetCall {
        platform::WindowHandle window = 0;
        platform::WndProcAddress proc = 0;
        platform::WndProcAddress returned = 0;
    };
    struct ProcCall {
        platform::WndProcAddress proc = 0;
        platform::WindowHandle window = 0;
        unsigned msg = 0;
        std::uintptr_t wParam = 0;
        std::intptr_t lParam = 0;
    };
    using Handler = std::function<std::intptr_t(const ProcCall&)>;

    void GiveWindow(platform::WindowHandle h, platform::WndProcAddress proc) { procs[h] = proc; }

    platform::WndProcAddress SetWindowProc(platform::WindowHandle h, platform::WndProcAddress proc) override;
    std::intptr_t CallProc(platform::WndProcAddress proc, platform::WindowHandle h, unsigned msg,
                           std::uintptr_t wParam, std::intptr_t lParam) override;

    std::map<platform::WindowHandle, platform::WndProcAddress> procs;
    std::vector<SetCall> setCalls;
    std::vector<ProcCall> procCalls;
    std::intptr_t callResult = 0;
    platform::WndProcAddress defaultProc = 0;
    Handler onCall;
};

} // namespace qs::test
