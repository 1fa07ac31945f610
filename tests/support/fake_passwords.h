// FakePasswords: the screen-saver password services, scripted.
//
// PwdChangePassword records its arguments in changeCalls, runs onChange (if set) while
// "the dialog is open", and returns changeAvailable. VerifyScreenSavePwd records the
// owner in verifyCalls, runs onVerify (if set; e.g. to look at the cursor while the
// question is up) and returns the next value of verifyResults, or verifyDefault
// (1: the saver may close) once they are used up.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/services.h"

namespace qs::test {

class FakePasswords final : public platform::Passwords {
public:
    struct ChangeCall {
        std::string provider;
        platform::WindowHandle owner = 0;
        std::uint32_t reserved1 = 0;
        std::uint32_t reserved2 = 0;
    };

    bool PwdChangePassword(const std::string& provider, platform::WindowHandle owner, std::uint32_t reserved1,
                           std::uint32_t reserved2) override;
    std::int32_t VerifyScreenSavePwd(platform::WindowHandle owner) override;

    std::vector<ChangeCall> changeCalls;
    bool changeAvailable = true;
    std::function<void()> onChange;

    std::vector<platform::WindowHandle> verifyCalls;
    std::deque<std::int32_t> verifyResults;
    std::int32_t verifyDefault = 1;
    std::function<void()> onVerify;
};

} // namespace qs::test
